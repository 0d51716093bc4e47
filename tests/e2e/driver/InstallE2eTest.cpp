// Installed or portable: the setup's silent install and uninstall, and a
// program folder that cannot be written keeping the settings in AppData.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <gtest/gtest.h>
#include <cstdio>
#include <optional>
#include <vector>
#include "Harness.h"

namespace e2e {

namespace {
constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Hushdesk";
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string ShellFolder(int csidl) {
  char path[MAX_PATH] = {};
  ::SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, 0, path);
  return path;
}

std::string WindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

// A value of HKCU, or nothing when the value or its key does not exist.
std::optional<std::string> UserValue(const char* key, const char* name) {
  char value[1024] = {};
  DWORD size = sizeof value;
  if (::RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::string(value);
}

// A text of a file's version information (US English, Unicode).
std::string VersionText(const std::string& file, const char* name) {
  DWORD ignored = 0;
  std::vector<char> data(::GetFileVersionInfoSizeA(file.c_str(), &ignored));
  if (data.empty() || !::GetFileVersionInfoA(file.c_str(), 0, static_cast<DWORD>(data.size()), data.data())) return "";
  struct Translation {
    WORD language, codePage;
  }* translation = nullptr;
  UINT size = 0;
  if (!::VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size) ||
      size < sizeof(Translation))
    return "";
  char query[64];
  std::snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\%s", translation->language, translation->codePage, name);
  char* value = nullptr;
  return ::VerQueryValueA(data.data(), query, reinterpret_cast<void**>(&value), &size) && size ? value : "";
}

void RemoveTree(const std::string& folder) {
  std::string from = folder + '\0';
  SHFILEOPSTRUCTA op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  ::SHFileOperationA(&op);
}
}  // namespace

TEST(Install, SilentSetupInstallsForTheUserAndSilentUninstallEndsTheProgramAndLeavesOnlyTheSettings) {
  const std::string programs = ShellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\";
  const std::string dir = programs + "Hushdesk\\";
  const std::string shortcut = ShellFolder(CSIDL_PROGRAMS) + "\\Hushdesk.lnk";
  RemoveTree(dir.substr(0, dir.size() - 1));
  ::RegDeleteKeyA(HKEY_CURRENT_USER, kUninstallKey);

  Process setup(WindowsPath(HD_SETUP_EXE), "/S");
  ASSERT_TRUE(setup.Started());
  ASSERT_EQ(setup.WaitForExit(60000), 0u);
  for (const char* file : {"hushdesk.exe", "uninstall.exe", "SoundDemo.wav", "Help\\Help.chm", "Settings\\SysProcs.lst"})
    EXPECT_TRUE(FileExists(dir + file)) << file;
  EXPECT_TRUE(FileExists(shortcut));
  EXPECT_EQ(UserValue(kUninstallKey, "DisplayName"), "Velmora Hushdesk");
  EXPECT_EQ(UserValue(kUninstallKey, "DisplayVersion"), "1.5");
  EXPECT_EQ(UserValue(kUninstallKey, "Publisher"), "Velmora");
  EXPECT_EQ(UserValue(kUninstallKey, "DisplayIcon"), dir + "hushdesk.exe,0");
  EXPECT_EQ(UserValue(kUninstallKey, "UninstallString"), "\"" + dir + "uninstall.exe\"");
  EXPECT_EQ(UserValue(kRunKey, "vhd"), "\"" + dir + "hushdesk.exe\"");

  // The installed program runs, its settings beside it, and hides a tool.
  const std::string tool = CopySelfTo(programs + "HushdeskTestTool.exe");
  WriteTextFile(dir + "Settings\\HideAppList.lst", tool + "\r\n");
  Process again(WindowsPath(HD_SETUP_EXE), "/S");
  ASSERT_EQ(again.WaitForExit(60000), 0u);
  EXPECT_EQ(ReadTextFile(dir + "Settings\\HideAppList.lst"), tool + "\r\n") << "installing over keeps the settings";
  Process toolApp = StartHelperApp(tool, "Tool to hide");
  HWND toolWindow = FindWindowOfProcess(toolApp.Id(), "Tool to hide");
  ASSERT_NE(toolWindow, nullptr);
  const int before = TrayIconCount();
  Process installed(dir + "hushdesk.exe", "", dir);
  ASSERT_TRUE(WaitUntil([&] { return TrayIconCount() == before + 1; }, 20000)) << "its tray icon";
  PressKeys({VK_CONTROL}, VK_OEM_3);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(toolWindow); }, 10000));

  Process uninstall(dir + "uninstall.exe", "/S");
  ASSERT_EQ(uninstall.WaitForExit(60000), 0u);
  // The uninstaller goes on from a copy of itself; the program ends first.
  EXPECT_EQ(installed.WaitForExit(30000), 0u);
  // The default exit action closes the windows it hid: a killed program would leave the tool running.
  EXPECT_NE(toolApp.WaitForExit(10000), static_cast<DWORD>(STILL_ACTIVE)) << "the exit action ran";
  EXPECT_TRUE(WaitUntil([&] { return !FileExists(dir + "uninstall.exe") && !UserValue(kUninstallKey, "DisplayName"); },
                        30000));
  for (const char* file : {"hushdesk.exe", "SoundDemo.wav", "Help\\Help.chm", "Settings\\SysProcs.lst"})
    EXPECT_FALSE(FileExists(dir + file)) << file;
  EXPECT_FALSE(FileExists(shortcut));
  EXPECT_FALSE(UserValue(kRunKey, "vhd"));
  EXPECT_EQ(ReadTextFile(dir + "Settings\\HideAppList.lst"), tool + "\r\n") << "the settings stay";
  RemoveTree(dir.substr(0, dir.size() - 1));
  ::DeleteFileA(tool.c_str());
}

