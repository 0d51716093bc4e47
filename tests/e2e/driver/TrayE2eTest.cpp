// The notification icon, the visible modes, the tray menu and hiding the
// notification area, on the real desktop.
#include <windows.h>
#include <algorithm>
#include <vector>
#include <commctrl.h>
#include <cstdio>
#include <gtest/gtest.h>
#include "Harness.h"

namespace e2e {

namespace {

// Points at the icon and reads the tooltip the shell shows for it.
std::string HoverTooltip(HWND icon) {
  RECT rect{};
  ::GetWindowRect(icon, &rect);
  RunUnixTool("/usr/bin/xdotool mousemove " + std::to_string((rect.left + rect.right) / 2) + " " +
              std::to_string((rect.top + rect.bottom) / 2));
  std::string text;
  WaitUntil([&] {
    for (HWND tip = ::FindWindowA("tooltips_class32", nullptr); tip;
         tip = ::FindWindowExA(nullptr, tip, "tooltips_class32", nullptr)) {
      char buffer[256] = {};
      DWORD_PTR length = 0;
      // WM_GETTEXT itself: GetWindowText does not ask another process's tooltip.
      if (::IsWindowVisible(tip) &&
          ::SendMessageTimeoutA(tip, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                                2000, &length) &&
          buffer[0]) {
        text = buffer;
        return true;
      }
    }
    return false;
  });
  RunUnixTool("/usr/bin/xdotool mousemove 600 500");
  return text;
}

// Control ids of the configuration window.
constexpr int kPages = 1000, kOk = 1001, kCancel = 1002, kHelp = 1003, kSwitchPage = 3, kHotKeysPage = 5,
              kModeEdit = 1070, kModeMark = 1073, kSeriousList = 1055, kRbFirst = 1056;
// The "Change access password" dialog's old password edit and Cancel.
constexpr int kOldPassEdit = 102, kPasswordCancel = 106;

// Every page's tab in one row: a tab control shows its scroll arrows (an
// up-down control of its own) only when the tabs do not fit.
void ExpectEveryTabShown(HWND config) {
  HWND tabs = ::GetDlgItem(config, kPages);
  EXPECT_EQ(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 7);
  HWND arrows = ::FindWindowExA(tabs, nullptr, UPDOWN_CLASSA, nullptr);
  EXPECT_FALSE(arrows && ::IsWindowVisible(arrows)) << "some tabs are behind the scroll arrows";
}

HWND ApplicationWindow(DWORD processId) {
  for (HWND w : WindowsOfProcess(processId)) {
    char className[64] = {};
    ::GetClassNameA(w, className, sizeof className);
    if (std::string(className) == "THushdeskApplication") return w;
  }
  return nullptr;
}

}  // namespace

TEST(Tray, IconFollowsTheStartModeAndTheVisibleHotkey) {
  const int before = TrayIconCount();
  Hushdesk program("hdtray");
  ASSERT_TRUE(program.Start());
  EXPECT_TRUE(WaitUntil([&] { return TrayIconCount() == before + 1; })) << "a plain start shows the icon";
  EXPECT_EQ(HoverTooltip(OurTrayIcon(before)), "Velmora Hushdesk 1.5");
  PressVisibleHotkey();
  EXPECT_TRUE(WaitUntil([&] { return TrayIconCount() == before; })) << "invisible mode";
  PressVisibleHotkey();
  EXPECT_TRUE(WaitUntil([&] { return TrayIconCount() == before + 1; }));
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
  EXPECT_TRUE(WaitUntil([&] { return TrayIconCount() == before; })) << "the icon leaves with the program";

  Hushdesk hidden("hdtrayhidden");
  // Start-up is over once the program answers a sent message; the shell has
  // then been told of any icon, and has shown it once it answers as well.
  ASSERT_TRUE(hidden.Start("/hidden"));
  DWORD_PTR ignored = 0;
  ASSERT_TRUE(::SendMessageTimeoutA(::FindWindowA("Shell_TrayWnd", nullptr), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored));
  EXPECT_EQ(TrayIconCount(), before) << "\"/hidden\" starts invisible";
  PressVisibleHotkey();
  EXPECT_TRUE(WaitUntil([&] { return TrayIconCount() == before + 1; })) << "and can show its icon";
  EXPECT_EQ(hidden.TerminateByHotkey(), 0u);
}

TEST(Tray, AtAHigherDpiTheConfigurationWindowIsLaidOutLarger) {
  // At 144 DPI every length of the 96-DPI layout is half as long again.
  struct DpiFor144 {
    DpiFor144() { SetScreenDpi(144); }
    ~DpiFor144() { SetScreenDpi(0); }
  } dpi;
  Hushdesk program("hddpi");
  HWND config = StartWithConfiguration(program);
  ASSERT_NE(config, nullptr);
  RECT client{};
  ::GetClientRect(config, &client);
  EXPECT_EQ(client.right, 729);   // 486
  EXPECT_EQ(client.bottom, 617);  // 411
  RECT ok{};
  ::GetWindowRect(::GetDlgItem(config, kOk), &ok);
  ::MapWindowPoints(nullptr, config, reinterpret_cast<POINT*>(&ok), 2);
  EXPECT_EQ(ok.left, 368);  // 245
  EXPECT_EQ(ok.top, 567);   // 378
  EXPECT_EQ(ok.right - ok.left, 113);  // 75
  EXPECT_EQ(ok.bottom - ok.top, 38);   // 25
  EXPECT_EQ(::SendMessageA(::GetDlgItem(config, kSeriousList), LB_GETITEMHEIGHT, 0, 0), 27) << "rows of 18 at 96 DPI";
  ExpectEveryTabShown(config);
  ::SendMessageA(::GetDlgItem(config, kCancel), BM_CLICK, 0, 0);
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

TEST(Tray, MenuOffersItsItemsAndExitEndsTheProgram) {
  Hushdesk program("hdmenu");
  HWND menu = StartWithTrayMenu(program);
  ASSERT_NE(menu, nullptr);
  Screenshot("tray-menu");
  ChooseLastMenuItem(menu);  // "Exit"
  EXPECT_EQ(program.process().WaitForExit(10000), 0u);
}

TEST(Tray, ConfigureShowsATaskbarButtonAndSuspendsTheHotkeys) {
  Hushdesk program("hdconfigure");
  // Rows to see in the screenshots of the "Hide" and "Switch to" pages.
  program.WriteSetting("Settings\\SerAppList.lst", "C:\\Apps\\Sheet.exe\r\nC:\\Apps\\Words.exe\r\n");
  program.WriteSetting("Settings\\Book\\File", "2\r\n");
  program.WriteSetting("Settings\\Book\\File.0", "Card games\r\n-1\r\n0\r\nsolitaire\r\nfreecell\r\n");
  program.WriteSetting("Settings\\Book\\File.1", "Video\r\n-1\r\n0\r\nplayer\r\n");
  HWND config = StartWithConfiguration(program);
  ASSERT_NE(config, nullptr);
  HWND app = ApplicationWindow(program.process().Id());
  ExpectEveryTabShown(config);
  EXPECT_TRUE(::IsWindowVisible(app));
  EXPECT_EQ(WindowText(app), "Velmora Hushdesk");
  EXPECT_TRUE(::GetWindowLongA(app, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_FALSE(program.Holds(MOD_CONTROL, VK_OEM_3)) << "the mode hotkey is suspended";
  for (int page = 0; page < 7; ++page) {
    ::SendMessageA(::GetDlgItem(config, kPages), TCM_SETCURFOCUS, static_cast<WPARAM>(page), 0);
    Screenshot("configuration-page" + std::to_string(page));
  }

  ::SendMessageA(::GetDlgItem(config, kCancel), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(config) && !::IsWindowVisible(app); }));
  EXPECT_TRUE(program.Holds(MOD_CONTROL, VK_OEM_3)) << "registered again after Cancel";
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

// "Close window" on the taskbar button, or another program's WM_CLOSE to any
// window of the program, closes nothing: the configuration window stays as
// it refuses its own close box, and the tray and the hotkeys keep working.
TEST(Tray, WmCloseFromOutsideToEveryWindowLeavesTheProgramWhole) {
  Hushdesk program("hdcloseall");
  const int iconsBefore = TrayIconCount();
  HWND config = StartWithConfiguration(program);
  ASSERT_NE(config, nullptr);
  std::vector<HWND> windows;
  for (HWND w : WindowsOfProcess(program.process().Id())) {
    char className[64] = {};
    ::GetClassNameA(w, className, sizeof className);
    if (std::string(className) != "IME") windows.push_back(w);  // Wine's, not the program's
  }
  ASSERT_GE(windows.size(), 3u) << "the configuration, application and message windows";
  for (HWND w : windows) {
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(w, WM_CLOSE, 0, 0, SMTO_NORMAL, 5000, &ignored);
  }
  for (HWND w : windows) EXPECT_TRUE(::IsWindow(w)) << WindowText(w) << " was destroyed";
  EXPECT_TRUE(::IsWindowVisible(config));
  ::SendMessageA(::GetDlgItem(config, kOk), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return program.Holds(MOD_CONTROL, VK_OEM_3); })) << "OK registers the hotkeys again";
  HWND icon = OurTrayIcon(iconsBefore);
  ASSERT_NE(icon, nullptr);
  ASSERT_EQ(OpenConfigurationFrom(program, icon), config) << "the tray menu still opens the window";
  ::SendMessageA(::GetDlgItem(config, kCancel), BM_CLICK, 0, 0);
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

// A program that lives in the tray makes the configuration window's controls
// only when the window is first shown; they show what was loaded at start.
TEST(Tray, TheConfigurationWindowGetsItsControlsAtItsFirstShowingWithTheLoadedSettings) {
  Hushdesk program("hdfirstshow");
  program.WriteSetting("Settings\\SerAppList.lst", "C:\\work\\figures.exe\r\n");
  HWND icon = StartWithTrayIcon(program);
  ASSERT_NE(icon, nullptr);
  HWND config = program.ConfigWindow();
  EXPECT_EQ(::FindWindowExA(config, nullptr, nullptr, nullptr), nullptr) << "controls before the first showing";
  ASSERT_EQ(OpenConfigurationFrom(program, icon), config);
  EXPECT_EQ(ListBoxItems(::GetDlgItem(config, kSeriousList)), std::vector<std::string>{"C:\\work\\figures.exe"});
  EXPECT_EQ(::SendMessageA(::GetDlgItem(config, kModeEdit), HKM_GETHOTKEY, 0, 0), MAKEWORD(VK_OEM_3, HOTKEYF_CONTROL))
      << "the default mode hotkey, Ctrl+`";
  ::SendMessageA(::GetDlgItem(config, kCancel), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(config); }));
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

TEST(Tray, HotkeyTypedInTheConfigurationWindowWorksAfterOk) {
  Hushdesk program("hdtyped");
  HWND config = StartWithConfiguration(program);
  ASSERT_NE(config, nullptr);
  ::SendMessageA(::GetDlgItem(config, kPages), TCM_SETCURFOCUS, kHotKeysPage, 0);
  HWND edit = ::GetDlgItem(config, kModeEdit);
  ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(edit) != FALSE; }));
  RECT rect{};
  ::GetWindowRect(edit, &rect);
  ClickAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, 1);
  ::Sleep(500);
  PressKeys({VK_CONTROL, VK_SHIFT}, 'H');  // typed into the hotkey edit
  const LRESULT typed = MAKEWORD('H', HOTKEYF_CONTROL | HOTKEYF_SHIFT);
  EXPECT_TRUE(WaitUntil([&] { return ::SendMessageA(edit, HKM_GETHOTKEY, 0, 0) == typed; }));

  ::SendMessageA(::GetDlgItem(config, kOk), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(config); }));
  EXPECT_TRUE(program.Holds(MOD_CONTROL | MOD_SHIFT, 'H')) << "the typed hotkey works";
  EXPECT_FALSE(program.Holds(MOD_CONTROL, VK_OEM_3)) << "the old one no longer does";
  EXPECT_EQ(ReadTextFile(program.Dir() + "Settings\\HotKeys.cfg"), "24648\r\n16392\r\n16465\r\n");
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

