// An INI file held in memory: the program's own reader and writer for voice.ini, for the
// VoiceDevices: sections of configuration files and for Zurerizeda.ini, on every platform.
//
// It behaves as the Windows profile-string functions do wherever our files can tell:
// - section and key names are compared with A to Z folded and blanks around them ignored;
//   other letters (Cyrillic among them) must match exactly, as under Wine;
// - the section with a name that occurs twice is the first one: reads, writes and erasing
//   act on it, while the name list shows every occurrence;
// - a key line is any line with "=" inside a section; its key and value are trimmed, and a
//   value in matching double or single quotes is returned without them;
// - keys beginning with ";" can be read but are not listed, and a key with an empty name
//   ends the list, as it ends the system's double-terminated one; lines without "=" are
//   not keys;
// - lists come in file order and are cut to a 16384-character buffer, values to 2047
//   characters (a 2048-character buffer);
// - a written key goes after the last key of its section, a new section at the end of the
//   file, both as "key=value" without blanks; CR LF, LF and CR-only files read the same.
// Lines the writes do not touch are written back byte for byte (Windows-1251, CR LF).
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "name_index.h"

namespace zz {

inline constexpr std::size_t kIniListBuffer = 16384;  // section and key name lists
inline constexpr std::size_t kIniValueBuffer = 2048;  // one value, with its terminator

// The file could not be written; the text is the message the user sees.
class IniWriteError : public std::runtime_error {
 public:
  explicit IniWriteError(const std::string& path);
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

using IniValues = std::vector<std::pair<std::string, std::string>>;

class IniFile {
 public:
  // Reads the file once; a missing or unreadable file reads as empty.
  explicit IniFile(std::string path);
  // Works on the given Windows-1251 content instead of reading the file.
  IniFile(std::string path, std::string_view bytes);

  const std::string& Path() const { return path_; }

  std::vector<std::string> SectionNames() const;
  std::vector<std::string> KeyNames(std::string_view section) const;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // The value as a decimal integer, or `def` when it is missing or not one.
  int ReadInteger(std::string_view section, std::string_view key, int def) const;
  // Every listed key with the value that ReadString gives for it, in file order.
  IniValues SectionValues(std::string_view section) const;

  // Writes the key, creating its section and the file as needed; an existing value is
  // replaced. A value is written up to its first line break, so a write never adds lines.
  // An empty section name writes nothing. Throws IniWriteError.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  // Removes the section's header and every line up to the next section. Erasing a section
  // that does not exist changes nothing and writes nothing. Throws IniWriteError.
  void EraseSection(std::string_view section);
  // Writes every listed key of the source's section, with the value the source reads for
  // it, into the section of that name here (found, or added as spelled here).
  void CopySection(const IniFile& source, std::string_view section);
  // Empties the content; the next write leaves an empty file.
  void Clear();

  // Runs `ops` with the writes held back, then writes the file once when anything changed.
  // When `ops` throws or the write fails, the content is read again from the file.
  template <class Ops>
  void Batch(Ops&& ops) {
    ++batchDepth_;
    try {
      ops();
    } catch (...) {
      if (--batchDepth_ == 0) Reload();
      throw;
    }
    if (--batchDepth_ == 0) Flush();
  }

  // The Windows-1251 bytes a write produces.
  std::string Bytes() const;

 private:
  // The file's bytes (Windows-1251, one byte a character) are kept in one buffer; a line is
  // a stretch of it. A replaced or added line is appended to the buffer. Names and values
  // are converted to and from UTF-8 where they pass the interface.
  static constexpr std::uint32_t kNoKey = 0xFFFFFFFFu;
  struct Line {
    std::uint32_t begin = 0, length = 0;        // the text, without its line end
    std::uint32_t eq = kNoKey;                  // offset of the first "=" in the text
    std::uint32_t keyBegin = 0, keyLength = 0;  // the trimmed text before "=", from begin
    bool IsKey() const { return eq != kNoKey; }
  };
  struct Section {
    Line header;
    std::uint32_t nameBegin = 0, nameLength = 0;  // trimmed name between the brackets
    std::vector<Line> body;
    // Key -> first line with that key; built on first use, kept in step by writes.
    mutable NameIndex keys;
    mutable bool indexed = false;
  };

  std::string_view Text(const Line& line) const { return std::string_view(data_).substr(line.begin, line.length); }
  std::string_view Key(const Line& line) const { return Text(line).substr(line.keyBegin, line.keyLength); }
  std::string_view RawValue(const Line& line) const { return Text(line).substr(line.eq + 1); }
  std::string_view Name(const Section& section) const {
    return std::string_view(data_).substr(section.nameBegin, section.nameLength);
  }
  std::string_view Value(const Line& line) const;

  static void MarkKey(std::string_view text, Line& line);  // finds the "=" and the key
  Line AddLine(std::string_view text);                      // appends the text to the buffer
  void Parse(std::string_view bytes);
  void Reload();
  void IndexSections();
  const Section* FindSection(std::string_view ansiName) const;
  const Line* FindKey(const Section& section, std::string_view ansiKey) const;
  void IndexKeys(const Section& section) const;
  std::vector<std::string_view> KeyList(const Section& section) const;
  // In the file's encoding, the names trimmed and not empty, the value without line breaks;
  // none of them in this file's buffer.
  Section& SectionFor(std::string_view name);  // found or added at the end
  void WriteKey(Section& section, std::string_view key, std::string_view value);
  void Changed();
  void Flush();

  std::string path_;
  std::string data_;
  std::vector<Line> preamble_;                  // lines before the first section
  std::vector<Section> sections_;
  NameIndex sectionIndex_;                      // name -> first section
  int batchDepth_ = 0;
  bool dirty_ = false;
};

}  // namespace zz
