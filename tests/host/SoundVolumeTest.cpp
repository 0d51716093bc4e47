// The volume in HIDE mode and the sound test, on XP's wave-out device and on
// the master volume of later systems.
#include <gtest/gtest.h>
#include <cmath>
#include "ProgramFixture.h"

namespace hd::test {

namespace {
constexpr std::uint32_t Word(std::uint32_t left, std::uint32_t right) { return right << 16 | left; }
constexpr std::uint32_t BothChannels(std::uint32_t levelByte) { return Word(levelByte << 8, levelByte << 8); }
float Scalar(std::uint32_t levelByte) { return static_cast<float>((levelByte << 8) / 65535.0); }
}  // namespace

class SoundVolumeTest : public ProgramTest {
protected:
  void StartOn(std::uint32_t major, std::uint32_t minor) {
    desktop.state.version.majorVersion = major;
    desktop.state.version.minorVersion = minor;
    Start();
    frm().cbSound.Click();
  }
  void StartOnXP() { StartOn(5, 1); }
  void StartOnWindows7() { StartOn(6, 1); }
  std::uint32_t& wave() { return desktop.state.waveVolume; }
  float& master() { return desktop.state.masterVolume; }
};

TEST_F(SoundVolumeTest, TrackBarPositionsGiveLevelBytesRoundedHalfToEven) {
  StartOnXP();
  const std::pair<int, std::uint32_t> table[] = {{10, 26}, {30, 76}, {50, 128}, {70, 178},
                                                 {90, 230}, {100, 255}, {0, 0}};
  for (const auto& [position, levelByte] : table) {
    SCOPED_TRACE(position);
    wave() = 0xFFFFFFFF;
    frm().tbSound.SetPosition(position);
    PressMode();
    EXPECT_EQ(wave(), BothChannels(levelByte));
    PressMode();
    EXPECT_EQ(wave(), 0xFFFFFFFFu);
  }
}

TEST_F(SoundVolumeTest, MuteSilencesWhateverTheTrackBarSays) {
  StartOnXP();
  frm().cbSoundMute.Click();
  frm().tbSound.SetPosition(100);
  wave() = Word(40000, 40000);
  PressMode();
  EXPECT_EQ(wave(), 0u);
  PressMode();
  EXPECT_EQ(wave(), Word(40000, 40000));
}

// Each cycle rounded through a level byte lowered the volume a step
// (65535, 65280, 65024 ...); a sound test in HIDE mode must not change
// what leaving puts back either.
TEST_F(SoundVolumeTest, AHundredCyclesLeaveTheVolumeExactlyAsItWas) {
  desktop.WriteFile(std::string(kExeDir) + "SoundDemo.wav", "RIFF");
  for (const std::uint32_t major : {5u, 6u}) {
    SCOPED_TRACE(major);
    app.reset();
    StartOn(major, 1);
    wave() = Word(65535, 12345);
    master() = 0.8f;
    desktop.state.masterMuted = false;
    for (int cycle = 0; cycle < 100; ++cycle) {
      if (cycle == 50) frm().cbSoundMute.Click();
      PressMode();
      if (cycle % 10 == 0) frm().butSoundTest.Click();
      PressMode();
    }
    EXPECT_EQ(wave(), Word(65535, 12345)) << "both channels, as they were";
    EXPECT_EQ(master(), 0.8f);
    EXPECT_FALSE(desktop.state.masterMuted);
  }
}

TEST_F(SoundVolumeTest, LaterSystemsMuteTheEndpointAndPutItsMuteBack) {
  StartOnWindows7();
  frm().cbSoundMute.Click();
  master() = 0.5f;
  PressMode();
  EXPECT_EQ(master(), 0.0f);
  EXPECT_TRUE(desktop.state.masterMuted) << "the lowest level is not silence on every device";
  PressMode();
  EXPECT_EQ(master(), 0.5f);
  EXPECT_FALSE(desktop.state.masterMuted);

  frm().cbSoundMute.Click();
  desktop.state.masterMuted = true;  // muted by the user: a level in HIDE mode leaves that alone
  PressMode();
  EXPECT_FLOAT_EQ(master(), Scalar(178));
  EXPECT_TRUE(desktop.state.masterMuted);
  desktop.state.masterMuted = false;
  PressMode();
  EXPECT_EQ(master(), 0.5f);
  EXPECT_TRUE(desktop.state.masterMuted) << "as it was before HIDE mode";
}

TEST_F(SoundVolumeTest, WithTheSettingOffTheVolumeIsLeftAlone) {
  Start();
  wave() = Word(1234, 4321);
  PressMode();
  EXPECT_EQ(wave(), Word(1234, 4321));
  PressMode();
  EXPECT_EQ(wave(), Word(1234, 4321));
}

TEST_F(SoundVolumeTest, LaterSystemsSetTheDevicesMasterVolume) {
  StartOnWindows7();
  master() = 0.8f;
  PressMode();
  EXPECT_FLOAT_EQ(master(), Scalar(178)) << "the default level, for the whole computer";
  EXPECT_EQ(wave(), 0xFFFFFFFFu) << "not the program's own session";
  PressMode();
  EXPECT_EQ(master(), 0.8f);
}

TEST_F(SoundVolumeTest, TurningTheSettingOnOrOffInHideModeChangesNothingUntilTheNextEntry) {
  StartOnXP();
  frm().cbSound.Click();
  wave() = Word(20000, 20000);
  PressMode();
  frm().cbSound.Click();
  PressMode();
  EXPECT_EQ(wave(), Word(20000, 20000)) << "no level was ever read: nothing to bring back";

  PressMode();  // reads level 77.8
  PressMode();
  frm().cbSound.Click();
  PressMode();
  wave() = Word(50000, 50000);
  frm().cbSound.Click();
  PressMode();
  EXPECT_EQ(wave(), Word(50000, 50000)) << "this HIDE mode did not set the volume";

  frm().cbSoundMute.Click();
  PressMode();
  ASSERT_EQ(wave(), 0u);
  frm().cbSound.Click();
  PressMode();
  EXPECT_EQ(wave(), Word(50000, 50000)) << "what this HIDE mode set is set back, with the setting off now";
}

class SoundTestButtonTest : public SoundVolumeTest {
protected:
  const std::string sample = std::string(kExeDir) + "SoundDemo.wav";
};

TEST_F(SoundTestButtonTest, PlaysTheSampleAtTheChosenLevelAndRestores) {
  StartOnXP();
  desktop.WriteFile(sample, "RIFF");
  wave() = Word(65535, 65535);
  frm().tbSound.SetPosition(50);
  frm().butSoundTest.Click();
  ASSERT_EQ(desktop.state.soundsPlayed.size(), 1u);
  EXPECT_EQ(desktop.state.soundsPlayed[0].path, sample);
  EXPECT_EQ(desktop.state.soundsPlayed[0].flags, win::SND_APPLICATION);
  EXPECT_EQ(desktop.state.soundsPlayed[0].waveVolume, BothChannels(128));
  EXPECT_EQ(wave(), Word(65535, 65535));
  EXPECT_TRUE(desktop.state.messageBoxes.empty());
}

TEST_F(SoundTestButtonTest, OnLaterSystemsTheSampleIsHeardAtTheMasterLevel) {
  StartOnWindows7();
  desktop.WriteFile(sample, "RIFF");
  frm().cbSoundMute.Click();
  frm().butSoundTest.Click();
  ASSERT_EQ(desktop.state.soundsPlayed.size(), 1u);
  EXPECT_EQ(desktop.state.soundsPlayed[0].masterVolume, 0.0f);
  EXPECT_TRUE(desktop.state.soundsPlayed[0].masterMuted);
  EXPECT_EQ(master(), 1.0f);
  EXPECT_FALSE(desktop.state.masterMuted);
}

TEST_F(SoundTestButtonTest, AMissingSampleIsReportedAndTheVolumeStillRestored) {
  StartOnXP();
  wave() = Word(30000, 30000);
  frm().butSoundTest.Click();
  ASSERT_EQ(desktop.state.messageBoxes.size(), 1u);
  EXPECT_EQ(desktop.state.messageBoxes[0].text, "\r\nSound test file not found.");
  EXPECT_EQ(desktop.state.messageBoxes[0].type, win::MB_OK | win::MB_ICONERROR);
  EXPECT_TRUE(desktop.state.soundsPlayed.empty());
  EXPECT_EQ(wave(), Word(30000, 30000));
}

}  // namespace hd::test