TEST(Tray, OkSavesTheHotkeyTheEditHoldsHoweverItGotThere) {
  Hushdesk program("hdheldkey");
  HWND config = StartWithConfiguration(program);
  ASSERT_NE(config, nullptr);
  // Set in the control itself, with no notification to the program.
  const WPARAM ctrlAltK = MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT);
  ::SendMessageA(::GetDlgItem(config, kModeEdit), HKM_SETHOTKEY, ctrlAltK, 0);
  ::SendMessageA(::GetDlgItem(config, kOk), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(config); }));
  EXPECT_EQ(ReadTextFile(program.Dir() + "Settings\\HotKeys.cfg"),
            std::to_string(0x4000 | 0x8000 | 'K') + "\r\n16392\r\n16465\r\n");
  EXPECT_TRUE(program.Holds(MOD_CONTROL | MOD_ALT, 'K'));
}

// Whether the window is above the other in the Z order.
bool Above(HWND window, HWND other) {
  for (HWND below = ::GetWindow(window, GW_HWNDNEXT); below; below = ::GetWindow(below, GW_HWNDNEXT))
    if (below == other) return true;
  return false;
}

// The control that has the keyboard focus in the thread of the window.
HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

TEST(Tray, TheConfigurationWindowAnswersTheKeyboardAsAnyDialog) {
  Hushdesk program("hdkeyboard");
  program.WriteSetting("Settings\\SerAppList.lst", "C:\\Apps\\Sheet.exe\r\n");
  HWND config = StartWithConfiguration(program);
  ASSERT_NE(config, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == config; }));
  HWND pages = ::GetDlgItem(config, kPages);
  const auto page = [pages] { return ::SendMessageA(pages, TCM_GETCURSEL, 0, 0); };
  ASSERT_EQ(page(), 0);
  // Ctrl+Tab and Ctrl+Page Down turn the pages forward, with Shift or Page Up back, round the ends
  // (the seventh page, "Triggers", is the last).
  const struct {
    std::initializer_list<WORD> modifiers;
    WORD key;
    LRESULT page;
  } turns[] = {{{VK_CONTROL}, VK_TAB, 1},           {{VK_CONTROL, VK_SHIFT}, VK_TAB, 0}, {{VK_CONTROL}, VK_PRIOR, 6},
               {{VK_CONTROL}, VK_NEXT, 0},          {{VK_CONTROL}, VK_NEXT, 1},          {{VK_CONTROL}, VK_TAB, 2},
               {{VK_CONTROL}, VK_TAB, kSwitchPage}};
  for (const auto& turn : turns) {
    PressKeys(turn.modifiers, turn.key);
    EXPECT_TRUE(WaitUntil([&] { return page() == turn.page; }, 2000)) << "wanted page " << turn.page;
  }
  // Tab goes round the controls of the page shown, in the order they are laid out, then the window's buttons.
  std::vector<int> visited;
  for (int i = 0; i < 24; ++i) {
    PressKeys({}, VK_TAB);
    ::Sleep(150);
    HWND focus = FocusOf(config);
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(::IsWindowVisible(focus)) << "the focus left on a hidden page: " << ::GetDlgCtrlID(focus);
    visited.push_back(::GetDlgCtrlID(focus));
  }
  std::string order;
  for (int id : visited) order += std::to_string(id) + " ";
  const auto first = std::find(visited.begin(), visited.end(), kPages);
  ASSERT_NE(first, visited.end()) << order;
  const auto next = std::find(first + 1, visited.end(), kPages);
  ASSERT_NE(next, visited.end()) << "Tab comes back to the tabs: " << order;
  const std::vector<int> cycle(first, next);
  // The picture buttons above the list come first, as they stand.
  const std::vector<int> expected = {kPages, 1050, 1051, 1052, 1053, 1054, kSeriousList, kRbFirst, kOk, kCancel, kHelp};
  EXPECT_EQ(cycle, expected) << order;

  // Alt and the underlined letter choose "Switch to any other working application".
  ASSERT_EQ(::SendMessageA(::GetDlgItem(config, kRbFirst), BM_GETCHECK, 0, 0), BST_CHECKED);
  PressKeys({VK_MENU}, 'S');
  EXPECT_TRUE(WaitUntil([&] { return ::SendMessageA(::GetDlgItem(config, kRbFirst + 1), BM_GETCHECK, 0, 0) == BST_CHECKED; }));
  EXPECT_EQ(::SendMessageA(::GetDlgItem(config, kRbFirst), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  // Escape is Cancel.
  PressKeys({}, VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(config); }));
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

