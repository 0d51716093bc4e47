// Where what the program loads and starts comes from: a library planted
// beside it, or in the folder it works in, under a system library's name is
// never loaded, and a serious application in a folder with blanks is the
// program started, not the one at the path cut at the first blank.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include "Harness.h"

namespace e2e {

namespace {

constexpr int kPages = 1000, kCancel = 1002, kHelp = 1003, kMediaPage = 4, kSoundTest = 1063;

// The libraries the program loads at run time, and two that programs
// commonly pull in by a bare name.
const char* const kPlantedNames[] = {"HHCTRL.OCX", "uxtheme.dll", "winmm.dll", "dwmapi.dll", "version.dll"};

// Built beside this test program.
std::string PlantedLibrary() {
  const std::string self = SelfPath();
  return self.substr(0, self.find_last_of('\\') + 1) + "PlantedLibrary.dll";
}

void Plant(const std::string& folder) {
  for (const char* name : kPlantedNames)
    ASSERT_TRUE(::CopyFileA(PlantedLibrary().c_str(), (folder + name).c_str(), FALSE)) << folder << name;
}

// The marker files the planted libraries left in the folder, joined.
std::string Markers(const std::string& folder) {
  std::string found;
  WIN32_FIND_DATAA entry{};
  HANDLE search = ::FindFirstFileA((folder + "*.loaded").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return found;
  do found.append(folder).append(entry.cFileName).append(" ");
  while (::FindNextFileA(search, &entry));
  ::FindClose(search);
  return found;
}

// Wine loads its own copy of a system library whatever file lies beside the
// program; asked for native first, it searches as Windows does for libraries
// that are not known system libraries. For the programs started meanwhile.
class NativeFirst {
public:
  NativeFirst() {
    char value[1024] = {};
    ::GetEnvironmentVariableA("WINEDLLOVERRIDES", value, sizeof value);
    before_ = value;
    const std::string asked = before_ + (before_.empty() ? "" : ";") + "hhctrl.ocx,uxtheme,winmm,dwmapi,version=n,b";
    ::SetEnvironmentVariableA("WINEDLLOVERRIDES", asked.c_str());
  }
  ~NativeFirst() { ::SetEnvironmentVariableA("WINEDLLOVERRIDES", before_.c_str()); }

private:
  std::string before_;
};

bool Answers(HWND window) {
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
}

// Ends the helper applications of that caption that the program started.
void EndHelpers(const char* caption) {
  while (HWND window = ::FindWindowA("HushdeskTestHelper", caption)) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (!process) return;
    ::TerminateProcess(process, 0);
    ::WaitForSingleObject(process, 5000);
    ::CloseHandle(process);
  }
}

}  // namespace

TEST(Hardening, LibrariesPlantedBesideTheProgramAreNeverLoaded) {
  Hushdesk program("hdplanted");
  const std::string workFolder = NewTempDir("hdplantedwork");
  {
    // The planted library does what the test looks for when it is loaded.
    const std::string probe = workFolder + "probe.dll";
    ASSERT_TRUE(::CopyFileA(PlantedLibrary().c_str(), probe.c_str(), FALSE));
    HMODULE loaded = ::LoadLibraryA(probe.c_str());
    ASSERT_NE(loaded, nullptr);
    ::FreeLibrary(loaded);
    ASSERT_EQ(Markers(workFolder), workFolder + "probe.dll.loaded ");
    ::DeleteFileA((probe + ".loaded").c_str());
  }
  Plant(program.Dir());
  Plant(workFolder);
  program.WorkIn(workFolder);
  NativeFirst nativeFirst;

  HWND config = StartWithConfiguration(program);
  ASSERT_NE(config, nullptr);
  const DWORD pid = program.process().Id();
  ::SendMessageA(::GetDlgItem(config, kPages), TCM_SETCURFOCUS, kMediaPage, 0);
  ::PostMessageA(::GetDlgItem(config, kSoundTest), BM_CLICK, 0, 0);
  EXPECT_TRUE(Answers(config)) << "the sample has played";
  EXPECT_EQ(FindMessageBox(pid), nullptr) << "the sample was found and played";
  ::PostMessageA(::GetDlgItem(config, kHelp), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return HelpWindowOf(pid) != nullptr; }, 10000)) << "the system's help library";
  ::SendMessageA(::GetDlgItem(config, kCancel), BM_CLICK, 0, 0);
  EXPECT_EQ(program.TerminateByHotkey(), 0u);

  EXPECT_EQ(Markers(program.Dir()), "") << "loaded from the program's folder";
  EXPECT_EQ(Markers(workFolder), "") << "loaded from the working folder";
}

TEST(Hardening, ASeriousApplicationInAFolderWithBlanksIsTheOneStarted) {
  Hushdesk program("hdblanks");
  ASSERT_EQ(program.Dir().find(' '), std::string::npos) << "the first blank is the one made here";
  const std::string serious = CopySelfTo(program.Dir() + "My Apps\\Sheet.exe");
  CopySelfTo(program.Dir() + "My.exe");     // the path cut at its first blank
  CopySelfTo(program.Dir() + "Loose.exe");  // a bare name, found in the working folder
  program.WriteSetting("Settings\\SerAppList.lst", "Loose.exe\r\n" + serious + "\r\n");
  ASSERT_TRUE(program.Start());

  PressModeHotkey();
  EXPECT_TRUE(WaitUntil([] { return ::FindWindowA("HushdeskTestHelper", "Sheet") != nullptr; }, 10000));
  EXPECT_EQ(::FindWindowA("HushdeskTestHelper", "My"), nullptr) << "the program at the path cut at the blank";
  EXPECT_EQ(::FindWindowA("HushdeskTestHelper", "Loose"), nullptr) << "a bare name is no full path";
  PressModeHotkey();
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
  for (const char* caption : {"Sheet", "My", "Loose"}) EndHelpers(caption);
}

}  // namespace e2e
