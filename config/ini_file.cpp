#include "ini_file.h"

#include <cstring>

#include "cp1251.h"
#include "file_system.h"
#include "messages.h"
#include "text.h"

namespace zz {

namespace {

// Everything below works on Windows-1251 bytes, where a byte is a character and the
// characters that matter ([ ] = ; quotes, blanks, line breaks) are ASCII.

// The text up to its first line break: a name or value never spans lines.
std::string_view FirstLine(std::string_view s) {
  for (std::size_t i = 0; i < s.size(); ++i)
    if (s[i] == '\r' || s[i] == '\n') return s.substr(0, i);
  return s;
}

// A name as asked through the interface, in the file's encoding; lookups ignore blanks
// around it, as the profile functions do. ASCII names, the usual ones, are not copied.
class AnsiName {
 public:
  explicit AnsiName(std::string_view utf8) {
    utf8 = FirstLine(utf8);
    bool ascii = true;
    for (char c : utf8) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) {
      view_ = Trim(utf8);
    } else {
      owned_ = Utf8ToCp1251(utf8);
      view_ = Trim(owned_);
    }
  }
  AnsiName(const AnsiName&) = delete;
  AnsiName& operator=(const AnsiName&) = delete;
  operator std::string_view() const { return view_; }
  bool empty() const { return view_.empty(); }

 private:
  std::string owned_;
  std::string_view view_;
};

// The position of the name in a header line ("[" name "]", blanks around both ignored).
bool SectionHeader(std::string_view line, std::string_view& name) {
  std::string_view t = Trim(line);
  if (t.empty() || t.front() != '[') return false;
  std::size_t close = t.find(']');
  if (close == std::string_view::npos) return false;
  name = Trim(t.substr(1, close - 1));
  return true;
}

// The names a buffer of kIniListBuffer characters holds: each with its terminator, and one
// more terminator at the end; a name that does not fit whole is cut to what does.
class NameList {
 public:
  bool Add(std::string_view name) {
    if (used_ + name.size() + 2 <= kIniListBuffer) {
      names_.push_back(name);
      used_ += name.size() + 1;
      return true;
    }
    std::size_t room = kIniListBuffer - 2 - used_;
    if (room > 0) names_.push_back(name.substr(0, room));
    used_ = kIniListBuffer;
    return false;
  }
  std::vector<std::string_view>& Names() { return names_; }

 private:
  std::vector<std::string_view> names_;
  std::size_t used_ = 0;
};

std::vector<std::string> ToUtf8(const std::vector<std::string_view>& names) {
  std::vector<std::string> out;
  out.reserve(names.size());
  for (std::string_view name : names) out.push_back(Cp1251ToUtf8(name));
  return out;
}

}  // namespace

IniWriteError::IniWriteError(const std::string& path) : std::runtime_error(kSaveFailedPrefix + path), path_(path) {}

IniFile::IniFile(std::string path) : path_(std::move(path)) { Reload(); }

IniFile::IniFile(std::string path, std::string_view bytes) : path_(std::move(path)) {
  data_.assign(bytes.data(), bytes.size());
  Parse(data_);
}

void IniFile::Reload() {
  if (path_.empty()) return;
  if (!ReadFileBytes(path_, data_)) data_.clear();
  Parse(data_);
}

void IniFile::MarkKey(std::string_view text, Line& line) {
  const void* found = text.empty() ? nullptr : std::memchr(text.data(), '=', text.size());
  if (!found) return;
  std::size_t at = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
  std::string_view key = Trim(text.substr(0, at));
  line.eq = static_cast<std::uint32_t>(at);
  line.keyBegin = static_cast<std::uint32_t>(key.data() - text.data());
  line.keyLength = static_cast<std::uint32_t>(key.size());
}

IniFile::Line IniFile::AddLine(std::string_view text) {
  Line line;
  line.begin = static_cast<std::uint32_t>(data_.size());
  line.length = static_cast<std::uint32_t>(text.size());
  data_.append(text.data(), text.size());
  MarkKey(Text(line), line);
  return line;
}

