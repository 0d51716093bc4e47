// Notification icons: the shell answers add, modify and delete alike on both backends.
#include <gtest/gtest.h>
#include "Backend.h"

namespace hd::contract {

TEST(ShellContract, NotificationIconLivesFromAddToDelete) {
  auto backend = MakeBackend();
  Platform& p = backend->platform();
  NotifyIconData data;
  data.hWnd = backend->MakeWindow("tray icon owner", false);
  data.uID = 0;
  data.uFlags = win::NIF_MESSAGE | win::NIF_ICON | win::NIF_TIP;
  data.uCallbackMessage = p.windows.RegisterWindowMessage("WM_TOOLTRAYICON");
  data.hIcon = p.shell.ApplicationIcon();
  data.szTip = "Velmora Hushdesk 1.5";
  EXPECT_NE(data.uCallbackMessage, 0u);
  EXPECT_EQ(p.windows.RegisterWindowMessage("WM_TOOLTRAYICON"), data.uCallbackMessage) << "same name, same id";
  EXPECT_NE(p.windows.RegisterWindowMessage("WM_RESETTOOLTIP"), data.uCallbackMessage);

  EXPECT_TRUE(p.shell.NotifyIcon(win::NIM_ADD, data));
  data.uFlags = win::NIF_TIP;
  data.szTip = "changed";
  EXPECT_TRUE(p.shell.NotifyIcon(win::NIM_MODIFY, data));
  EXPECT_TRUE(p.shell.NotifyIcon(win::NIM_DELETE, data));
  EXPECT_FALSE(p.shell.NotifyIcon(win::NIM_DELETE, data)) << "already gone";
  EXPECT_FALSE(p.shell.NotifyIcon(win::NIM_MODIFY, data)) << "nothing to modify";
  backend->DestroyWindow(data.hWnd);
}

// The tray icon hears a restarted shell's "TaskbarCreated" only because its
// window is top-level: broadcasts skip message-only windows.
TEST(ShellContract, BroadcastReachesTheProgramsMessageWindow) {
  auto backend = MakeBackend();
  Platform& p = backend->platform();
  const unsigned message = p.windows.RegisterWindowMessage("HushdeskContractBroadcast");
  int heard = 0;
  const WindowHandle window = p.forms.CreateMessageWindow([&](unsigned m, WParam w, LParam l) -> std::optional<LResult> {
    if (m != message) return std::nullopt;
    heard += w == 7 && l == 9;
    return 0;
  });
  EXPECT_TRUE(p.windows.PostMessage(win::HWND_BROADCAST, message, 7, 9));
  for (int i = 0; i < 50 && heard == 0; ++i) {
    p.forms.ProcessMessages();
    if (heard == 0) p.system.Sleep(10);
  }
  EXPECT_EQ(heard, 1);
  p.forms.DestroyMessageWindow(window);
}

}  // namespace hd::contract
