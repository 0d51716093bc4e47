// The configuration window's lists filled the way a user fills them: a
// serious application chosen among the running ones, a words list put
// together in the editor, then HIDE mode acting on both.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <cstdio>
#include "Harness.h"

namespace e2e {

namespace {

// Control ids of the configuration window, the editor and the dialog.
constexpr int kPages = 1000, kOk = 1001, kCancel = 1002, kPageHide = 2, kPageSwitch = 3;
constexpr int kRuleAdd = 1031, kWords = 1035, kSerAdd = 1050, kSerDelete = 1052, kSerFromRunning = 1054,
              kSerFiles = 1055;
constexpr int kEdCaption = 2100, kEdAddWord = 2103, kEdWords = 2108, kEdOk = 2112;
constexpr int kCurList = 2000, kCurOk = 2001, kCurCancel = 2002, kCurCaption = 2004;

HWND ShownWindowOf(DWORD processId, const std::string& caption) {
  HWND window = nullptr;
  WaitUntil([&] {
    window = FindWindowOfProcess(processId, caption);
    return window && ::IsWindowVisible(window);
  });
  return window && ::IsWindowVisible(window) ? window : nullptr;
}

void ShowPage(HWND config, int page) {
  ::SendMessageA(::GetDlgItem(config, kPages), TCM_SETCURFOCUS, static_cast<WPARAM>(page), 0);
  ::Sleep(200);
}

void TypeText(const std::string& text) {
  for (char c : text) {
    const SHORT key = ::VkKeyScanA(c);
    if (HIBYTE(key) & 1)
      PressKeys({VK_SHIFT}, LOBYTE(key));
    else
      PressKeys({}, LOBYTE(key));
  }
}

// In the current windows dialog: moves the selection with the keyboard to
// the row of the caption; whether it got there.
bool SelectRowByKeyboard(HWND dialog, const std::string& caption) {
  ClickControl(::GetDlgItem(dialog, kCurList));
  PressKeys({}, VK_HOME);
  for (int row = 0; row < 30; ++row) {
    if (WaitUntil([&] { return WindowText(::GetDlgItem(dialog, kCurCaption)) == caption; }, 300)) return true;
    PressKeys({}, VK_DOWN);
  }
  return false;
}

DWORD GuiObjects(HANDLE process, DWORD kind) { return ::GetGuiResources(process, kind); }

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

bool ShowsDefaultFrame(HWND button) {
  return (::GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

}  // namespace

TEST(Configure, ListsFilledInTheWindowsDecideWhatHideModeDoes) {
  Hushdesk program("hdlists");
  const std::string seriousExe = CopySelfTo(program.Dir() + "Serious.exe");
  Process serious = StartHelperApp(seriousExe, "Quarterly figures");
  Process cards = StartHelperApp(SelfPath(), "Cards table");
  HWND config = StartWithConfiguration(program);
  ASSERT_NE(config, nullptr);
  const DWORD pid = program.process().Id();

  ShowPage(config, kPageSwitch);
  ClickControl(::GetDlgItem(config, kSerAdd));
  HWND open = ShownWindowOf(pid, "Select EXE file");
  ASSERT_NE(open, nullptr) << "the open dialog";
  Screenshot("open-dialog");
  PressKeys({}, VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(open); }));

