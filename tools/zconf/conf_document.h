// One configuration file as the program holds it: loaded into an editor of its own, its
// VoiceDevices: sections in a voice.ini of its own (a temporary file), and written back as
// the program saves zidezir.conf.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "command_line.h"
#include "conf_scan.h"
#include "config_session.h"
#include "editor_model.h"
#include "file_system.h"
#include "guarded_write.h"
#include "history.h"
#include "ini_file.h"
#include "json_out.h"

namespace zz::zconf {

// Messages of the core: shown as the window would show them, as "message: text" lines.
class StreamPrompts : public Prompts {
 public:
  explicit StreamPrompts(std::ostream& err) : err_(err) {}
  MessageAnswer Show(const MessageSpec& message) override;
  void ShowError(const std::string& message) override;
  std::optional<std::string> OpenFile(const FileDialogSpec&) override { return std::nullopt; }
  std::optional<std::string> SaveFile(const FileDialogSpec&) override { return std::nullopt; }
  std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }

 private:
  std::ostream& err_;
};

// The exit code of a guarded write (0 written or unchanged), its refusal or failure told.
int WriteRefusal(const WriteOutcome& written, Io& io);

// Reads a file as a configuration; the refusal (exit 2) when it cannot be read as one.
std::optional<std::string> ReadConfiguration(const std::string& path, Io& io);

class ConfDocument {
 public:
  // `program` is what the file's history says made the change ("zconf set").
  ConfDocument(std::string path, Io& io, std::string program = "zconf");
  ConfDocument(const ConfDocument&) = delete;
  ConfDocument& operator=(const ConfDocument&) = delete;

  // Loads the file as the program does; the load's own messages go to standard error.
  // For a change, the file's lock is taken first and held until the document goes, so that
  // no other zconf or window saves between this read and this write. False (refused with
  // the reason; Failed() is the exit code) when it cannot be read as a configuration or
  // another program held the lock too long.
  bool Load(bool forChange = false);
  int Failed() const { return failed_; }

  // The summary the file's history gives the change, when the command has compared already.
  void SetSummary(std::string summary) { summary_ = std::move(summary); }

  const std::string& Path() const { return path_; }
  // The file's bytes as loaded (Windows-1251).
  const std::string& Bytes() const { return bytes_; }
  EditorModel& Editor() { return editor_; }
  ConfParamTable& Table() { return table_; }
  const std::vector<ScannedLine>& Lines() const { return lines_; }
  Prompts& Messages() { return prompts_; }
  // The block rows; none when the list holds no block.
  BlockRows Blocks();
  // The number of block `text` names, or nothing (with the message) when there is none.
  std::optional<int> Block(const std::string& text);

  // Refuses (message, false) when the load could not take a strict integer of a key that
  // `willSet` does not replace: saving would silently put the field's old content there.
  bool RefuseLoadErrors(const std::vector<const KeyField*>& willSet);

  // voice.ini with the file's VoiceDevices: sections, made as the program makes it at
  // start-up, held in memory.
  IniFile& Voice();

  // The bytes a save would write now (Windows-1251).
  std::string SavedBytes();

  // Writes the file as the program saves it, unless the bytes stay the same, and says what
  // the save changes besides the keys `asked` (and the blocks and units a command changed)
  // as warnings. Then the command's result: exit 0, or 1 when the file could not be
  // written; with --json the result document, `extra` members added, else `printed`.
  // A dry run writes nothing: its result says what the save would change.
  int Finish(const std::vector<const KeyField*>& asked, const Json& extra = {}, const std::string& printed = {},
             bool dryRun = false);

  // The command's result without a save: with --json the result document (`extra` members
  // added), else `printed`; exit 0.
  int Report(bool changed, const Json& extra = {}, const std::string& printed = {});

 private:
  std::string path_;
  Io& io_;
  std::string program_;
  std::string summary_;
  std::unique_ptr<FileLock> lock_;
  int failed_ = kExitUsage;
  std::string bytes_;       // the file as loaded
  ConfParamTable table_;
  EditorModel editor_;
  StreamPrompts prompts_;
  ConfigSession session_;
  std::vector<ScannedLine> lines_;
  std::optional<IniFile> voice_;
};

}  // namespace zz::zconf
