// Decimal numbers only, so that the record reads the same on every system.
#include "recovery/RecoveryRecord.h"
#include <bit>
#include <charconv>
#include "settings/ListFiles.h"

namespace hd {

namespace {

constexpr const char* kHeading = "Hushdesk recovery record 1";

// Unsigned decimal numbers separated by single blanks, nothing else.
template <typename Number>
std::optional<std::vector<Number>> ReadNumbers(const std::string& text) {
  std::vector<Number> numbers;
  const char* at = text.data();
  const char* end = text.data() + text.size();
  while (at < end) {
    Number value{};
    const auto [next, error] = std::from_chars(at, end, value);
    if (error != std::errc() || next == at) return std::nullopt;
    numbers.push_back(value);
    at = next;
    if (at < end && *at++ != ' ') return std::nullopt;
    if (at == end && text.back() == ' ') return std::nullopt;
  }
  return numbers;
}

template <typename Number>
std::string Join(std::initializer_list<Number> numbers) {
  std::string text;
  for (Number n : numbers) {
    if (!text.empty()) text += ' ';
    text += std::to_string(n);
  }
  return text;
}

// The origin's lines read so far, one bit each: a record names all four or none.
enum : unsigned { kComputer = 1, kUser = 2, kSession = 4, kBoot = 8, kWholeOrigin = 15 };

void ReadLine(const std::string& key, const std::string& value, RecoveryRecord& record, SessionIdentity& origin,
              unsigned& originRead) {
  const auto numbers = ReadNumbers<std::uint64_t>(value);
  const bool oneNumber = numbers && numbers->size() == 1;
  if (key == "Computer") {
    origin.computer = value;
    originRead |= kComputer;
  } else if (key == "User") {
    origin.user = value;
    originRead |= kUser;
  } else if (key == "Session" && oneNumber && numbers->front() <= 0xFFFFFFFFu) {
    origin.session = static_cast<std::uint32_t>(numbers->front());
    originRead |= kSession;
  } else if (key == "Boot" && oneNumber) {
    origin.bootTime = numbers->front();
    originRead |= kBoot;
  } else if (key == "PuttingBack") {
    record.puttingBack = value == "1";
  } else if (key == "Window") {
    const auto& n = numbers;
    if (n && n->size() == 3 && (*n)[0] != 0 && (*n)[2] <= 11)
      record.windows.push_back({static_cast<WindowHandle>((*n)[0]), static_cast<ProcessId>((*n)[1]),
                                static_cast<int>((*n)[2])});
  } else if (key == "Video") {
    const auto n = ReadNumbers<std::uint32_t>(value);
    if (n && n->size() == 4) record.graphicMode = GraphicMode{(*n)[0], (*n)[1], (*n)[2], (*n)[3]};
  } else if (key == "Volume") {
    const auto n = ReadNumbers<std::uint32_t>(value);
    if (n && n->size() == 1 && n->front() <= 255) record.volume = static_cast<std::uint8_t>(n->front());
  } else if (key == "VolumeWord") {
    const auto n = ReadNumbers<std::uint32_t>(value);
    if (n && n->size() == 1) record.exactVolume = VolumeSetting{VolumePath::WaveOut, n->front(), 0, false};
  } else if (key == "VolumeEndpoint") {
    // The scalar by its bits: no decimal rounding on the way.
    const auto n = ReadNumbers<std::uint32_t>(value);
    if (n && n->size() == 2 && (*n)[1] <= 1) {
      const float scalar = std::bit_cast<float>((*n)[0]);
      if (scalar >= 0.0f && scalar <= 1.0f)
        record.exactVolume = VolumeSetting{VolumePath::Endpoint, 0, scalar, (*n)[1] == 1};
    }
  } else if (key == "Tray") {
    if (value == "area") {
      record.tray = RecordedTray{true, {}};
    } else if (value == "icons") {
      record.tray = RecordedTray{false, {}};
    } else if (value.rfind("icons ", 0) == 0) {
      if (const auto n = ReadNumbers<int>(value.substr(6)); n && !n->empty()) record.tray = RecordedTray{false, *n};
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
    line("Session", Join<std::uint64_t>({o->session}));
    line("Boot", Join<std::uint64_t>({o->bootTime}));
  }
  if (record.puttingBack) line("PuttingBack", "1");
  for (const RecordedWindow& w : record.windows)
    line("Window", Join<std::uint64_t>({w.window, w.process, static_cast<std::uint64_t>(w.showCommand)}));
  if (const auto& m = record.graphicMode)
    line("Video", Join<std::uint32_t>({m->width, m->height, m->bitsPerPixel, m->frequency}));
  if (record.volume) line("Volume", std::to_string(unsigned{*record.volume}));
  // Beside the level byte, which older versions read and pass these over.
  if (const auto& v = record.exactVolume) {
    if (v->path == VolumePath::WaveOut)
      line("VolumeWord", std::to_string(v->word));
    else
      line("VolumeEndpoint", Join<std::uint32_t>({std::bit_cast<std::uint32_t>(v->scalar), v->muted ? 1u : 0u}));
  }
  if (const auto& tray = record.tray) {
    std::string value = tray->wholeArea ? "area" : "icons";
    for (int button : tray->buttons) {
      value += ' ';
      value += std::to_string(button);
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
