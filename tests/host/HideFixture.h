// A running program with other programs' windows around it, for the HIDE mode tests.
#pragma once
#include "ProgramFixture.h"
#include "words/TWordsListUnit.h"

namespace hd::test {

class HideTest : public ProgramTest {
protected:
  void SetUp() override { Start(); }

  void HideCaptionsWith(std::vector<std::string> words, bool oneOfWords = true) {
    TWordsList list;
    list.Caption = "rule";
    list.OneOfWords = oneOfWords;
    list.Words = std::move(words);
    frm().Book->Add(list);
  }
  // A process with one visible, unowned window.
  WindowHandle App(const std::string& exePath, const std::string& caption) {
    return desktop.AddWindow(desktop.AddProcess(exePath), caption);
  }
  // A window whose process file the system will not tell, by any means.
  WindowHandle UnknownApp(const std::string& caption) {
    const WindowHandle window = App("C:\\Secret\\x.exe", caption);
    desktop.state.processes[ProcessOf(window)].modulesReadable = false;
    desktop.state.processes[ProcessOf(window)].imagePathQueryable = false;
    return window;
  }
  bool Visible(WindowHandle window) { return desktop.windows.IsWindowVisible(window); }
  bool Iconic(WindowHandle window) { return desktop.windows.IsIconic(window); }
  ProcessId ProcessOf(WindowHandle window) { return desktop.Window(window).processId; }
};

}  // namespace hd::test
