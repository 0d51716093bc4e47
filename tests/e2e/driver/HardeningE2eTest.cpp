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
// Those Wine is asked to load native first. Not uxtheme.dll nor version.dll:
// Wine's own user32 loads them by a bare name (version.dll as an import,
// uxtheme.dll at its start), so native first they are taken from beside the
// program before its first line runs; Windows' user32 does neither.
const char* const kNativeFirst[] = {"hhctrl.ocx", "winmm", "dwmapi"};

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
// that are not known system libraries. Asked in hushdesk.exe's own overrides
// while the object lives: WINEDLLOVERRIDES set here would not reach the
// loader of a process this one starts.
class NativeFirst {
public:
  NativeFirst() {
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr) !=
        ERROR_SUCCESS)
      key_ = nullptr;
    for (const char* name : kNativeFirst)
      EXPECT_TRUE(key_ && ::RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>("native,builtin"),
                                           sizeof "native,builtin") == ERROR_SUCCESS)
          << name;
  }
  ~NativeFirst() {
    if (!key_) return;
    ::RegCloseKey(key_);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  }

private:
  static constexpr const char* kKey = "Software\\Wine\\AppDefaults\\hushdesk.exe\\DllOverrides";
  HKEY key_ = nullptr;
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

  // A planted library that got in may stop the program anywhere: the
  // markers are looked at whatever happened.
  HWND config = StartWithConfiguration(program);
  EXPECT_NE(config, nullptr);
  if (config) {
    const DWORD pid = program.process().Id();
    ::SendMessageA(::GetDlgItem(config, kPages), TCM_SETCURFOCUS, kMediaPage, 0);
    ::PostMessageA(::GetDlgItem(config, kSoundTest), BM_CLICK, 0, 0);
    EXPECT_TRUE(Answers(config)) << "the sample has played";
    EXPECT_EQ(FindMessageBox(pid), nullptr) << "the sample was found and played";
    ::PostMessageA(::GetDlgItem(config, kHelp), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return HelpWindowOf(pid) != nullptr; }, 10000)) << "the system's help library";
    ::SendMessageA(::GetDlgItem(config, kCancel), BM_CLICK, 0, 0);
    EXPECT_EQ(program.TerminateByHotkey(), 0u);
  }
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
