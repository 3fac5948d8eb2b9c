#include "ini_file.h"

#include "cp1251.h"
#include "file_system.h"
#include "messages.h"
#include "text.h"

namespace zz {

namespace {

std::string Fold(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

// The text up to its first line break: a name or value never spans lines.
std::string_view FirstLine(std::string_view s) { return s.substr(0, s.find_first_of("\r\n")); }

// Lookups ignore blanks around the name, as the profile functions do.
std::string_view LookupName(std::string_view s) { return Trim(FirstLine(s)); }

bool SectionHeader(std::string_view line, std::string_view& name) {
  std::string_view t = Trim(line);
  if (t.empty() || t.front() != '[') return false;
  std::size_t close = t.find(']');
  if (close == std::string_view::npos) return false;
  name = Trim(t.substr(1, close - 1));
  return true;
}

std::string ValueOf(std::string_view raw) {
  std::string_view v = Trim(raw);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return CutChars(v, kIniValueBuffer - 1);
}

// The names a buffer of kIniListBuffer characters holds: each with its terminator, and one
// more terminator at the end; a name that does not fit whole is cut to what does.
class NameList {
 public:
  bool Add(std::string_view name) {
    std::size_t length = CharCount(name);
    if (used_ + length + 2 <= kIniListBuffer) {
      names_.emplace_back(name);
      used_ += length + 1;
      return true;
    }
    std::size_t room = kIniListBuffer - 2 - used_;
    if (room > 0) names_.push_back(CutChars(name, room));
    used_ = kIniListBuffer;
    return false;
  }
  std::vector<std::string> Take() { return std::move(names_); }

 private:
  std::vector<std::string> names_;
  std::size_t used_ = 0;
};

}  // namespace

IniWriteError::IniWriteError(const std::string& path) : std::runtime_error(kSaveFailedPrefix + path), path_(path) {}

IniFile::IniFile(std::string path) : path_(std::move(path)) { Reload(); }

IniFile::IniFile(std::string path, std::string_view bytes) : path_(std::move(path)) { Parse(bytes); }

void IniFile::Reload() {
  std::string bytes;
  if (!ReadFileBytes(path_, bytes)) bytes.clear();
  Parse(bytes);
}

void IniFile::Parse(std::string_view bytes) {
  preamble_.clear();
  sections_.clear();
  dirty_ = false;
  std::vector<Line>* body = &preamble_;
  for (std::string& text : SplitLines(Cp1251ToUtf8(bytes))) {
    std::string_view name;
    if (SectionHeader(text, name)) {
      Section section;
      section.name = std::string(name);
      section.header = std::move(text);
      sections_.push_back(std::move(section));
      body = &sections_.back().body;
      continue;
    }
    Line line;
    line.eq = text.find('=');
    if (line.IsKey()) line.key = std::string(Trim(std::string_view(text).substr(0, line.eq)));
    line.text = std::move(text);
    body->push_back(std::move(line));
  }
  IndexSections();
}

void IniFile::IndexSections() {
  sectionIndex_.clear();
  for (std::size_t i = 0; i < sections_.size(); ++i) sectionIndex_.emplace(Fold(sections_[i].name), i);
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  name = LookupName(name);
  if (name.empty()) return nullptr;
  auto it = sectionIndex_.find(Fold(name));
  return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
  return const_cast<Section*>(static_cast<const IniFile*>(this)->FindSection(name));
}

void IniFile::IndexKeys(const Section& section) {
  if (section.indexed) return;
  section.keys.clear();
  for (std::size_t i = 0; i < section.body.size(); ++i)
    if (section.body[i].IsKey()) section.keys.emplace(Fold(section.body[i].key), i);
  section.indexed = true;
}

const IniFile::Line* IniFile::FindKey(const Section& section, std::string_view key) {
  IndexKeys(section);
  auto it = section.keys.find(Fold(LookupName(key)));
  return it == section.keys.end() ? nullptr : &section.body[it->second];
}

std::vector<std::string> IniFile::SectionNames() const {
  NameList list;
  for (const Section& section : sections_)
    if (!section.name.empty() && !list.Add(section.name)) break;
  return list.Take();
}

std::vector<std::string> IniFile::KeyNames(std::string_view section) const {
  NameList list;
  if (const Section* s = FindSection(section)) {
    for (const Line& line : s->body) {
      if (!line.IsKey() || (!line.key.empty() && line.key.front() == ';')) continue;
      // An empty name ends the list, as it ends the system's double-terminated one.
      if (line.key.empty() || !list.Add(line.key)) break;
    }
  }
  return list.Take();
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  const Section* s = FindSection(section);
  const Line* line = s ? FindKey(*s, key) : nullptr;
  if (!line) return std::string(def);
  return ValueOf(std::string_view(line->text).substr(line->eq + 1));
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
  std::optional<int> n = StrictInt(Trim(ReadString(section, key, "")));
  return n ? *n : def;
}

IniValues IniFile::SectionValues(std::string_view section) const {
  IniValues values;
  const Section* s = FindSection(section);
  if (!s) return values;
  for (std::string& key : KeyNames(section)) {
    const Line* line = FindKey(*s, key);
    std::string value = line ? ValueOf(std::string_view(line->text).substr(line->eq + 1)) : std::string();
    values.emplace_back(std::move(key), std::move(value));
  }
  return values;
}

bool IniFile::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  std::string_view sectionName = LookupName(section);
  if (sectionName.empty()) return;
  std::string_view keyName = LookupName(key);
  value = FirstLine(value);

  Section* s = FindSection(sectionName);
  if (!s) {
    Section added;
    added.name = std::string(sectionName);
    added.header = "[" + added.name + "]";
    sections_.push_back(std::move(added));
    sectionIndex_.emplace(Fold(sectionName), sections_.size() - 1);
    s = &sections_.back();
  }
  IndexKeys(*s);
  std::string folded = Fold(keyName);
  auto it = s->keys.find(folded);
  if (it != s->keys.end()) {
    Line& line = s->body[it->second];
    line.text = line.key + "=" + std::string(value);
    line.eq = line.key.size();
  } else {
    // After the last key of the section; the lines behind it hold no key, so the index stays valid.
    std::size_t at = 0;
    for (std::size_t i = s->body.size(); i > 0; --i) {
      if (s->body[i - 1].IsKey()) {
        at = i;
        break;
      }
    }
    Line line;
    line.key = std::string(keyName);
    line.text = line.key + "=" + std::string(value);
    line.eq = line.key.size();
    s->body.insert(s->body.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    s->keys.emplace(std::move(folded), at);
  }
  Changed();
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::EraseSection(std::string_view section) {
  const Section* s = FindSection(section);
  if (!s) return;
  sections_.erase(sections_.begin() + (s - sections_.data()));
  IndexSections();
  Changed();
}

void IniFile::Clear() {
  preamble_.clear();
  sections_.clear();
  sectionIndex_.clear();
  Changed();
}

std::string IniFile::Bytes() const {
  std::string text;
  auto put = [&text](const std::string& line) { text.append(line).append("\r\n"); };
  for (const Line& line : preamble_) put(line.text);
  for (const Section& section : sections_) {
    put(section.header);
    for (const Line& line : section.body) put(line.text);
  }
  return Utf8ToCp1251(text);
}

void IniFile::Changed() {
  dirty_ = true;
  if (batchDepth_ == 0) Flush();
}

void IniFile::Flush() {
  if (!dirty_) return;
  if (!WriteFileAtomic(path_, Bytes())) {
    Reload();
    throw IniWriteError(path_);
  }
  dirty_ = false;
}

}  // namespace zz
