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
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

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
  bool SectionExists(std::string_view section) const;

  // Writes the key, creating its section and the file as needed; an existing value is
  // replaced. A value is written up to its first line break, so a write never adds lines.
  // An empty section name writes nothing. Throws IniWriteError.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  // Removes the section's header and every line up to the next section. Erasing a section
  // that does not exist changes nothing and writes nothing. Throws IniWriteError.
  void EraseSection(std::string_view section);
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
  struct Line {
    std::string text;                           // as in the file, UTF-8
    std::size_t eq = std::string::npos;         // position of the first "=", npos when none
    std::string key;                            // trimmed text before "=", key lines only
    bool IsKey() const { return eq != std::string::npos; }
  };
  struct Section {
    std::string header;                         // the header line as in the file
    std::string name;                           // trimmed name between the brackets
    std::vector<Line> body;
    // Folded key -> first line with that key; built on first use, kept in step by writes.
    mutable std::unordered_map<std::string, std::size_t> keys;
    mutable bool indexed = false;
  };

  void Parse(std::string_view bytes);
  void Reload();
  void IndexSections();
  const Section* FindSection(std::string_view name) const;
  Section* FindSection(std::string_view name);
  static const Line* FindKey(const Section& section, std::string_view key);
  static void IndexKeys(const Section& section);
  void Changed();
  void Flush();

  std::string path_;
  std::vector<Line> preamble_;                  // lines before the first section
  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> sectionIndex_;  // folded name -> first section
  int batchDepth_ = 0;
  bool dirty_ = false;
};

}  // namespace zz
