// An INI reader and writer that behaves as the profile functions measured on
// Wine: the file is parsed into sections and keys and written back whole.
#include "platform/sim/SimProfile.h"
#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

namespace hd {

namespace {

struct Entry {
  std::string name;
  std::optional<std::string> value;  // none: a line without "=" (a comment, say)
};

struct Section {
  std::string name;  // empty: the lines before the first section
  std::vector<Entry> entries;
};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n'; }

std::string Trim(const std::string& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsSpace(text[begin])) ++begin;
  while (end > begin && IsSpace(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

// Any CR or LF ends a line; blank lines are dropped.
std::vector<Section> Parse(const std::string& text) {
  std::vector<Section> sections{Section{}};
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty()) continue;
    const auto close = line.rfind(']');
    if (line.front() == '[' && close != std::string::npos) {
      sections.push_back(Section{Trim(line.substr(1, close - 1)), {}});
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string::npos)
      sections.back().entries.push_back(Entry{line, std::nullopt});
    else
      sections.back().entries.push_back(Entry{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))});
  }
  return sections;
}

std::string Serialise(const std::vector<Section>& sections) {
  std::string out;
  for (const Section& section : sections) {
    if (!section.name.empty()) out += "[" + section.name + "]\r\n";
    for (const Entry& entry : section.entries) out += entry.name + (entry.value ? "=" + *entry.value : "") + "\r\n";
  }
  return out;
}

// Only the first section of a name counts, and in it the first key of a name.
Section* FindSection(std::vector<Section>& sections, const std::string& name) {
  for (Section& section : sections)
    if (SameName(section.name, name)) return &section;
  return nullptr;
}

Entry* FindEntry(Section& section, const std::string& name) {
  for (Entry& entry : section.entries)
    if (SameName(entry.name, name)) return &entry;
  return nullptr;
}

}  // namespace

std::string SimProfile::GetPrivateProfileString(const std::string& section, const std::string& key,
                                                const std::string& defaultValue, const std::string& file,
                                                unsigned bufferSize) {
  if (bufferSize == 0) return {};
  std::string content;
  std::uint32_t error = 0;
  if (!files_.ReadFile(file, content, error)) content.clear();
  std::vector<Section> sections = Parse(content);
  std::string value = defaultValue;
  // The default loses trailing blanks but keeps its first character.
  while (value.size() > 1 && value.back() == ' ') value.pop_back();
  if (Section* s = FindSection(sections, Trim(section))) {
    if (Entry* e = FindEntry(*s, Trim(key)); e && e->value) {
      value = *e->value;
      // One pair of matching quotes around the value is removed.
      if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    }
  }
  if (value.size() > bufferSize - 1) value.resize(bufferSize - 1);
  return value;
}

bool SimProfile::WritePrivateProfileString(const std::string& section, const std::string& key,
                                           const std::string& value, const std::string& file) {
  std::string content;
  std::uint32_t error = 0;
  if (!files_.ReadFile(file, content, error)) content.clear();
  std::vector<Section> sections = Parse(content);
  std::size_t lead = 0;
  while (lead < value.size() && IsSpace(value[lead])) ++lead;
  const std::string stored = value.substr(lead);
  Section* s = FindSection(sections, Trim(section));
  if (!s) {
    sections.push_back(Section{Trim(section), {}});
    s = &sections.back();
  }
  if (Entry* e = FindEntry(*s, Trim(key))) {
    if (e->value == stored) return true;  // unchanged: the file is not rewritten
    e->value = stored;
  } else {
    s->entries.push_back(Entry{Trim(key), stored});
  }
  return files_.WriteFile(file, Serialise(sections), error);
}

// Every write goes to the file at once: nothing is cached.
void SimProfile::Flush(const std::string&) {}

}  // namespace hd
