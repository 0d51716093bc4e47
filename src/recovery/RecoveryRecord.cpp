// Decimal numbers only, so that the record reads the same on every system.
#include "recovery/RecoveryRecord.h"
#include <bit>
#include <charconv>
#include "settings/ListFiles.h"

namespace hd {

namespace {

constexpr const char* kHeading = "Hushdesk recovery record 1";

using Numbers = std::vector<std::uint64_t>;

// Unsigned decimal numbers separated by single blanks, nothing else. One
// width for every line keeps one reader in the program.
std::optional<Numbers> ReadNumbers(const std::string& text) {
  Numbers numbers;
  const char* at = text.data();
  const char* end = text.data() + text.size();
  while (at < end) {
    std::uint64_t value = 0;
    const auto [next, error] = std::from_chars(at, end, value);
    if (error != std::errc() || next == at) return std::nullopt;
    numbers.push_back(value);
    at = next;
    if (at < end && *at++ != ' ') return std::nullopt;
    if (at == end && text.back() == ' ') return std::nullopt;
  }
  return numbers;
}

// Whether there are count numbers (any count for 0), none past max.
bool Holds(const std::optional<Numbers>& numbers, std::size_t count, std::uint64_t max) {
  if (!numbers || numbers->empty() || (count != 0 && numbers->size() != count)) return false;
  for (std::uint64_t n : *numbers)
    if (n > max) return false;
  return true;
}

constexpr std::uint64_t kWord = 0xFFFFFFFF;

std::string Join(std::initializer_list<std::uint64_t> numbers) {
  std::string text;
  for (std::uint64_t n : numbers) {
    if (!text.empty()) text += ' ';
    text += std::to_string(n);
  }
  return text;
}

// The origin's lines read so far, one bit each: a record names all four or none.
enum : unsigned { kComputer = 1, kUser = 2, kSession = 4, kBoot = 8, kWholeOrigin = 15 };

void ReadLine(const std::string& key, const std::string& value, RecoveryRecord& record, SessionIdentity& origin,
              unsigned& originRead) {
  const std::optional<Numbers> n = ReadNumbers(value);
  if (key == "Computer") {
    origin.computer = value;
    originRead |= kComputer;
  } else if (key == "User") {
    origin.user = value;
    originRead |= kUser;
  } else if (key == "Session" && Holds(n, 1, kWord)) {
    origin.session = static_cast<std::uint32_t>(n->front());
    originRead |= kSession;
  } else if (key == "Boot" && Holds(n, 1, UINT64_MAX)) {
    origin.bootTime = n->front();
    originRead |= kBoot;
  } else if (key == "PuttingBack") {
    record.puttingBack = value == "1";
  } else if (key == "Window" && Holds(n, 3, UINT64_MAX) && (*n)[0] != 0 && (*n)[2] <= 11) {
    record.windows.push_back(
        {static_cast<WindowHandle>((*n)[0]), static_cast<ProcessId>((*n)[1]), static_cast<int>((*n)[2])});
  } else if (key == "Video" && Holds(n, 4, kWord)) {
    record.graphicMode = GraphicMode{static_cast<std::uint32_t>((*n)[0]), static_cast<std::uint32_t>((*n)[1]),
                                     static_cast<std::uint32_t>((*n)[2]), static_cast<std::uint32_t>((*n)[3])};
  } else if (key == "Volume" && Holds(n, 1, 255)) {
    record.volume = static_cast<std::uint8_t>(n->front());
  } else if (key == "VolumeWord" && Holds(n, 1, kWord)) {
    record.exactVolume = VolumeSetting{VolumePath::WaveOut, static_cast<std::uint32_t>(n->front()), 0, false};
  } else if (key == "VolumeEndpoint" && Holds(n, 2, kWord) && (*n)[1] <= 1) {
    // The scalar by its bits: no decimal rounding on the way.
    const float scalar = std::bit_cast<float>(static_cast<std::uint32_t>((*n)[0]));
    if (scalar >= 0.0f && scalar <= 1.0f)
      record.exactVolume = VolumeSetting{VolumePath::Endpoint, 0, scalar, (*n)[1] == 1};
  } else if (key == "AudioSession") {
    // "process mutedBefore file<TAB>id": neither a path nor an identifier holds a tab.
    const auto blank = value.find(' ', value.find(' ') + 1), tab = value.find('\t');
    const std::optional<Numbers> head = ReadNumbers(value.substr(0, blank));
    if (blank < tab && tab != std::string::npos && Holds(head, 2, kWord) && (*head)[1] <= 1)
      record.sessions.push_back({value.substr(tab + 1), static_cast<ProcessId>((*head)[0]),
                                 value.substr(blank + 1, tab - blank - 1), (*head)[1] == 1});
  } else if (key == "Tray") {
    if (value == "area") {
      record.tray = RecordedTray{true, {}};
    } else if (value == "icons") {
      record.tray = RecordedTray{false, {}};
    } else if (value.rfind("icons ", 0) == 0) {
      // Command ids as written: 32 bits each.
      const std::optional<Numbers> ids = ReadNumbers(value.substr(6));
      if (Holds(ids, 0, kWord)) {
        RecordedTray tray;
        for (std::uint64_t id : *ids) tray.buttons.push_back(static_cast<int>(static_cast<std::uint32_t>(id)));
        record.tray = tray;
      }
    }
  }
}

}  // namespace

std::string FormatRecoveryRecord(const RecoveryRecord& record) {
  std::string text = kHeading;
  text += "\r\n";
  auto line = [&text](const char* key, const std::string& value) {
    text += key;
    text += '=';
    text += value;
    text += "\r\n";
  };
  if (const auto& o = record.origin) {
    line("Computer", o->computer);
    line("User", o->user);
    line("Session", Join({o->session}));
    line("Boot", Join({o->bootTime}));
  }
  if (record.puttingBack) line("PuttingBack", "1");
  for (const RecordedWindow& w : record.windows)
    line("Window", Join({w.window, w.process, static_cast<std::uint64_t>(w.showCommand)}));
  if (const auto& m = record.graphicMode)
    line("Video", Join({m->width, m->height, m->bitsPerPixel, m->frequency}));
  if (record.volume) line("Volume", Join({*record.volume}));
  // Beside the level byte, which older versions read and pass these over.
  if (const auto& v = record.exactVolume) {
    if (v->path == VolumePath::WaveOut)
      line("VolumeWord", Join({v->word}));
    else
      line("VolumeEndpoint", Join({std::bit_cast<std::uint32_t>(v->scalar), v->muted ? 1u : 0u}));
  }
  for (const MutedSession& m : record.sessions)
    line("AudioSession", Join({m.process, m.mutedBefore ? 1u : 0u}) + ' ' + m.file + '\t' + m.id);
  if (const auto& tray = record.tray) {
    std::string value = tray->wholeArea ? "area" : "icons";
    for (int button : tray->buttons) {
      value += ' ';
      value += Join({static_cast<std::uint32_t>(button)});
    }
    line("Tray", value);
  }
  return text;
}

std::optional<RecoveryRecord> ParseRecoveryRecord(const std::string& text) {
  const std::vector<std::string> lines = SplitListText(text);
  if (lines.empty() || lines.front() != kHeading) return std::nullopt;
  RecoveryRecord record;
  SessionIdentity origin;
  unsigned originRead = 0;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const auto equals = lines[i].find('=');
    if (equals != std::string::npos)
      ReadLine(lines[i].substr(0, equals), lines[i].substr(equals + 1), record, origin, originRead);
  }
  if (originRead == kWholeOrigin) record.origin = std::move(origin);
  return record;
}

}  // namespace hd