TEST(Tray, AModeHotkeyHeldElsewhereIsMarkedOnTheHotKeysPage) {
  Hushdesk program("hdmark");
  Process grabber = StartHelperApp(CopySelfTo(program.Dir() + "apps\\Grabber.exe"), "Grabber", "--hold-mode-keys");
  HWND config = StartWithConfiguration(program);
  ASSERT_NE(config, nullptr);
  ::SendMessageA(::GetDlgItem(config, kPages), TCM_SETCURFOCUS, kHotKeysPage, 0);
  HWND mark = ::GetDlgItem(config, kModeMark);
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(mark) != FALSE; }));
  EXPECT_EQ(WindowText(mark), "Used by another program: choose another.");
  EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(config, kModeMark + 2))) << "the terminate hotkey registered";
  Screenshot("hotkey-conflict-mark");
  ::SendMessageA(::GetDlgItem(config, kCancel), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(config); }));
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

namespace {

// The test plays the shell: its own taskbar with five icon buttons, the
// third already hidden, while the program starts.
class NotifyArea : public ::testing::Test {
protected:
  Process taskbar{SelfPath(), "--taskbar --buttons 5 --prehidden 2"};
  HWND toolbar = nullptr;
  HWND notify = nullptr;

  void SetUp() override {
    HWND shell = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
      shell = ::FindWindowA("Shell_TrayWnd", "");
      DWORD owner = 0;
      ::GetWindowThreadProcessId(shell, &owner);
      return owner == taskbar.Id() && ::FindWindowExA(shell, nullptr, "TrayNotifyWnd", nullptr);
    })) << "the program must find this taskbar first";
    ::Sleep(200);  // its buttons are added
    notify = ::FindWindowExA(shell, nullptr, "TrayNotifyWnd", nullptr);
    toolbar = ::FindWindowExA(::FindWindowExA(notify, nullptr, "SysPager", nullptr), nullptr, "ToolbarWindow32",
                              nullptr);
    ASSERT_NE(toolbar, nullptr);
  }
  void TearDown() override { SetReportedWindowsVersion(""); }
  std::vector<bool> HiddenButtons() {
    std::vector<bool> hidden;
    for (int i = 0; i < 5; ++i)
      hidden.push_back(::SendMessageA(toolbar, TB_ISBUTTONHIDDEN, static_cast<WPARAM>(FakeTrayCommand(i)), 0) != 0);
    return hidden;
  }
};

}  // namespace

