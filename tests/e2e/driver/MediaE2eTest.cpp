// The graphic mode in HIDE mode, the mode menu, its test and the sound test,
// in a Wine virtual desktop: only there does Wine offer more than one mode,
// and only processes inside it receive SendInput, so each test runs in a
// child of this program started in that desktop.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include "Harness.h"

namespace e2e {

namespace {

constexpr int kPages = 1000, kMediaPage = 4, kSoundTest = 1063, kLabGraphMode = 1065, kSelect = 1066, kTest = 1067,
              kCancel = 1002;

DEVMODEA CurrentMode() {
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  ::EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode);
  return mode;
}

bool ModeIs(DWORD width, DWORD height, DWORD bits) {
  const DEVMODEA mode = CurrentMode();
  return mode.dmPelsWidth == width && mode.dmPelsHeight == height && mode.dmBitsPerPel == bits;
}

std::string CurrentModeText() {
  const DEVMODEA mode = CurrentMode();
  return std::to_string(mode.dmPelsWidth) + "x" + std::to_string(mode.dmPelsHeight) + " " +
         std::to_string(mode.dmBitsPerPel) + " bits";
}

std::string ControlText(HWND control) {
  char text[128] = {};
  ::SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

void MenuKeys(HWND menu, std::initializer_list<WPARAM> keys) {
  for (WPARAM key : keys) {
    ::PostMessageA(menu, WM_KEYDOWN, key, 0);
    ::PostMessageA(menu, WM_KEYUP, key, 0);
    ::Sleep(150);
  }
}

// The virtual desktop's notification area is on its taskbar; the program's
// icon is the only one there, at the right end.
HWND OpenConfiguration(Hushdesk& program) {
  HWND taskbar = nullptr;
  if (!WaitUntil([&] { return (taskbar = ::FindWindowA("Shell_TrayWnd", nullptr)) != nullptr; })) return nullptr;
  ::Sleep(1000);  // the icon is drawn
  RECT bar{};
  ::GetWindowRect(taskbar, &bar);
  ClickAt(bar.right - 11, (bar.top + bar.bottom) / 2, 3);
  HWND menu = nullptr;
  if (!WaitUntil([&] { return (menu = FindPopupMenu()) != nullptr; })) return nullptr;
  ChooseFirstMenuItem(menu);  // "Configure..."
  HWND config = program.ConfigWindow();
  if (!WaitUntil([&] { return ::IsWindowVisible(config) != FALSE; })) return nullptr;
  ::SendMessageA(::GetDlgItem(config, kPages), TCM_SETCURFOCUS, kMediaPage, 0);
  return config;
}

// Opens the mode menu with the "Select" button and walks it with the keys.
std::string ChooseFromModeMenu(HWND config, std::initializer_list<WPARAM> keys, bool screenshot = false) {
  ::PostMessageA(::GetDlgItem(config, kSelect), BM_CLICK, 0, 0);
  HWND menu = nullptr;
  if (!WaitUntil([&] { return (menu = FindPopupMenu()) != nullptr; })) return "no menu";
  RECT button{}, shown{};
  ::GetWindowRect(::GetDlgItem(config, kSelect), &button);
  ::GetWindowRect(menu, &shown);
  EXPECT_EQ(shown.left, button.left) << "the menu opens at the button's lower-left corner";
  EXPECT_EQ(shown.top, button.bottom);
  MenuKeys(menu, keys);
  if (screenshot) Screenshot("graphic-mode-menu");
  MenuKeys(menu, {VK_RETURN});
  HWND label = ::GetDlgItem(config, kLabGraphMode);
  WaitUntil([&] { return FindPopupMenu() == nullptr; });
  ::SendMessageA(config, WM_NULL, 0, 0);
  return ControlText(label);
}

void ModeHotkeySwitchesTheDisplayAndBack() {
  ASSERT_TRUE(ModeIs(1024, 768, 32));
  Hushdesk program("hdvideo");
  program.WriteSetting("Settings\\Video.cfg", "-1\r\n800\r\n600\r\n32\r\n60\r\n");
  ASSERT_TRUE(program.Start());
  PressModeHotkey();
  EXPECT_TRUE(WaitUntil([] { return ModeIs(800, 600, 32); })) << "HIDE mode's display, not " << CurrentModeText();
  PressModeHotkey();
  EXPECT_TRUE(WaitUntil([] { return ModeIs(1024, 768, 32); })) << "the display before HIDE mode";
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

// The record of a killed program switches the display back in the same
// boot; written in another boot, the mode it names means nothing now.
void ARecordOfAnotherBootLeavesTheDisplayAsItIs() {
  ASSERT_TRUE(ModeIs(1024, 768, 32));
  Hushdesk program("hdvideoboot");
  program.WriteSetting("Settings\\Video.cfg", "-1\r\n800\r\n600\r\n32\r\n60\r\n");
  const std::string record = program.Dir() + "Settings\\Recovery.dat";
  for (const bool otherBoot : {false, true}) {
    ASSERT_TRUE(program.Start());
    PressModeHotkey();
    ASSERT_TRUE(WaitUntil([&] { return ModeIs(800, 600, 32) && FileExists(record); }));
    program.process().Kill();
    if (otherBoot) {
      const std::string text = ReadTextFile(record);
      const std::size_t line = text.find("\r\nBoot=");
      ASSERT_NE(line, std::string::npos) << text;
      const std::size_t boot = line + 7;
      // A boot time far from this one (put together, not inserted: GCC 12 warns wrongly of overlap).
      WriteTextFile(record, text.substr(0, boot) + "1" + text.substr(boot));
    }
    // The killed program's hotkeys are free a moment after it has gone.
    ASSERT_TRUE(WaitUntil([] {
      if (!::RegisterHotKey(nullptr, 0xBFFD, MOD_CONTROL, 'Q')) return false;
      ::UnregisterHotKey(nullptr, 0xBFFD);
      return true;
    }));
    // Switching the display back answers sent messages before start-up is
    // over: the hotkey is asked for once the record is gone.
    ASSERT_TRUE(program.Start("", 0, 0));
    EXPECT_TRUE(WaitUntil([&] { return !FileExists(record); }));
    ASSERT_TRUE(program.Holds(MOD_CONTROL, 'Q'));
    if (otherBoot)
      EXPECT_TRUE(ModeIs(800, 600, 32)) << "left as it is, not " << CurrentModeText();
    else
      EXPECT_TRUE(ModeIs(1024, 768, 32)) << "switched back in the same boot, not " << CurrentModeText();
    EXPECT_EQ(program.TerminateByHotkey(), 0u);
  }
  // Back to the mode the other tests start from, as the program sets one.
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
  mode.dmBitsPerPel = 32;
  mode.dmPelsWidth = 1024;
  mode.dmPelsHeight = 768;
  mode.dmDisplayFrequency = 60;
  EXPECT_EQ(::ChangeDisplaySettingsA(&mode, 0), DISP_CHANGE_SUCCESSFUL);
  EXPECT_TRUE(ModeIs(1024, 768, 32));
}

void ModeMenuListsWinesModesAndTestSwitchesForFourSeconds() {
  Hushdesk program("hdmodemenu");
  program.WriteSetting("Settings\\Video.cfg", "-1\r\n1024\r\n768\r\n32\r\n60\r\n");
  ASSERT_TRUE(program.Start());
  HWND config = OpenConfiguration(program);
  ASSERT_NE(config, nullptr);
  // Wine reports 320x200 up to 1024x768 at 32, 16 and 8 bits: 800x600 comes
  // first of the wide ones, then 1024x768, each with three depths.
  EXPECT_EQ(ChooseFromModeMenu(config, {VK_UP, VK_RIGHT, VK_RIGHT}), "1024x768 32bits 60Hz");
  EXPECT_EQ(ChooseFromModeMenu(config, {VK_DOWN, VK_RIGHT, VK_UP, VK_RIGHT}, true), "800x600 8bits 60Hz");
  EXPECT_EQ(ChooseFromModeMenu(config, {VK_DOWN, VK_RIGHT, VK_DOWN, VK_RIGHT}), "800x600 16bits 60Hz");
  // Wine's virtual desktop keeps the X server's depth: it reads back 32 bits
  // whatever depth was set, so the test uses a 32-bit mode.
  EXPECT_EQ(ChooseFromModeMenu(config, {VK_DOWN, VK_RIGHT, VK_RIGHT}), "800x600 32bits 60Hz");

  ::PostMessageA(::GetDlgItem(config, kTest), BM_CLICK, 0, 0);
  const DWORD start = ::GetTickCount();
  EXPECT_TRUE(WaitUntil([] { return ModeIs(800, 600, 32); }, 3000)) << CurrentModeText();
  EXPECT_TRUE(WaitUntil([] { return ModeIs(1024, 768, 32); }, 10000)) << "the previous mode comes back";
  std::printf("graphic-mode test: %lu ms in the test mode\n", ::GetTickCount() - start);
  EXPECT_EQ(FindMessageBox(program.process().Id()), nullptr);
  ::SendMessageA(::GetDlgItem(config, kCancel), BM_CLICK, 0, 0);
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

// A quarter of a second of silence: 8 kHz, 8 bits, mono.
std::string SilentWave() {
  auto number = [](std::uint32_t value, int bytes) {
    std::string text;
    for (int i = 0; i < bytes; ++i) text += static_cast<char>((value >> (8 * i)) & 0xFF);
    return text;
  };
  const std::uint32_t samples = 2000;
  std::string wave = "RIFF";
  wave.append(number(36 + samples, 4)).append("WAVEfmt ").append(number(16, 4)).append(number(1, 2));
  wave.append(number(1, 2)).append(number(8000, 4)).append(number(8000, 4)).append(number(1, 2));
  wave.append(number(8, 2)).append("data").append(number(samples, 4)).append(samples, '\x80');
  return wave;
}

// Whatever the machine's audio: the sample's absence is told, and playing
// it returns to a program that answers.
void SoundTestTellsAMissingSampleAndPlaysAPresentOne() {
  Hushdesk program("hdsound");
  program.WriteSetting("Settings\\Sound.cfg", "-1\r\n0\r\n178.5\r\n");
  // The release folder brings a sample: the missing one is this test's to make.
  ::DeleteFileA((program.Dir() + "SoundDemo.wav").c_str());
  ASSERT_TRUE(program.Start());
  HWND config = OpenConfiguration(program);
  ASSERT_NE(config, nullptr);
  ::PostMessageA(::GetDlgItem(config, kSoundTest), BM_CLICK, 0, 0);
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(program.process().Id())) != nullptr; }));
  EXPECT_NE(DialogText(box).find("Sound test file not found."), std::string::npos) << DialogText(box);
  DismissDialog(box);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));

  program.WriteSetting("SoundDemo.wav", SilentWave());
  ::PostMessageA(::GetDlgItem(config, kSoundTest), BM_CLICK, 0, 0);
  DWORD_PTR result = 0;
  EXPECT_TRUE(::SendMessageTimeoutA(config, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result)) << "the sample has played";
  EXPECT_EQ(FindMessageBox(program.process().Id()), nullptr);
  ::SendMessageA(::GetDlgItem(config, kCancel), BM_CLICK, 0, 0);
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

}  // namespace

