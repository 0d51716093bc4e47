// The real program reads its settings folder: changed hotkeys, a bad file.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include "Harness.h"

namespace e2e {

TEST(Settings, HotkeysFromTheSettingsFolderReplaceTheDefaults) {
  Hushdesk program("hdkeys");
  // Ctrl+Alt+J terminates; the mode and visible keys are unchanged.
  const int ctrlAltJ = 0x4000 | 0x8000 | 'J';
  program.WriteSetting("Settings\\HotKeys.cfg", "16576\r\n16392\r\n" + std::to_string(ctrlAltJ) + "\r\n");
  ASSERT_TRUE(program.Start("", MOD_CONTROL | MOD_ALT, 'J'));
  EXPECT_FALSE(program.Holds(MOD_CONTROL, 'Q')) << "the default terminate key is free";
  PressTerminateHotkey();
  EXPECT_EQ(program.process().WaitForExit(1500), static_cast<DWORD>(STILL_ACTIVE));
  PressKeys({VK_CONTROL, VK_MENU}, 'J');
  EXPECT_EQ(program.process().WaitForExit(10000), 0u);
}

TEST(Settings, BadHotkeysFileShowsTheErrorAndTheProgramStillAnswers) {
  Hushdesk program("hdbadkeys");
  program.WriteSetting("Settings\\HotKeys.cfg", "16576\r\nsixteen\r\n16465\r\n");
  ASSERT_TRUE(program.Start("", 0, 0));
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(program.process().Id())) != nullptr; }, 10000));
  EXPECT_NE(DialogText(box).find("'sixteen' is not a valid integer value"), std::string::npos) << DialogText(box);
  Screenshot("error-box");
  DismissDialog(box);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  EXPECT_TRUE(program.Holds(MOD_CONTROL, 'Q')) << "hotkeys registered after the error";
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

TEST(Settings, AListFileHeldOpenAtStartIsReadWhenTheWindowOpensAndKeepsItsEntriesAfterAnEdit) {
  Hushdesk program("hdheldlist");
  program.WriteSetting("Settings\\SerAppList.lst", "C:\\work\\sheet.exe\r\nC:\\work\\notes.exe\r\n");
  program.WriteSetting("Settings\\HotKeys.cfg", "16576\r\n16392\r\n16465\r\n");
  const std::string path = program.Dir() + "Settings\\SerAppList.lst";
  // Another program has it open and shares it with nobody.
  HANDLE held = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const int before = TrayIconCount();
  ASSERT_TRUE(program.Start("", 0, 0));
  const DWORD pid = program.process().Id();
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(pid)) != nullptr; }, 10000));
  EXPECT_NE(DialogText(box).find("Cannot open file \"" + path + "\"."), std::string::npos) << DialogText(box);
  Screenshot("held-list-file");
  DismissDialog(box);
  ::CloseHandle(held);
  ASSERT_TRUE(WaitUntil([&] { return TrayIconCount() == before + 1; }));

  HWND config = OpenConfiguration(program, before);
  ASSERT_NE(config, nullptr);
  constexpr int kOk = 1001, kPages = 1000, kPageSwitch = 3, kSerDelete = 1052, kSerFiles = 1055;
  HWND list = ::GetDlgItem(config, kSerFiles);
  EXPECT_EQ(ListBoxItems(list), (std::vector<std::string>{"C:\\work\\sheet.exe", "C:\\work\\notes.exe"}))
      << "read when the window opened";
  EXPECT_TRUE(::IsWindowEnabled(list));
  // The user deletes the second entry.
  ::SendMessageA(::GetDlgItem(config, kPages), TCM_SETCURFOCUS, kPageSwitch, 0);
  ::SendMessageA(list, LB_SETCURSEL, 1, 0);
  ::SendMessageA(config, WM_COMMAND, MAKEWPARAM(kSerFiles, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  ::Sleep(200);
  ClickControl(::GetDlgItem(config, kSerDelete));
  HWND question = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (question = FindMessageBox(pid)) != nullptr; }));
  ::SendMessageA(question, WM_COMMAND, IDYES, 0);
  ASSERT_TRUE(WaitUntil([&] { return ListBoxItems(list).size() == 1; }));
  ::SendMessageA(::GetDlgItem(config, kOk), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(config); }));
  EXPECT_EQ(ReadTextFile(path), "C:\\work\\sheet.exe\r\n");
  EXPECT_EQ(ReadTextFile(program.Dir() + "Settings\\HotKeys.cfg"), "16576\r\n16392\r\n16465\r\n");
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

TEST(Settings, AMainCfgThatCannotBeWrittenShowsTheErrorOnOkAndTheWindowStaysOpen) {
  Hushdesk program("hdmaincfgdir");
  ASSERT_TRUE(::CreateDirectoryA((program.Dir() + "Settings\\Main.cfg").c_str(), nullptr));
  HWND config = StartWithConfiguration(program);
  ASSERT_NE(config, nullptr);
  ::PostMessageA(::GetDlgItem(config, 1001), BM_CLICK, 0, 0);  // OK
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(program.process().Id())) != nullptr; }, 10000));
  EXPECT_NE(DialogText(box).find("Settings\\Main.cfg: "), std::string::npos) << DialogText(box);
  Screenshot("main-cfg-not-written");
  DismissDialog(box);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  EXPECT_TRUE(::IsWindowVisible(config)) << "the window stays open";
  EXPECT_FALSE(FileExists(program.Dir() + "Settings\\HotKeys.cfg")) << "the save ended at Main.cfg";
  ::PostMessageA(::GetDlgItem(config, 1002), BM_CLICK, 0, 0);  // Cancel
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(config); }));
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

}  // namespace e2e