// `bytes` is the buffer itself.
void IniFile::Parse(std::string_view bytes) {
  preamble_.clear();
  sections_.clear();
  dirty_ = false;
  std::vector<Line>* body = &preamble_;
  // A line ends at CR, LF or CR LF; the next of each is looked for only once passed.
  auto next = [&bytes](char c, std::size_t from) {
    const void* p = from < bytes.size() ? std::memchr(bytes.data() + from, c, bytes.size() - from) : nullptr;
    return p ? static_cast<std::size_t>(static_cast<const char*>(p) - bytes.data()) : bytes.size();
  };
  std::size_t start = 0, cr = next('\r', 0), lf = next('\n', 0);
  while (start < bytes.size()) {
    if (cr < start) cr = next('\r', start);
    if (lf < start) lf = next('\n', start);
    std::size_t end = cr < lf ? cr : lf;
    Line line;
    line.begin = static_cast<std::uint32_t>(start);
    line.length = static_cast<std::uint32_t>(end - start);
    std::string_view text = bytes.substr(start, end - start);
    start = end + ((end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n') ? 2 : 1);

    std::string_view name;
    if (SectionHeader(text, name)) {
      Section section;
      section.header = line;
      section.nameBegin = static_cast<std::uint32_t>(name.data() - bytes.data());
      section.nameLength = static_cast<std::uint32_t>(name.size());
      sections_.push_back(std::move(section));
      body = &sections_.back().body;
    } else {
      MarkKey(text, line);
      body->push_back(line);
    }
  }
  IndexSections();
}

void IniFile::IndexSections() {
  sectionIndex_.Clear();
  auto nameOf = [this](std::uint32_t i) { return Name(sections_[i]); };
  for (std::size_t i = 0; i < sections_.size(); ++i)
    sectionIndex_.Add(static_cast<std::uint32_t>(i), Name(sections_[i]), nameOf);
}

const IniFile::Section* IniFile::FindSection(std::string_view ansiName) const {
  if (ansiName.empty()) return nullptr;
  std::uint32_t i = sectionIndex_.Find(ansiName, [this](std::uint32_t s) { return Name(sections_[s]); });
  return i == NameIndex::kNone ? nullptr : &sections_[i];
}

void IniFile::IndexKeys(const Section& section) const {
  if (section.indexed) return;
  section.keys.Clear();
  auto nameOf = [this, &section](std::uint32_t i) { return Key(section.body[i]); };
  for (std::size_t i = 0; i < section.body.size(); ++i)
    if (section.body[i].IsKey()) section.keys.Add(static_cast<std::uint32_t>(i), Key(section.body[i]), nameOf);
  section.indexed = true;
}

const IniFile::Line* IniFile::FindKey(const Section& section, std::string_view ansiKey) const {
  IndexKeys(section);
  std::uint32_t i = section.keys.Find(ansiKey, [this, &section](std::uint32_t l) { return Key(section.body[l]); });
  return i == NameIndex::kNone ? nullptr : &section.body[i];
}

std::string_view IniFile::Value(const Line& line) const {
  std::string_view v = Trim(RawValue(line));
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return v.substr(0, kIniValueBuffer - 1);
}

std::vector<std::string> IniFile::SectionNames() const {
  NameList list;
  for (const Section& section : sections_)
    if (section.nameLength > 0 && !list.Add(Name(section))) break;
  return ToUtf8(list.Names());
}

std::vector<std::string_view> IniFile::KeyList(const Section& section) const {
  NameList list;
  for (const Line& line : section.body) {
    if (!line.IsKey()) continue;
    std::string_view key = Key(line);
    if (!key.empty() && key.front() == ';') continue;
    // An empty name ends the list, as it ends the system's double-terminated one.
    if (key.empty() || !list.Add(key)) break;
  }
  return std::move(list.Names());
}

std::vector<std::string> IniFile::KeyNames(std::string_view section) const {
  const Section* s = FindSection(AnsiName(section));
  return s ? ToUtf8(KeyList(*s)) : std::vector<std::string>();
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  const Section* s = FindSection(AnsiName(section));
  const Line* line = s ? FindKey(*s, AnsiName(key)) : nullptr;
  return line ? Cp1251ToUtf8(Value(*line)) : std::string(def);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
  std::optional<int> n = StrictInt(Trim(ReadString(section, key, "")));
  return n ? *n : def;
}

IniValues IniFile::SectionValues(std::string_view section) const {
  IniValues values;
  const Section* s = FindSection(AnsiName(section));
  if (!s) return values;
  std::vector<std::string_view> keys = KeyList(*s);
  values.reserve(keys.size());
  for (std::string_view key : keys) {
    // A key cut by the list buffer may name no line.
    const Line* line = FindKey(*s, key);
    values.emplace_back(Cp1251ToUtf8(key), line ? Cp1251ToUtf8(Value(*line)) : std::string());
  }
  return values;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  const AnsiName sectionName(section);
  if (sectionName.empty()) return;
  WriteKey(SectionFor(sectionName), AnsiName(key), Utf8ToCp1251(FirstLine(value)));
  Changed();
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

IniFile::Section& IniFile::SectionFor(std::string_view sectionName) {
  if (const Section* found = FindSection(sectionName))
    return sections_[static_cast<std::size_t>(found - sections_.data())];
  Section added;
  added.header = AddLine("[" + std::string(sectionName) + "]");
  added.nameBegin = added.header.begin + 1;
  added.nameLength = static_cast<std::uint32_t>(sectionName.size());
  added.indexed = true;
  sections_.push_back(std::move(added));
  const auto i = static_cast<std::uint32_t>(sections_.size() - 1);
  sectionIndex_.Add(i, sectionName, [this](std::uint32_t n) { return Name(sections_[n]); });
  return sections_.back();
}

void IniFile::WriteKey(Section& s, std::string_view keyName, std::string_view value) {
  std::string text;
  text.reserve(keyName.size() + 1 + value.size());
  if (const Line* line = FindKey(s, keyName)) {
    // The line is rewritten with the key as the file spells it, unless it reads so already.
    std::string_view key = Key(*line), now = Text(*line);
    if (now.size() == key.size() + 1 + value.size() && now.compare(0, key.size(), key) == 0 &&
        now[key.size()] == '=' && now.compare(key.size() + 1, value.size(), value) == 0)
      return;
    text.append(key).append("=").append(value);
    Line replaced = AddLine(text);
    s.body[static_cast<std::size_t>(line - s.body.data())] = replaced;
    return;
  }
  // After the last key of the section; the lines behind it hold no key, so the index stays valid.
  std::size_t at = 0;
  for (std::size_t i = s.body.size(); i > 0; --i) {
    if (s.body[i - 1].IsKey()) {
      at = i;
      break;
    }
  }
  text.append(keyName).append("=").append(value);
  s.body.insert(s.body.begin() + static_cast<std::ptrdiff_t>(at), AddLine(text));
  s.keys.Add(static_cast<std::uint32_t>(at), keyName, [this, &s](std::uint32_t l) { return Key(s.body[l]); });
}

void IniFile::CopySection(const IniFile& source, std::string_view section) {
  if (&source == this) {
    // The source's lines would move while being written.
    CopySection(IniFile(path_, Bytes()), section);
    return;
  }
  const AnsiName name(section);
  const Section* from = source.FindSection(name);
  if (!from || name.empty()) return;
  std::vector<std::string_view> keys = source.KeyList(*from);
  if (keys.empty()) return;
  Section& to = SectionFor(name);
  for (std::string_view key : keys) {
    const Line* line = source.FindKey(*from, key);
    WriteKey(to, key, line ? source.Value(*line) : std::string_view());
  }
  Changed();
}

void IniFile::EraseSection(std::string_view section) {
  const Section* s = FindSection(AnsiName(section));
  if (!s) return;
  sections_.erase(sections_.begin() + (s - sections_.data()));
  IndexSections();
  Changed();
}

void IniFile::Clear() {
  data_.clear();
  preamble_.clear();
  sections_.clear();
  sectionIndex_.Clear();
  Changed();
}

std::string IniFile::Bytes() const {
  std::size_t size = 0;
  for (const Line& line : preamble_) size += line.length + 2;
  for (const Section& section : sections_) {
    size += section.header.length + 2;
    for (const Line& line : section.body) size += line.length + 2;
  }
  std::string bytes;
  bytes.reserve(size);
  auto put = [this, &bytes](const Line& line) { bytes.append(Text(line)).append("\r\n"); };
  for (const Line& line : preamble_) put(line);
  for (const Section& section : sections_) {
    put(section.header);
    for (const Line& line : section.body) put(line);
  }
  return bytes;
}

void IniFile::Changed() {
  dirty_ = true;
  if (batchDepth_ == 0) Flush();
}

void IniFile::Flush() {
  if (!dirty_) return;
  // A content without a file (an empty path) is kept in memory.
  if (path_.empty()) {
    dirty_ = false;
    return;
  }
  if (!WriteFileAtomic(path_, Bytes())) {
    Reload();
    throw IniWriteError(path_);
  }
  dirty_ = false;
}

}  // namespace zz
