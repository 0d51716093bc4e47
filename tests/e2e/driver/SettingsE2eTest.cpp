// The real program reads its settings folder: changed hotkeys, a bad file.
#include <windows.h>
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

TEST(Settings, AListFileHeldOpenAtStartIsReportedAndKeepsItsEntriesAfterOk) {
  Hushdesk program("hdheldlist");
  const std::string entries = "C:\\games\\solitaire.exe\r\nC:\\games\\poker.exe\r\n";
  program.WriteSetting("Settings\\HideAppList.lst", entries);
  program.WriteSetting("Settings\\HotKeys.cfg", "16576\r\n16392\r\n16465\r\n");
  const std::string path = program.Dir() + "Settings\\HideAppList.lst";
  // Another program has it open and shares it with nobody.
  HANDLE held = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const int before = TrayIconCount();
  ASSERT_TRUE(program.Start("", 0, 0));
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(program.process().Id())) != nullptr; }, 10000));
  EXPECT_NE(DialogText(box).find("Cannot open file \"" + path + "\"."), std::string::npos) << DialogText(box);
  Screenshot("held-list-file");
  DismissDialog(box);
  ::CloseHandle(held);
  ASSERT_TRUE(WaitUntil([&] { return TrayIconCount() == before + 1; }));

  HWND config = OpenConfiguration(program, before);
  ASSERT_NE(config, nullptr);
  ::SendMessageA(::GetDlgItem(config, 1001), BM_CLICK, 0, 0);  // OK
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(config); }));
  EXPECT_EQ(ReadTextFile(path), entries);
  EXPECT_EQ(ReadTextFile(program.Dir() + "Settings\\HotKeys.cfg"), "16576\r\n16392\r\n16465\r\n");
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

}  // namespace e2e
