// Start-up: one instance, the windows, the start-up mode and the system list.
#include <gtest/gtest.h>
#include <algorithm>
#include "ProgramFixture.h"
#include "access/frmPassUnit.h"
#include "app/OneAppRun.h"
#include "hide/frmCurrentUnit.h"
#include "shell/TrayIcon.h"
#include "shell/frmAboutUnit.h"
#include "words/frmCheckCap.h"

namespace hd::test {

TEST(SingleInstance, SecondCopyEndsAtOnceWithoutAWindow) {
  SimDesktop desktop;
  Handle first = 0;
  ASSERT_TRUE(CheckSingleInstance(desktop.system, first));
  const std::size_t windowsBefore = desktop.state.windows.size();
  EXPECT_EQ(RunProgram(desktop.platform), 0);
  EXPECT_EQ(desktop.state.windows.size(), windowsBefore) << "the second copy created a window";
  EXPECT_TRUE(desktop.state.hotkeys.empty());
  EXPECT_EQ(desktop.state.mutexes.count("VHD_Running"), 1u) << "the first copy's mutex is untouched";
}

TEST(SingleInstance, MutexNameReplacesBackslashes) {
  EXPECT_EQ(MakeMutexName("VHD_Running"), "VHD_Running");
  EXPECT_EQ(MakeMutexName("a\\b\\c"), "a_b_c");
}

TEST(SingleInstance, MutexIsFreedWhenTheProgramEnds) {
  SimDesktop desktop;
  EXPECT_EQ(RunProgram(desktop.platform), 0);
  EXPECT_EQ(desktop.state.mutexes.count("VHD_Running"), 0u) << "the handle is closed when the process ends";
  Handle again = 0;
  EXPECT_TRUE(CheckSingleInstance(desktop.system, again)) << "a later start is the only instance";
}

TEST_F(ProgramTest, NothingIsOnScreenAfterStartUp) {
  Start();
  for (const auto& [handle, window] : desktop.state.windows) {
    if (window.processId == desktop.state.programProcess) {
      EXPECT_FALSE(window.visible) << window.className;
    }
  }
  EXPECT_EQ(desktop.windows.GetWindowText(desktop.forms.ApplicationWindow(), 256), "");
  EXPECT_TRUE(desktop.windows.GetWindowLong(desktop.forms.ApplicationWindow(), win::GWL_EXSTYLE) &
              win::WS_EX_TOOLWINDOW);
  EXPECT_EQ(frm().Left(), desktop.state.screenWidth) << "placed beyond the right edge";
  EXPECT_EQ(frm().Caption(), "Hushdesk - Configuration");
  EXPECT_EQ(frm().ExeDir, kExeDir);
  EXPECT_EQ(app->HelpFile, std::string(kExeDir) + "Help\\Help.chm");
  EXPECT_TRUE(desktop.state.dropTargets.count(frm().Handle()));
}

TEST_F(ProgramTest, DialogsAreCreatedHiddenAndOwnedByTheApplicationWindow) {
  Start();
  for (Form* form : {static_cast<Form*>(app->frmConfigure.get()), static_cast<Form*>(app->frmAbout.get()),
                     static_cast<Form*>(app->frmPassword.get()), static_cast<Form*>(app->frmCurrent.get()),
                     static_cast<Form*>(app->frmCapEdit.get())}) {
    EXPECT_FALSE(desktop.windows.IsWindowVisible(form->Handle())) << form->Name();
    EXPECT_EQ(desktop.windows.GetWindow(form->Handle(), win::GW_OWNER), desktop.forms.ApplicationWindow());
  }
}

// The configuration window takes the hotkeys and the tray's messages, so it
// is there from the start; a dialog's window is made when it is first shown.
TEST_F(ProgramTest, OnlyTheConfigurationWindowIsMadeAtStartADialogAtItsFirstShowing) {
  Start();
  auto windowsOfClass = [this](const std::string& className) {
    return std::count_if(desktop.state.windows.begin(), desktop.state.windows.end(),
                         [&](const auto& entry) { return entry.second.className == className; });
  };
  EXPECT_EQ(windowsOfClass("TfrmConfigure"), 1);
  for (const char* dialog : {"TfrmAbout", "TfrmPassword", "TfrmCurrent", "TfrmCapEdit"})
    EXPECT_EQ(windowsOfClass(dialog), 0) << dialog;
  for (int showing = 0; showing < 2; ++showing) {
    RightClickTray(kAbout);
    ASSERT_TRUE(desktop.windows.IsWindowVisible(app->frmAbout->Handle()));
    SimWindows::Dispatch(desktop.state, app->frmAbout->Handle(), win::WM_CLOSE, 0, 0);
  }
  EXPECT_EQ(windowsOfClass("TfrmAbout"), 1) << "shown twice, made once";
}

TEST_F(ProgramTest, HiddenParameterIsExactAndFirst) {
  struct Case {
    std::vector<std::string> params;
    bool invisible;
  };
  const Case cases[] = {{{"/hidden"}, true},          {{"/HIDDEN"}, false}, {{"-hidden"}, false},
                        {{"x", "/hidden"}, false},    {{}, false},          {{"/hidden", "x"}, true},
                        {{"/hidden "}, false}};
  for (const Case& c : cases) {
    SimDesktop d;
    d.state.commandLine = c.params;
    Application a(d.platform);
    EXPECT_EQ(a.frmConfigure->FInvisible, c.invisible) << (c.params.empty() ? "(none)" : c.params.front());
  }
}

TEST_F(ProgramTest, TheBackgroundStartSettingAloneDoesNotMakeAPlainStartInvisible) {
  WriteSetting("Settings\\Main.cfg", "[Common]\r\nrbNormal=0\r\nrbBackground=1\r\n");
  Start();
  ASSERT_TRUE(frm().rbBackground.Checked());
  EXPECT_FALSE(frm().FInvisible) << "only \"/hidden\" on the command line does";
  EXPECT_TRUE(frm().TrayIcon->Active());
}

TEST_F(ProgramTest, SystemProcessListComesFromItsFileIgnoringCase) {
  WriteSetting("Settings\\SysProcs.lst", "EXPLORER.EXE\r\nsystray.exe\r\n\r\nlast.exe");
  Start();
  EXPECT_EQ(frm().SystemProcessList, (std::vector<std::string>{"EXPLORER.EXE", "systray.exe", "", "last.exe"}));
}

TEST_F(ProgramTest, WithoutSettingsTheDefaultsHold) {
  Start();
  EXPECT_TRUE(frm().SystemProcessList.empty());
  EXPECT_EQ(frm().hkMode.Value(), 16576);
  EXPECT_EQ(frm().hkVisible.Value(), 16392);
  EXPECT_EQ(frm().hkClose.Value(), 16465);
  EXPECT_TRUE(ModeHotkeyWorks()) << "registered before the message loop runs";
}

}  // namespace hd::test