TEST_F(NotifyArea, OnWindowsXpHideModeHidesTheVisibleButtonsOnly) {
  SetReportedWindowsVersion("winxp");
  Hushdesk program("hdtrayxp");
  program.WriteSetting("Settings\\Main.cfg", "[Hide_mode]\r\ncbHideTray=1\r\n");
  ASSERT_TRUE(program.Start());
  PressModeHotkey();
  EXPECT_TRUE(WaitUntil([&] { return HiddenButtons() == std::vector<bool>(5, true); }));
  PressModeHotkey();
  EXPECT_TRUE(WaitUntil([&] { return HiddenButtons() == std::vector<bool>{false, false, true, false, false}; }))
      << "the button hidden before stays hidden";
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

TEST_F(NotifyArea, OnLaterVersionsTheWholeAreaIsHiddenAndShown) {
  Hushdesk program("hdtraywin");
  program.WriteSetting("Settings\\Main.cfg", "[Hide_mode]\r\ncbHideTray=1\r\n");
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(::IsWindowVisible(notify));
  PressModeHotkey();
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(notify); }));
  EXPECT_EQ(HiddenButtons(), (std::vector<bool>{false, false, true, false, false})) << "buttons untouched";
  PressModeHotkey();
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(notify) != FALSE; }));
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

