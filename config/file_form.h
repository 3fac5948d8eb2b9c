// Whether a file can be read as what it should be. A file the program cannot read as a
// configuration (or as a list of intercom units) is never replaced: the gateway's settings
// in it would be lost to the defaults of a save.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "file_system.h"

namespace zz {

enum class FileRole {
  kConfiguration,  // zidezir.conf or another configuration file
  kVoiceList,      // voice.ini: VoiceDevices: sections only
  kSettings,       // Zurerizeda.ini: any INI text
};

enum class FileProblem {
  kNone,
  // The file cannot be read at all.
  kAbsent,
  kFolder,
  kHeld,
  kDenied,
  kFailed,
  // It can be read, but not as what it should be.
  kUtf16,                 // UTF-16 text, with or without its byte-order mark
  kUtf8Bom,               // UTF-8 with a byte-order mark in front of the first line
  kBinary,                // NUL bytes: not a text file
  kCrOnlyLineEnds,        // lines ended by CR alone, which the line parser does not split
  kNotConfiguration,      // text, but no section a configuration holds
  kVoiceListNotConfiguration,  // a voice.ini: VoiceDevices: sections only
  kConfigurationNotVoiceList,  // a configuration given where a voice.ini belongs
};

// The bytes begin with the byte-order mark of UTF-16 or UTF-8.
bool StartsWithByteOrderMark(std::string_view bytes);

// The problem of the bytes as a file of the role; kNone for an empty file.
FileProblem FormProblem(std::string_view bytes, FileRole role);

// Reads the file and judges its form; `bytes` holds the file when the result is kNone.
FileProblem ReadAs(const std::string& path, FileRole role, std::string& bytes);

// A problem of reading or of the form; kNone for kNone.
FileProblem ProblemOf(ReadFault fault);

// The problem is the file's form, not a failure to read it: the file is there as it is.
bool IsFormProblem(FileProblem problem);

// What is wrong with which file and how to fix it, in the program's words.
std::string FileProblemText(FileProblem problem, const std::string& path);

// An operation refused a file it cannot read as what it should be; the text is
// FileProblemText's.
class UnreadableFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace zz
