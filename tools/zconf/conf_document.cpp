#include "conf_document.h"

#include <filesystem>
#include <random>
#include <sstream>

#include "conf_loader.h"
#include "devices_body.h"
#include "conf_writer.h"
#include "cp1251.h"
#include "file_system.h"
#include "key_rules.h"
#include "voice_ini.h"
#include "zconf_texts.h"

namespace zz::zconf {

namespace fs = std::filesystem;

MessageAnswer StreamPrompts::Show(const MessageSpec& message) {
  err_ << "message: " << message.text << "\n";
  return message.buttons == MessageButtons::kOk ? MessageAnswer::kOk : MessageAnswer::kNo;
}

void StreamPrompts::ShowError(const std::string& message) { err_ << "message: " << message << "\n"; }

ConfDocument::ConfDocument(std::string path, Io& io)
    : path_(std::move(path)), io_(io), prompts_(io.err), session_{table_, editor_, prompts_, "", {}} {}

ConfDocument::~ConfDocument() {
  std::error_code ec;
  if (!voicePath_.empty()) fs::remove(fs::u8path(voicePath_), ec);
}

bool ConfDocument::Load() {
  if (!ReadFileBytes(path_, bytes_)) {
    Refuse(io_, CannotRead(path_));
    return false;
  }
  LoadConfigBytes(session_, path_, bytes_);
  lines_ = ScanLines(bytes_);
  return true;
}

bool ConfDocument::RefuseLoadErrors(const std::vector<const KeyField*>& willSet) {
  for (const ScannedLine* l : InvalidIntegerLines(lines_)) {
    bool replaced = false;
    for (const KeyField* f : willSet) replaced = replaced || f == l->field;
    if (!replaced) {
      Refuse(io_, LoadRefused(path_, l->number, KeyName(*l->field), l->line.value));
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
  Refuse(io_, n ? NoBlock(*n, count) : NotANumber("block", text));
  return std::nullopt;
}

const std::string& ConfDocument::VoicePath() {
  if (!voicePath_.empty()) return voicePath_;
  std::error_code ec;
  fs::path dir = fs::temp_directory_path(ec);
  if (!ec) {
    std::random_device random;
    std::ostringstream name;
    name << "zconf-" << std::hex << random() << random() << ".ini";
    std::string path = (dir / name.str()).u8string();
    if (RebuildVoiceFile(path_, path))
      voicePath_ = path;  // removed by the destructor
    else
      fs::remove(fs::u8path(path), ec);
  }
  if (voicePath_.empty()) Refuse(io_, CannotPrepareVoice());
  return voicePath_;
}

bool ConfDocument::Save() {
  if (VoicePath().empty()) return false;
  EditorToEntries(editor_, table_);
  // As the save sequence: the clean-up first, then voice.ini.
  std::string text = RemoveEmptyValues(ComposeConfiguration(table_));
  std::optional<std::string> voice = VoiceAppendix(voicePath_);
  std::string bytes = Utf8ToCp1251(text + voice.value_or(""));
  std::string refusal;
  if (!voice)
    refusal = CannotPrepareVoice();
  else if (bytes == bytes_)
    return true;  // nothing changes: the file is left alone
  else if (!LockTest(path_))
    refusal = FileLocked(path_);
  else if (!WriteFileAtomic(path_, bytes))
    refusal = CannotWrite(path_);
  if (!refusal.empty()) {
    Refuse(io_, refusal);
    return false;
  }
  bytes_ = bytes;
  return true;
}

}  // namespace zz::zconf