TEST_F(NotifyArea, TerminatingInHideModeLeavesTheAreaAndTheIconsShown) {
  for (const char* version : {"win2k", "winxp"}) {
    SetReportedWindowsVersion(version);
    Hushdesk program(std::string("hdtrayexit") + version);
    program.WriteSetting("Settings\\Main.cfg", "[Hide_mode]\r\ncbHideTray=1\r\n");
    ASSERT_TRUE(program.Start());
    PressModeHotkey();
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(notify) || HiddenButtons() == std::vector<bool>(5, true); }))
        << version;
    EXPECT_EQ(program.TerminateByHotkey(), 0u);
    EXPECT_TRUE(::IsWindowVisible(notify)) << version << ": the area is back after the program has gone";
    EXPECT_EQ(HiddenButtons(), (std::vector<bool>{false, false, true, false, false})) << version;
  }
}

namespace {

// Tray menu items by the Down presses that reach them.
constexpr int kMenuAbout = 2, kMenuHelp = 3;

// Main.cfg's form of a password: its scrambled bytes in hex.
std::string StoredPassword(const std::string& password) {
  const char* key = "kq7Rw2Lp9Xz4Vb8Nt1Hs6Jd3Fy";
  std::string value = "hex-pwd:";
  for (std::size_t k = 0; k < password.size(); ++k) {
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned char>(password[k] ^ key[k % 26]));
    value += hex;
  }
  return value;
}