  ClickControl(::GetDlgItem(config, kSerFromRunning));
  HWND current = ShownWindowOf(pid, "Current windows and processes");
  ASSERT_NE(current, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowEnabled(config); })) << "the dialog is modal";
  ASSERT_TRUE(SelectRowByKeyboard(current, "Quarterly figures"));
  Screenshot("current-windows");
  ::SendMessageA(::GetDlgItem(current, kCurOk), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(current); }));
  HWND serFiles = ::GetDlgItem(config, kSerFiles);
  ASSERT_TRUE(WaitUntil([&] { return ListBoxItems(serFiles).size() == 1; }));
  EXPECT_TRUE(::lstrcmpiA(ListBoxItems(serFiles)[0].c_str(), seriousExe.c_str()) == 0) << ListBoxItems(serFiles)[0];

  ShowPage(config, kPageHide);
  ::SendMessageA(::GetDlgItem(config, kRuleAdd), BM_CLICK, 0, 0);
  HWND editor = ShownWindowOf(pid, "Words lists management");
  ASSERT_NE(editor, nullptr);
  Screenshot("words-editor-empty");
  ::SendMessageA(::GetDlgItem(editor, kEdCaption), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Cards"));
  ClickControl(::GetDlgItem(editor, kEdAddWord));
  HWND box = ShownWindowOf(pid, "Add word");
  ASSERT_NE(box, nullptr) << "the input box";
  TypeText("cards");
  PressKeys({}, VK_RETURN);
  HWND words = ::GetDlgItem(editor, kEdWords);
  EXPECT_TRUE(WaitUntil([&] { return ::SendMessageA(words, LVM_GETITEMCOUNT, 0, 0) == 1; }));
  Screenshot("words-editor-filled");
  ::SendMessageA(::GetDlgItem(editor, kEdOk), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return ListBoxItems(::GetDlgItem(config, kWords)) == std::vector<std::string>{"Cards"}; }));

  ::SendMessageA(::GetDlgItem(config, kOk), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(config); }));
  EXPECT_TRUE(::lstrcmpiA(ReadTextFile(program.Dir() + "Settings\\SerAppList.lst").c_str(),
                          (seriousExe + "\r\n").c_str()) == 0);
  EXPECT_EQ(ReadTextFile(program.Dir() + "Settings\\Book\\File"), "1\r\n");
  EXPECT_EQ(ReadTextFile(program.Dir() + "Settings\\Book\\File.0"), "Cards\r\n-1\r\n0\r\ncards\r\n");

  HWND cardsWindow = FindWindowOfProcess(cards.Id(), "Cards table");
  HWND seriousWindow = FindWindowOfProcess(serious.Id(), "Quarterly figures");
  PressModeHotkey();
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(cardsWindow); })) << "hidden by the new words list";
  EXPECT_TRUE(::IsWindowVisible(seriousWindow));
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == seriousWindow; })) << "the serious application";
  PressModeHotkey();
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(cardsWindow) != FALSE; }));
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

TEST(Configure, RefreshingTheCurrentWindowsKeepsTheHandleCounts) {
  Hushdesk program("hdrefresh");
  Process helper = StartHelperApp(SelfPath(), "Some window");
  HWND config = StartWithConfiguration(program);
  ASSERT_NE(config, nullptr);
  ShowPage(config, kPageSwitch);
  ClickControl(::GetDlgItem(config, kSerFromRunning));
  HWND current = ShownWindowOf(program.process().Id(), "Current windows and processes");
  ASSERT_NE(current, nullptr);
  HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, program.process().Id());
  const DWORD gdiBefore = GuiObjects(process, GR_GDIOBJECTS), userBefore = GuiObjects(process, GR_USEROBJECTS);
  // Each showing fills the dialog anew.
  int refreshed = 0;
  for (int i = 0; i < 20; ++i) {
    PressKeys({}, VK_ESCAPE);
    if (!WaitUntil([&] { return !::IsWindowVisible(current); })) break;
    ClickControl(::GetDlgItem(config, kSerFromRunning));
    if (!WaitUntil([&] { return ::IsWindowVisible(current) != FALSE; })) break;
    ++refreshed;
  }
  const DWORD gdiAfter = GuiObjects(process, GR_GDIOBJECTS), userAfter = GuiObjects(process, GR_USEROBJECTS);
  std::printf("GDI objects %lu -> %lu, USER objects %lu -> %lu over %d refreshes\n", gdiBefore, gdiAfter,
              userBefore, userAfter, refreshed);
  EXPECT_EQ(refreshed, 20);
  EXPECT_LE(gdiAfter, gdiBefore + 4) << "icon copies of earlier refreshes are freed";
  EXPECT_LE(userAfter, userBefore + 4);
  ::CloseHandle(process);
  ::SendMessageA(::GetDlgItem(current, kCurCancel), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(current); }));
  ::SendMessageA(::GetDlgItem(config, kCancel), BM_CLICK, 0, 0);
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

TEST(Configure, AtAHigherDpiTheCurrentWindowsColumnsAreWiderByTheSameMeasure) {
  struct DpiFor144 {
    DpiFor144() { SetScreenDpi(144); }
    ~DpiFor144() { SetScreenDpi(0); }
  } dpi;
  Hushdesk program("hdcolumns");
  Process helper = StartHelperApp(SelfPath(), "Some window");
  HWND config = StartWithConfiguration(program);
  ASSERT_NE(config, nullptr);
  ShowPage(config, kPageSwitch);
  ClickControl(::GetDlgItem(config, kSerFromRunning));
  HWND current = ShownWindowOf(program.process().Id(), "Current windows and processes");
  ASSERT_NE(current, nullptr);
  HWND list = ::GetDlgItem(current, kCurList);
  EXPECT_EQ(::SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0), 375);  // 250 at 96 DPI
  EXPECT_EQ(::SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0), 225);  // 150
  ::SendMessageA(::GetDlgItem(current, kCurCancel), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(current); }));
  ::SendMessageA(::GetDlgItem(config, kCancel), BM_CLICK, 0, 0);
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

