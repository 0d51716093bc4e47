// The graphic-mode menu, the choice, the switch in HIDE mode and the Test button.
#include <gtest/gtest.h>
#include "ProgramFixture.h"

namespace hd::test {

namespace {
DevMode Mode(std::uint32_t width, std::uint32_t height, std::uint32_t bits, std::uint32_t hz) {
  return DevMode{156, 0, bits, width, height, hz};
}
std::vector<std::string> Captions(const std::vector<MenuItem>& items) {
  std::vector<std::string> captions;
  for (const MenuItem& item : items) captions.push_back(item.caption);
  return captions;
}
// The index a backend returns for the item at the end of the caption path.
int IndexOf(const std::vector<MenuItem>& items, std::vector<std::string> path, int first = 0) {
  int index = first;
  for (const MenuItem& item : items) {
    if (item.caption == path.front()) {
      if (path.size() == 1) return index;
      return IndexOf(item.Items, {path.begin() + 1, path.end()}, index + 1);
    }
    std::vector<const MenuItem*> pending{&item};
    while (!pending.empty()) {  // skip the item and everything under it
      const MenuItem* next = pending.back();
      pending.pop_back();
      ++index;
      for (const MenuItem& child : next->Items) pending.push_back(&child);
    }
  }
  return -1;
}
bool Same(const DevMode& a, const DevMode& b) {
  return a.pelsWidth == b.pelsWidth && a.pelsHeight == b.pelsHeight && a.bitsPerPel == b.bitsPerPel &&
         a.displayFrequency == b.displayFrequency;
}
}  // namespace

class GraphicModeTest : public ProgramTest {
protected:
  const DevMode k1024 = Mode(1024, 768, 32, 60), k800 = Mode(800, 600, 32, 60);
  void SetUp() override {
    desktop.state.displayModes = {Mode(640, 480, 32, 60), k800, Mode(800, 600, 16, 60), k1024};
    desktop.state.currentMode = k1024;
  }
  const DevMode& current() { return desktop.state.currentMode; }
  void Choose(std::vector<std::string> path) {
    desktop.state.popupChoices.push_back(IndexOf(frm().mGraphList.Items(), std::move(path)));
    frm().butGraphSelect.Click();
  }
  void StartWithVideo() {
    Start();
    frm().cbVideo.Click();
  }
};

TEST_F(GraphicModeTest, MenuOffersWideFastModesInTheOrderFirstReported) {
  desktop.state.displayModes.clear();
  for (std::uint32_t width : {1024u, 640u, 800u})
    for (std::uint32_t bits : {32u, 16u})
      for (std::uint32_t hz : {0u, 1u, 45u, 60u, 75u, 85u})
        desktop.state.displayModes.push_back(Mode(width, width * 3 / 4, bits, hz));
  desktop.state.displayModes.push_back(Mode(800, 600, 16, 75));  // reported twice
  Start();
  const auto& resolutions = frm().mGraphList.Items();
  ASSERT_EQ(Captions(resolutions), (std::vector<std::string>{"1024x768", "800x600"}));
  EXPECT_EQ(resolutions[0].Tag, 1024);
  EXPECT_EQ(resolutions[0].Hint, "768");
  EXPECT_EQ(resolutions[1].Tag, 800);
  EXPECT_EQ(resolutions[1].Hint, "600");
  ASSERT_EQ(Captions(resolutions[0].Items), (std::vector<std::string>{"32 bits", "16 bits"}));
  EXPECT_EQ(resolutions[0].Items[1].Tag, 16);
  EXPECT_EQ(Captions(resolutions[0].Items[0].Items), (std::vector<std::string>{"60 Hz", "75 Hz", "85 Hz"}));
  EXPECT_EQ(resolutions[0].Items[0].Items[2].Tag, 85);
  EXPECT_EQ(Captions(resolutions[1].Items[1].Items), (std::vector<std::string>{"60 Hz", "75 Hz", "85 Hz", "75 Hz"}));
}

TEST_F(GraphicModeTest, ChoosingAModeSetsTheLabelAndLeavesTheDisplay) {
  StartWithVideo();
  Choose({"800x600"});
  EXPECT_EQ(frm().labGraphMode.Caption(), "") << "an item that opens a submenu is not a choice";
  Choose({"1024x768", "32 bits", "60 Hz"});
  EXPECT_EQ(frm().labGraphMode.Caption(), "1024x768 32bits 60Hz");
  EXPECT_EQ(frm().SelectedGraphicMode, (GraphicMode{1024, 768, 32, 60}));
  EXPECT_TRUE(desktop.state.modeChanges.empty());

  const Rect button = desktop.forms.ControlScreenRect(frm().butGraphSelect);
  ASSERT_EQ(desktop.state.popupPoints.size(), 2u);
  EXPECT_EQ(desktop.state.popupPoints[1].x, button.left);
  EXPECT_EQ(desktop.state.popupPoints[1].y, button.bottom) << "under the button";
}

TEST_F(GraphicModeTest, HideModeSwitchesToTheStoredModeAndBack) {
  WriteSetting("Settings\\Video.cfg", "-1\r\n800\r\n600\r\n32\r\n60\r\n");
  Start();
  PressMode();
  EXPECT_TRUE(Same(current(), k800));
  const DevMode& record = desktop.state.modeChanges.back();
  EXPECT_EQ(record.size, 156u);
  EXPECT_EQ(record.fields, 0x005C0000u);
  PressMode();
  EXPECT_TRUE(Same(current(), k1024));
}

TEST_F(GraphicModeTest, WithNoModeChosenTheZeroModeIsAskedForSilently) {
  StartWithVideo();
  PressMode();
  ASSERT_EQ(desktop.state.modeChanges.size(), 1u);
  EXPECT_TRUE(Same(desktop.state.modeChanges[0], DevMode{}));
  EXPECT_TRUE(Same(current(), k1024)) << "refused";
  EXPECT_TRUE(desktop.state.messageBoxes.empty());
  PressMode();
  ASSERT_EQ(desktop.state.modeChanges.size(), 2u);
  EXPECT_TRUE(Same(desktop.state.modeChanges[1], k1024)) << "the mode read on entering";
}

// Switched without a mode to go back to, the display would stay switched.
TEST_F(GraphicModeTest, AModeInForceThatCannotBeReadIsNotSwitchedAway) {
  WriteSetting("Settings\\Video.cfg", "-1\r\n800\r\n600\r\n32\r\n60\r\n");
  desktop.state.currentModeReadable = false;
  Start();
  PressMode();
  EXPECT_TRUE(desktop.state.modeChanges.empty());
  const std::string record = std::string(kExeDir) + "Settings\\Recovery.dat";
  ASSERT_TRUE(desktop.files.FileExists(record));
  EXPECT_EQ(desktop.ReadFile(record).find("Video="), std::string::npos)
      << "no mode on record to switch back to";
  PressMode();
  EXPECT_TRUE(desktop.state.modeChanges.empty());

  frm().butGraphTest.Click();
  EXPECT_TRUE(desktop.state.modeChanges.empty()) << "the test could not switch back either";
  ASSERT_EQ(desktop.state.messageBoxes.size(), 1u);
  EXPECT_EQ(desktop.state.messageBoxes[0].text, "\r\nCan not set specified graphic mode");

  desktop.state.currentModeReadable = true;
  PressMode();
  EXPECT_TRUE(Same(current(), k800)) << "read again on each entry";
  PressMode();
  EXPECT_TRUE(Same(current(), k1024));
}

TEST_F(GraphicModeTest, TurningTheSettingOffOrOnInHideModeChangesNothingUntilTheNextEntry) {
  StartWithVideo();
  Choose({"800x600", "32 bits", "60 Hz"});
  PressMode();
  frm().cbVideo.Click();
  PressMode();
  EXPECT_TRUE(Same(current(), k1024)) << "what entering switched is switched back";
  PressMode();
  frm().cbVideo.Click();
  const std::size_t changes = desktop.state.modeChanges.size();
  PressMode();
  EXPECT_EQ(desktop.state.modeChanges.size(), changes) << "what entering did not switch is left alone";
}

TEST_F(GraphicModeTest, TestSwitchesForFourSecondsThenBack) {
  StartWithVideo();
  Choose({"800x600", "32 bits", "60 Hz"});
  const std::uint64_t before = desktop.state.clockMs;
  frm().butGraphTest.Click();
  ASSERT_EQ(desktop.state.modeChanges.size(), 2u);
  EXPECT_TRUE(Same(desktop.state.modeChanges[0], k800));
  EXPECT_TRUE(Same(desktop.state.modeChanges[1], k1024));
  EXPECT_EQ(desktop.state.clockMs - before, 4000u) << "on the virtual clock";
  EXPECT_EQ(desktop.state.repaints, 1);
  EXPECT_TRUE(Same(current(), k1024));
  EXPECT_TRUE(desktop.state.messageBoxes.empty());
}

TEST_F(GraphicModeTest, TestRefusesWithoutAModeAndReportsARefusedOne) {
  StartWithVideo();
  frm().butGraphTest.Click();
  ASSERT_EQ(desktop.state.messageBoxes.size(), 1u);
  EXPECT_EQ(desktop.state.messageBoxes[0].text, "\r\nClick 'Select' button and specify graphic mode first");
  EXPECT_EQ(desktop.state.messageBoxes[0].type, win::MB_OK | win::MB_ICONINFORMATION);
  EXPECT_TRUE(desktop.state.modeChanges.empty());

  WriteSetting("Settings\\Video.cfg", "-1\r\n1600\r\n1200\r\n32\r\n60\r\n");
  frm().LoadAllSettings();
  frm().butGraphTest.Click();
  ASSERT_EQ(desktop.state.messageBoxes.size(), 2u);
  EXPECT_EQ(desktop.state.messageBoxes[1].text, "\r\nCan not set specified graphic mode");
  EXPECT_EQ(desktop.state.messageBoxes[1].type, win::MB_OK | win::MB_ICONERROR);
  EXPECT_EQ(desktop.state.repaints, 0);
  EXPECT_TRUE(Same(current(), k1024));
}

TEST_F(GraphicModeTest, ATestDuringHideModeDoesNotChangeWhatLeavingRestores) {
  StartWithVideo();
  frm().cbSw2Stealth.SetChecked(false);
  Choose({"800x600", "16 bits", "60 Hz"});
  PressMode();
  Choose({"800x600", "32 bits", "60 Hz"});
  frm().butGraphTest.Click();
  EXPECT_EQ(current().bitsPerPel, 16u) << "back to the HIDE mode's display after the test";
  PressMode();
  EXPECT_TRUE(Same(current(), k1024));
}

}  // namespace hd::test