HWND WaitForWindow(DWORD processId, const std::string& caption) {
  HWND window = nullptr;
  WaitUntil([&] { return (window = FindWindowOfProcess(processId, caption)) && ::IsWindowVisible(window); });
  return window;
}

// Types into the access prompt and presses OK.
void AnswerPrompt(HWND prompt, const std::string& typed) {
  HWND edit = ::GetDlgItem(prompt, 100);
  for (char c : typed) ::SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
  ::SendMessageA(::GetDlgItem(prompt, IDOK), BM_CLICK, 0, 0);
}

}  // namespace

TEST(Protection, PromptRefusesAWrongPasswordAndOpensForTheRightOne) {
  Hushdesk program("hdprompt");
  program.WriteSetting("Settings\\Main.cfg", "[Common]\r\nrbEnable=1\r\nPwd=" + StoredPassword("s3cret") + "\r\n");
  const int before = TrayIconCount();
  HWND menu = StartWithTrayMenu(program);
  ASSERT_NE(menu, nullptr);
  const DWORD id = program.process().Id();
  ChooseFirstMenuItem(menu);  // "Configure..."
  HWND prompt = WaitForWindow(id, "Velmora Hushdesk access password");
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(::SendMessageA(::GetDlgItem(prompt, 100), EM_GETPASSWORDCHAR, 0, 0), '*');
  AnswerPrompt(prompt, "S3cret");
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(id)) != nullptr; }));
  EXPECT_NE(DialogText(box).find("Wrong password"), std::string::npos);
  DismissDialog(box);
  ASSERT_TRUE(WaitUntil([&] { return FindMessageBox(id) == nullptr; }));
  HWND config = program.ConfigWindow();
  EXPECT_FALSE(::IsWindowVisible(config)) << "a wrong password opens nothing";
  EXPECT_TRUE(program.Holds(MOD_CONTROL, VK_OEM_3));

  ChooseFirstMenuItem(OpenTrayMenu(before));
  prompt = WaitForWindow(id, "Velmora Hushdesk access password");
  ASSERT_NE(prompt, nullptr);
  for (char c : std::string("s3cr")) ::SendMessageA(::GetDlgItem(prompt, 100), WM_CHAR, static_cast<unsigned char>(c), 0);
  Screenshot("access-prompt");
  AnswerPrompt(prompt, "et");
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(config) != FALSE; })) << "the right password opens it";

  // A person clicks once the window has come up, not while its activation is still on the way.
  ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == config; }));
  ::Sleep(1000);
  ::SendMessageA(::GetDlgItem(config, 1015), BM_CLICK, 0, 0);  // "Set Password..."
  HWND dialog = WaitForWindow(id, "Change access password");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(dialog) != FALSE; }));
  EXPECT_TRUE(Above(dialog, config)) << "the dialog shows over the configuration window";
  EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog, kOldPassEdit))) << "the old password is asked";
  for (char c : std::string("s3cret")) ::SendMessageA(::GetDlgItem(dialog, kOldPassEdit), WM_CHAR, static_cast<unsigned char>(c), 0);
  ::Sleep(1000);
  EXPECT_TRUE(Above(dialog, config)) << "and stays over it";
  Screenshot("password-dialog");
  ::SendMessageA(::GetDlgItem(dialog, kPasswordCancel), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(dialog); }));
  ::SendMessageA(::GetDlgItem(config, kCancel), BM_CLICK, 0, 0);
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