void RegisterDesktopTests() {
  struct Body : ::testing::Test {
    explicit Body(void (*run)()) : run_(run) {}
    void TestBody() override { run_(); }
    void (*run_)();
  };
  auto add = [](const char* name, void (*run)()) {
    ::testing::RegisterTest("InDesktop", name, nullptr, nullptr, __FILE__, __LINE__,
                            [run]() -> ::testing::Test* { return new Body(run); });
  };
  add("ModeHotkeySwitchesTheDisplayAndBack", ModeHotkeySwitchesTheDisplayAndBack);
  add("ModeMenuListsWinesModesAndTestSwitchesForFourSeconds", ModeMenuListsWinesModesAndTestSwitchesForFourSeconds);
  add("ARecordOfAnotherBootLeavesTheDisplayAsItIs", ARecordOfAnotherBootLeavesTheDisplayAsItIs);
  add("SoundTestTellsAMissingSampleAndPlaysAPresentOne", SoundTestTellsAMissingSampleAndPlaysAPresentOne);
}

TEST(Display, ModeHotkeySwitchesTheDisplayAndBack) {
  std::string failures;
  EXPECT_EQ(RunInVirtualDesktop("InDesktop.ModeHotkeySwitchesTheDisplayAndBack", failures), 0u) << failures;
}

TEST(Display, ARecordOfAnotherBootLeavesTheDisplayAsItIs) {
  std::string failures;
  EXPECT_EQ(RunInVirtualDesktop("InDesktop.ARecordOfAnotherBootLeavesTheDisplayAsItIs", failures), 0u) << failures;
}

TEST(Display, ModeMenuListsWinesModesAndTestSwitchesForFourSeconds) {
  std::string failures;
  EXPECT_EQ(RunInVirtualDesktop("InDesktop.ModeMenuListsWinesModesAndTestSwitchesForFourSeconds", failures), 0u)
      << failures;
}

}  // namespace e2e

namespace e2e {

TEST(Sound, TestTellsAMissingSampleAndPlaysAPresentOne) {
  std::string failures;
  EXPECT_EQ(RunInVirtualDesktop("InDesktop.SoundTestTellsAMissingSampleAndPlaysAPresentOne", failures), 0u) << failures;
}

}  // namespace e2e
