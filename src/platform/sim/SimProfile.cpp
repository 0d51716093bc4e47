// An INI reader and writer that keeps the rest of the file as it stands.
#include "platform/sim/SimProfile.h"
#include <algorithm>
#include <cctype>
#include <vector>

namespace hd {

namespace {

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back(line);
      line.clear();
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += text[i];
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

bool IsSection(const std::string& line, std::string& name) {
  const std::string t = Trim(line);
  if (t.empty() || t.front() != '[') return false;
  const auto close = t.find(']');
  name = Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
  return true;
}

bool IsKey(const std::string& line, const std::string& key, std::string& value) {
  const auto eq = line.find('=');
  if (eq == std::string::npos || !SameName(Trim(line.substr(0, eq)), key)) return false;
  value = Trim(line.substr(eq + 1));
  return true;
}

}  // namespace

std::string SimProfile::GetPrivateProfileString(const std::string& section, const std::string& key,
                                                const std::string& defaultValue, const std::string& file,
                                                unsigned bufferSize) {
  auto fit = [bufferSize](std::string text) {
    if (bufferSize == 0) return std::string();
    if (text.size() > bufferSize - 1) text.resize(bufferSize - 1);
    return text;
  };
  std::string content;
  std::uint32_t error = 0;
  if (files_.ReadFile(file, content, error)) {
    bool inSection = false;
    for (const std::string& line : Lines(content)) {
      std::string name, value;
      if (IsSection(line, name)) {
        inSection = SameName(name, section);
      } else if (inSection && IsKey(line, key, value)) {
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
          value = value.substr(1, value.size() - 2);
        return fit(value);
      }
    }
  }
  std::string fallback = defaultValue;
  while (!fallback.empty() && fallback.back() == ' ') fallback.pop_back();
  return fit(fallback);
}

bool SimProfile::WritePrivateProfileString(const std::string& section, const std::string& key,
                                           const std::string& value, const std::string& file) {
  std::string content;
  std::uint32_t error = 0;
  files_.ReadFile(file, content, error);
  std::vector<std::string> lines = Lines(content);
  const std::string entry = key + "=" + value;
  std::size_t sectionLine = lines.size(), insertAt = lines.size();
  bool done = false;
  for (std::size_t i = 0; i < lines.size() && !done; ++i) {
    std::string name, old;
    if (IsSection(lines[i], name)) {
      if (sectionLine != lines.size()) break;  // past the section
      if (SameName(name, section)) sectionLine = insertAt = i + 1;
    } else if (sectionLine != lines.size()) {
      if (IsKey(lines[i], key, old)) {
        lines[i] = entry;
        done = true;
      } else if (!Trim(lines[i]).empty()) {
        insertAt = i + 1;
      }
    }
  }
  if (!done) {
    if (sectionLine == lines.size()) {
      lines.push_back("[" + section + "]");
      lines.push_back(entry);
    } else {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    }
  }
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return files_.WriteFile(file, out, error);
}

}  // namespace hd
