#include "file_form.h"

#include <cstring>

#include "conf_line.h"
#include "conf_param.h"
#include "messages.h"
#include "text.h"
#include "voice_ini.h"

namespace zz {

namespace {

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

// UTF-16 puts a NUL beside every ASCII character, all on even or all on odd offsets; other
// NUL bytes mean a binary file.
FileProblem NulProblem(std::string_view bytes) {
  if (!std::memchr(bytes.data(), '\0', bytes.size())) return FileProblem::kNone;  // a text file, at once
  std::size_t even = 0, odd = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] == '\0') ++(i % 2 ? odd : even);
  if (even + odd == 0) return FileProblem::kNone;
  const std::size_t more = even > odd ? even : odd, fewer = even > odd ? odd : even;
  return (more * 4 >= bytes.size() && fewer * 10 <= more) ? FileProblem::kUtf16 : FileProblem::kBinary;
}

// A CR that ends a line without an LF after it; one at the very end of the file ends no line.
bool HasLoneCr(std::string_view bytes) {
  for (std::size_t i = bytes.find('\r'); i != std::string_view::npos && i + 1 < bytes.size();
       i = bytes.find('\r', i + 1))
    if (bytes[i + 1] != '\n') return true;
  return false;
}

struct Sections {
  bool text = false;    // a line that is not blank
  bool schema = false;  // a section a configuration holds
  bool voice = false;   // a VoiceDevices: section
};

// Stops at the first section a configuration holds: the rest cannot change the file's form.
Sections ScanSections(std::string_view bytes) {
  Sections found;
  CONF_LINE line;
  while (!bytes.empty()) {
    std::size_t lf = bytes.find('\n');
    std::string_view raw = bytes.substr(0, lf);
    bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
    if (Trim(raw).empty()) continue;
    found.text = true;
    if (!IsSectionHeader(raw)) continue;
    // Section names are ASCII; the bytes need no decoding to be compared.
    ParseLine(line, std::string(raw));
    if (IsSchemaSection(line.section)) found.schema = true;
    if (found.schema) break;
    if (StartsWith(line.section, kVoiceSectionPrefix)) found.voice = true;
  }
  return found;
}

}  // namespace

bool StartsWithByteOrderMark(std::string_view bytes) {
  return StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF") || StartsWith(bytes, "\xEF\xBB\xBF");
}

FileProblem FormProblem(std::string_view bytes, FileRole role) {
  if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF")) return FileProblem::kUtf16;
  if (StartsWith(bytes, "\xEF\xBB\xBF")) return FileProblem::kUtf8Bom;
  if (FileProblem nul = NulProblem(bytes); nul != FileProblem::kNone) return nul;
  if (role == FileRole::kSettings) return FileProblem::kNone;
  if (role == FileRole::kVoiceList) {
    // The INI reader splits lines at CR as well, so only a configuration's sections tell.
    return ScanSections(bytes).schema ? FileProblem::kConfigurationNotVoiceList : FileProblem::kNone;
  }
  if (HasLoneCr(bytes)) return FileProblem::kCrOnlyLineEnds;
  Sections sections = ScanSections(bytes);
  if (!sections.text || sections.schema) return FileProblem::kNone;
  return sections.voice ? FileProblem::kVoiceListNotConfiguration : FileProblem::kNotConfiguration;
}

FileProblem ProblemOf(ReadFault fault) {
  switch (fault) {
    case ReadFault::kNone: return FileProblem::kNone;
    case ReadFault::kAbsent: return FileProblem::kAbsent;
    case ReadFault::kFolder: return FileProblem::kFolder;
    case ReadFault::kHeld: return FileProblem::kHeld;
    case ReadFault::kDenied: return FileProblem::kDenied;
    case ReadFault::kFailed: return FileProblem::kFailed;
  }
  return FileProblem::kFailed;
}

FileProblem ReadAs(const std::string& path, FileRole role, std::string& bytes) {
  if (FileProblem read = ProblemOf(TryReadFile(path, bytes)); read != FileProblem::kNone) return read;
  return FormProblem(bytes, role);
}

bool IsFormProblem(FileProblem problem) { return problem >= FileProblem::kUtf16; }

std::string FileProblemText(FileProblem problem, const std::string& path) {
  using namespace text::file;
  switch (problem) {
    case FileProblem::kNone: return {};
    case FileProblem::kAbsent: return CannotRead(path, kAbsent);
    case FileProblem::kFolder: return CannotRead(path, kFolder);
    case FileProblem::kHeld: return CannotRead(path, kHeld);
    case FileProblem::kDenied: return CannotRead(path, kDenied);
    case FileProblem::kFailed: return CannotRead(path, kFailed);
    case FileProblem::kUtf16: return Unreadable(path, kUtf16, FixSaveAsAnsi);
    case FileProblem::kUtf8Bom: return Unreadable(path, kUtf8Bom, FixSaveAsAnsi);
    case FileProblem::kBinary: return Unreadable(path, kBinary, FixRestoreCopy);
    case FileProblem::kCrOnlyLineEnds: return Unreadable(path, kCrOnly, FixSaveAsAnsi);
    case FileProblem::kNotConfiguration: return Unreadable(path, kNoSection, FixChooseConfiguration);
    case FileProblem::kVoiceListNotConfiguration: return Unreadable(path, kVoiceList, FixChooseConfiguration);
    case FileProblem::kConfigurationNotVoiceList: return Unreadable(path, kConfiguration, FixChooseVoiceList);
  }
  return {};
}

}  // namespace zz