// Thirty entries in a box that shows about nine: the real mouse clicks the
// 25th, which stays under the pointer and is the one "Delete" asks about;
// deleting it leaves the other rows where they were.
TEST(Configure, AClickedRowOfALongListStaysWhereItWasClicked) {
  Hushdesk program("hdlonglist");
  std::string entries;
  for (int i = 1; i <= 30; ++i) {
    char entry[32];
    std::snprintf(entry, sizeof entry, "C:\\Apps\\App%d.exe\r\n", i);
    entries += entry;
  }
  program.WriteSetting("Settings\\SerAppList.lst", entries);
  HWND config = StartWithConfiguration(program);
  ASSERT_NE(config, nullptr);
  ShowPage(config, kPageSwitch);
  HWND list = ::GetDlgItem(config, kSerFiles);
  auto lb = [list](UINT message) { return static_cast<int>(::SendMessageA(list, message, 0, 0)); };
  ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(list) && lb(LB_GETCOUNT) == 30; }));
  constexpr int kTop = 20, kRow = 24;
  ::SendMessageA(list, LB_SETTOPINDEX, kTop, 0);  // as the scroll bar does
  const int rowHeight = lb(LB_GETITEMHEIGHT);
  RECT client{};
  ::GetClientRect(list, &client);
  ASSERT_GT(client.bottom / rowHeight, kRow - kTop) << "the row is in view";
  POINT at{client.right / 2, (kRow - kTop) * rowHeight + rowHeight / 2};
  ::ClientToScreen(list, &at);
  ClickAt(at.x, at.y, 1);
  EXPECT_TRUE(WaitUntil([&] { return lb(LB_GETCURSEL) == kRow; }));
  EXPECT_EQ(lb(LB_GETTOPINDEX), kTop) << "the list did not jump";

  ClickControl(::GetDlgItem(config, kSerDelete));
  HWND question = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (question = FindMessageBox(program.process().Id())) != nullptr; }));
  EXPECT_NE(DialogText(question).find("Delete file C:\\Apps\\App25.exe from the list?"), std::string::npos)
      << DialogText(question);
  ::PostMessageA(question, WM_COMMAND, IDYES, 0);
  ASSERT_TRUE(WaitUntil([&] { return lb(LB_GETCOUNT) == 29; }));
  EXPECT_EQ(ListBoxItems(list)[kRow], "C:\\Apps\\App26.exe");
  EXPECT_EQ(lb(LB_GETTOPINDEX), kTop) << "the rows stay in place";
  ::SendMessageA(::GetDlgItem(config, kCancel), BM_CLICK, 0, 0);
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