TEST(Help, TrayHelpOpensTheHelpWindowAndTheProgramsEndClosesIt) {
  Hushdesk program("hdhelp");
  ASSERT_TRUE(FileExists(program.Dir() + "Help\\Help.chm")) << "the build puts Help.chm beside the exe";
  HWND menu = StartWithTrayMenu(program);
  ASSERT_NE(menu, nullptr);
  ChooseMenuItem(menu, kMenuHelp);
  HWND help = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (help = HelpWindowOf(program.process().Id())) != nullptr; }, 10000));
  EXPECT_EQ(WindowText(help), "Velmora Hushdesk Help");
  Screenshot("help-window");
  EXPECT_EQ(program.TerminateByHotkey(), 0u) << "ends cleanly with a help window open";
}

TEST(About, ShowsNameAndVersionAndEscapeGivesTheHotkeysBack) {
  Hushdesk program("hdabout");
  HWND menu = StartWithTrayMenu(program);
  ASSERT_NE(menu, nullptr);
  ChooseMenuItem(menu, kMenuAbout);
  HWND about = WaitForWindow(program.process().Id(), "About");
  ASSERT_NE(about, nullptr);
  const std::string text = DialogText(about);
  EXPECT_NE(text.find("Velmora Hushdesk"), std::string::npos) << text;
  EXPECT_NE(text.find("1.5"), std::string::npos) << text;
  EXPECT_FALSE(program.Holds(MOD_CONTROL, VK_OEM_3)) << "suspended while the box is open";
  Screenshot("about-box");
  ::PostMessageA(::GetDlgItem(about, 107), WM_KEYDOWN, VK_ESCAPE, 0);  // on its Close button
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(about); }));
  EXPECT_TRUE(program.Holds(MOD_CONTROL, VK_OEM_3)) << "the hotkeys work again";
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

}  // namespace e2e
