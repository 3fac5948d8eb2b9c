#include "conf_document.h"

#include "conf_loader.h"
#include "messages.h"
#include "conf_writer.h"
#include "cp1251.h"
#include "devices_body.h"
#include "file_form.h"
#include "file_system.h"
#include "guarded_write.h"
#include "key_rules.h"
#include "save_effects.h"
#include "save_flows.h"
#include "voice_ini.h"
#include "zconf_texts.h"

namespace zz::zconf {


MessageAnswer StreamPrompts::Show(const MessageSpec& message) {
  err_ << "message: " << message.text << "\n";
  return message.buttons == MessageButtons::kOk ? MessageAnswer::kOk : MessageAnswer::kNo;
}

void StreamPrompts::ShowError(const std::string& message) { err_ << "message: " << message << "\n"; }

int WriteRefusal(const WriteOutcome& written, Io& io) {
  switch (written.end) {
    case WriteEnd::kWritten:
      if (!written.historyKept) Warn(io, written.reason);
      return kExitOk;
    case WriteEnd::kUnchanged: return kExitOk;
    case WriteEnd::kBusy:
    case WriteEnd::kChanged: return Refuse(io, written.reason, kExitBusy);
    case WriteEnd::kRefused: return Refuse(io, written.reason, kExitUsage);
    case WriteEnd::kNotWritten: break;
  }
  return Refuse(io, written.reason, kExitFailed);
}

std::optional<std::string> ReadConfiguration(const std::string& path, Io& io) {
  std::string bytes;
  FileProblem problem = ReadAs(path, FileRole::kConfiguration, bytes);
  if (problem == FileProblem::kNone) return bytes;
  Refuse(io, FileProblemText(problem, path));
  return std::nullopt;
}

ConfDocument::ConfDocument(std::string path, Io& io, std::string program)
    : path_(std::move(path)),
      io_(io),
      program_(std::move(program)),
      prompts_(io.err),
      session_{table_, editor_, prompts_, "", {}} {}

bool ConfDocument::Load(bool forChange) {
  if (forChange) {
    const std::string lockPath = FileLock::LockPathOf(path_);
    lock_ = std::make_unique<FileLock>(lockPath, kFileLockWait);
    if (lock_->state() == FileLock::State::kBusy) {
      failed_ = Refuse(io_, ConfigurationBusyText(path_), kExitBusy);
      return false;
    }
    if (lock_->state() == FileLock::State::kNotAFile) {
      failed_ = Refuse(io_, text::history::LockNotAFile(lockPath), kExitUsage);
      return false;
    }
  }
  std::optional<std::string> bytes = ReadConfiguration(path_, io_);
  if (!bytes) return false;
  bytes_ = std::move(*bytes);
  LoadConfigBytes(session_, path_, bytes_);
  lines_ = ScanLines(bytes_);
  return true;
}

bool ConfDocument::RefuseLoadErrors(const std::vector<const KeyField*>& willSet) {
  for (const ScannedLine* l : InvalidIntegerLines(lines_)) {
    bool replaced = false;
    for (const KeyField* f : willSet) replaced = replaced || f == l->field;
    if (!replaced) {
      Refuse(io_, LoadRefused(path_, l->number, KeyName(*l->field), Shown(l->line.value)));
      return false;
    }
  }
  return true;
}

BlockRows ConfDocument::Blocks() {
  BlockRows rows = editor_.StringGrid1().Rows();
  return IsPlaceholder(rows) ? BlockRows() : rows;
}

std::optional<int> ConfDocument::Block(const std::string& text) {
  std::size_t count = Blocks().size();
  std::optional<int> n = PlainNumber(text);
  if (n && *n >= 1 && static_cast<std::size_t>(*n) <= count) return n;
  Refuse(io_, n ? NoBlock(*n, count) : NotANumber(kBlockWord, Shown(text)));
  return std::nullopt;
}

IniFile& ConfDocument::Voice() {
  // In memory, so that no copy of the units outlives the command, however it ends.
  if (!voice_) voice_.emplace("", VoiceFileOf(bytes_));
  return *voice_;
}

std::string ConfDocument::SavedBytes() {
  // As the save sequence: the clean-up first, then voice.ini.
  return Utf8ToCp1251(SavedText(editor_, table_, VoiceAppendix(Voice().Bytes()), CleanUp::kBeforeAppend));
}

int ConfDocument::Finish(const std::vector<const KeyField*>& asked, const Json& extra, const std::string& printed,
                         bool dryRun) {
  const std::string bytes = SavedBytes();
  const bool changed = bytes != bytes_;
  // In an empty file everything is new; besides what was asked there is nothing to tell.
  if (changed && !bytes_.empty())
    for (const std::string& effect : SaveEffects(bytes_, bytes, asked)) Warn(io_, effect);
  if (changed && !dryRun) {
    // Under the lock no other zconf or window saves; a program that takes no lock (an
    // editor) may still have written meanwhile, which the write finds.
    WriteRequest request;
    request.target = path_;
    request.bytes = bytes;
    request.note = {program_, summary_};
    request.expected = bytes_;
    request.lockHeld = lock_ && lock_->state() == FileLock::State::kHeld;
    const WriteOutcome written = WriteConfiguration(request);
    if (written.end == WriteEnd::kChanged) return Refuse(io_, ChangedMeanwhile(path_), kExitBusy);
    if (int code = WriteRefusal(written, io_)) return code;
    bytes_ = bytes;
  }
  return Report(changed, extra, printed);
}

int ConfDocument::Report(bool changed, const Json& extra, const std::string& printed) {
  if (io_.json) {
    Json result;
    result["file"] = path_;
    result["changed"] = changed;
    result["failed"] = false;
    result["warnings"] = io_.warnings;
    for (const auto& [key, value] : extra.items()) result[key] = value;
    io_.out << JsonText(result);
  } else {
    io_.out << printed;
  }
  return kExitOk;
}

}  // namespace zz::zconf
