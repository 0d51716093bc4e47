// Another program's audio session, seen from this one: listed with its
// process, muted and given its mute back, and a new one told as it starts.
// Where the system offers no audio sessions to another program (Windows XP;
// Wine 8, whose session enumerator and notifications are not implemented),
// every call says so and none fails otherwise.
#include <gtest/gtest.h>
#include <algorithm>
#include <optional>
#include "Backend.h"

namespace hd::contract {

namespace {
constexpr unsigned kNewSession = win::WM_USER + 7;

// The player's session once the system lists it, within two seconds.
std::optional<AudioSession> SessionOf(Platform& p, ProcessId player, bool& offered) {
  std::vector<AudioSession> sessions;
  for (int i = 0; i < 40; ++i) {
    offered = p.sound.AudioSessions(sessions);
    if (!offered) return std::nullopt;
    const auto it = std::find_if(sessions.begin(), sessions.end(), [&](const AudioSession& s) { return s.process == player; });
    if (it != sessions.end()) return *it;
    p.system.Sleep(50);
  }
  return std::nullopt;
}
}  // namespace

TEST(SoundContract, AnotherProgramsSessionIsListedMutedAndToldAsItStarts) {
  auto backend = MakeBackend();
  Platform& p = backend->platform();
  int told = 0;
  const WindowHandle window = p.forms.CreateMessageWindow([&told](unsigned message, WParam, LParam) {
    if (message == kNewSession) ++told;
    return std::optional<LResult>();
  });
  const ProcessId player = backend->StartPlayingProcess();
  ASSERT_NE(player, 0u);
  bool offered = false;
  const std::optional<AudioSession> session = SessionOf(p, player, offered);
  RecordProperty("audio_sessions_offered", offered ? 1 : 0);
  if (!offered) {
    EXPECT_FALSE(p.sound.SetAudioSessionMute("no such session", true));
    EXPECT_FALSE(p.sound.WatchAudioSessions(window, kNewSession)) << "nothing to be told by";
    p.sound.StopWatchingAudioSessions();
    p.forms.DestroyMessageWindow(window);
    return;
  }
  ASSERT_TRUE(session) << "a program that plays has a session";
  EXPECT_FALSE(session->muted);
  EXPECT_FALSE(session->id.empty());
  ASSERT_TRUE(p.sound.SetAudioSessionMute(session->id, true));
  EXPECT_EQ(SessionOf(p, player, offered)->muted, true) << "muted from another process";
  ASSERT_TRUE(p.sound.SetAudioSessionMute(session->id, false));
  EXPECT_EQ(SessionOf(p, player, offered)->muted, false);
  EXPECT_FALSE(p.sound.SetAudioSessionMute("no such session", true));

  ASSERT_TRUE(p.sound.WatchAudioSessions(window, kNewSession));
  const ProcessId second = backend->StartPlayingProcess();
  for (int i = 0; i < 40 && told == 0; ++i) {
    p.forms.ProcessMessages();
    if (told == 0) p.system.Sleep(50);
  }
  EXPECT_GE(told, 1) << "a new session is told to the window";
  EXPECT_TRUE(SessionOf(p, second, offered));
  p.sound.StopWatchingAudioSessions();
  told = 0;
  backend->StartPlayingProcess();
  p.system.Sleep(200);
  p.forms.ProcessMessages();
  EXPECT_EQ(told, 0) << "nothing after the watch stopped";
  p.forms.DestroyMessageWindow(window);
}

}  // namespace hd::contract