TEST(Install, AProgramFolderThatCannotBeWrittenKeepsTheSettingsInAppDataAndReadsThemFromThere) {
  const std::string appData = ShellFolder(CSIDL_APPDATA) + "\\Hushdesk";
  RemoveTree(appData);
  Hushdesk program("hdreadonly");
  // Its "Settings" is a file: no folder of that name can be made beside the exe.
  RemoveTree(program.Dir() + "Settings");
  WriteTextFile(program.Dir() + "Settings", "");
  HWND config = StartWithConfiguration(program);
  ASSERT_NE(config, nullptr);
  ::PostMessageA(::GetDlgItem(config, 1001), BM_CLICK, 0, 0);  // OK
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(config); }, 10000));
  const std::string keys = appData + "\\Settings\\HotKeys.cfg";
  EXPECT_TRUE(FileExists(appData + "\\Settings\\Main.cfg"));
  EXPECT_EQ(ReadTextFile(keys), "16576\r\n16392\r\n16465\r\n");
  EXPECT_EQ(program.TerminateByHotkey(), 0u);

  // Ctrl+Alt+J terminates from now on, as the AppData folder says.
  WriteTextFile(keys, "16576\r\n16392\r\n" + std::to_string(0x4000 | 0x8000 | 'J') + "\r\n");
  ASSERT_TRUE(program.Start("", MOD_CONTROL | MOD_ALT, 'J'));
  PressKeys({VK_CONTROL, VK_MENU}, 'J');
  EXPECT_EQ(program.process().WaitForExit(10000), 0u);
  RemoveTree(appData);
}

TEST(Install, TheExeAndTheSetupSayTheSameOfWhatTheyAre) {
  const std::string exe = WindowsPath(HD_DIST_DIR "/hushdesk.exe"), setup = WindowsPath(HD_SETUP_EXE);
  EXPECT_EQ(VersionText(exe, "ProductName"), "Velmora Hushdesk");
  EXPECT_EQ(VersionText(exe, "FileVersion"), "1.5");
  EXPECT_EQ(VersionText(exe, "CompanyName"), "Velmora");
  EXPECT_NE(VersionText(exe, "LegalCopyright").find("Velmora"), std::string::npos);
  for (const char* name : {"ProductName", "CompanyName", "ProductVersion", "LegalCopyright"})
    EXPECT_EQ(VersionText(setup, name), VersionText(exe, name)) << name;
}

}  // namespace e2e