// Insert, Enter and Delete in a list are its buttons' commands; the focus
// comes back to the list after their dialogs, after another window was in
// front, and the default button keeps its frame meanwhile.
TEST(Configure, AListAnswersItsKeysAndKeepsTheFocus) {
  Hushdesk program("hdlistkeys");
  program.WriteSetting("Settings\\SerAppList.lst", "C:\\Apps\\A.exe\r\nC:\\Apps\\B.exe\r\n");
  Process other = StartHelperApp(SelfPath(), "Other program");
  HWND config = StartWithConfiguration(program);
  ASSERT_NE(config, nullptr);
  const DWORD pid = program.process().Id();
  EXPECT_TRUE(WaitUntil([&] {
    HWND opened = FocusOf(config);
    return ::IsChild(config, opened) && ::IsWindowVisible(opened);
  })) << "a control has the focus from the start";
  ShowPage(config, kPageSwitch);
  HWND list = ::GetDlgItem(config, kSerFiles);
  HWND ok = ::GetDlgItem(config, kOk);
  ClickControl(list);
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(config) == list; }));
  PressKeys({}, VK_HOME);
  ASSERT_TRUE(WaitUntil([&] { return ::SendMessageA(list, LB_GETCURSEL, 0, 0) == 0; }));
  EXPECT_TRUE(ShowsDefaultFrame(ok)) << "OK keeps its frame while the list has the focus";

  PressKeys({}, VK_INSERT);
  HWND open = ShownWindowOf(pid, "Select EXE file");
  ASSERT_NE(open, nullptr) << "Insert adds";
  PressKeys({}, VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(config) == list; })) << "back after the open dialog";
  PressKeys({}, VK_RETURN);
  EXPECT_NE(ShownWindowOf(pid, "Select EXE file"), nullptr) << "Enter edits, rather than pressing OK";
  PressKeys({}, VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(config) == list; }));

  PressKeys({}, VK_DELETE);
  HWND question = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (question = FindMessageBox(pid)) != nullptr; })) << "Delete asks";
  EXPECT_NE(DialogText(question).find("Delete file C:\\Apps\\"), std::string::npos) << DialogText(question);
  PressKeys({}, 'N');
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(config) == list; })) << "back after the question";
  EXPECT_EQ(ListBoxItems(list).size(), 2u) << "No keeps the entry";

  HWND otherWindow = FindWindowOfProcess(other.Id(), "Other program");
  ClickControl(otherWindow);
  ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == otherWindow; }));
  RECT frame{};
  ::GetWindowRect(config, &frame);
  ClickAt((frame.left + frame.right) / 2, frame.top + 8, 1);  // its title bar
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == config && FocusOf(config) == list; }))
      << "back after another window was in front";

  // Tab reaches the picture buttons; on one of them it has the frame, Space presses it.
  PressKeys({VK_SHIFT}, VK_TAB);
  ASSERT_TRUE(WaitUntil([&] { return ::GetDlgCtrlID(FocusOf(config)) == kSerFromRunning; }));
  EXPECT_EQ(WindowText(FocusOf(config)), "Add filename from running applications") << "its name for screen readers";
  PressKeys({}, VK_SPACE);
  HWND current = ShownWindowOf(pid, "Current windows and processes");
  ASSERT_NE(current, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(current) == ::GetDlgItem(current, kCurList); })) << "the list first";
  for (WORD key : {WORD{VK_F10}, WORD{VK_APPS}}) {
    PressKeys(key == VK_F10 ? std::initializer_list<WORD>{VK_SHIFT} : std::initializer_list<WORD>{}, key);
    EXPECT_TRUE(WaitUntil([] { return FindPopupMenu() != nullptr; }, 2000)) << "the menu on key " << key;
    PressKeys({}, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([] { return FindPopupMenu() == nullptr; }));
  }
  PressKeys({}, VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(current); }));
  EXPECT_TRUE(WaitUntil([&] { return ::GetDlgCtrlID(FocusOf(config)) == kSerFromRunning; })) << "back on the button";
  PressKeys({}, VK_TAB);
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(config) == list; }));
  EXPECT_TRUE(WaitUntil([&] { return ShowsDefaultFrame(ok); }, 1000)) << "OK has its frame again off the buttons";
  ::SendMessageA(::GetDlgItem(config, kCancel), BM_CLICK, 0, 0);
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

// A frame repaints its ground; the edit and the list inside it keep theirs.
TEST(Configure, FramesRepaintedLeaveTheControlsInsideThemDrawn) {
  Hushdesk program("hdframes");
  HWND config = StartWithConfiguration(program);
  ASSERT_NE(config, nullptr);
  ShowPage(config, kPageHide);
  ::SendMessageA(::GetDlgItem(config, kRuleAdd), BM_CLICK, 0, 0);
  HWND editor = ShownWindowOf(program.process().Id(), "Words lists management");
  ASSERT_NE(editor, nullptr);
  ::Sleep(500);
  int frames = 0;
  for (HWND child = ::GetWindow(editor, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    if ((::GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX) {
      ::RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      ++frames;
    }
  EXPECT_EQ(frames, 3);
  ::Sleep(500);
  HDC screen = ::GetDC(nullptr);
  for (int id : {kEdCaption, kEdWords}) {
    RECT r{};
    ::GetWindowRect(::GetDlgItem(editor, id), &r);
    // Inside the sunken edge, clear of the list's grid lines.
    EXPECT_EQ(::GetPixel(screen, r.left + 4, r.top + 4), ::GetSysColor(COLOR_WINDOW)) << "control " << id;
    EXPECT_NE(::GetPixel(screen, r.left, r.top), ::GetSysColor(COLOR_BTNFACE)) << "the edge of control " << id;
  }
  ::ReleaseDC(nullptr, screen);
  ::SendMessageA(editor, WM_CLOSE, 0, 0);
  ::SendMessageA(::GetDlgItem(config, kCancel), BM_CLICK, 0, 0);
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

}  // namespace e2e
