// Helpers shared by the tests: temporary directories with real files, scripted prompts.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "prompts.h"

namespace zz::test {

// A fresh directory under the system's temporary directory, removed with its files.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string Path() const;                         // UTF-8
  std::string File(const std::string& name) const;  // UTF-8 path of a file inside
  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;
  bool Exists(const std::string& name) const;

 private:
  std::filesystem::path dir_;
};

// The bytes of a file of the source tree's test data.
std::string ReadDataFile(const std::string& relative);
std::string DataPath(const std::string& relative);

// Records every message, error and dialog; answers from scripts. When a script runs out,
// message boxes are answered OK and dialogs and input boxes are cancelled.
class RecordingPrompts : public Prompts {
 public:
  MessageAnswer Show(const MessageSpec& message) override;
  void ShowError(const std::string& message) override;
  std::optional<std::string> OpenFile(const FileDialogSpec& dialog) override;
  std::optional<std::string> SaveFile(const FileDialogSpec& dialog) override;
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& value) override;

  std::vector<MessageSpec> messages;
  std::vector<std::string> errors;
  std::vector<FileDialogSpec> dialogs;
  struct Input {
    std::string caption, prompt, value;
  };
  std::vector<Input> inputs;

  // Called with each message as it is shown, for a look at the files at that moment.
  std::function<void(const MessageSpec&)> onShow;

  std::deque<MessageAnswer> answers;
  std::deque<std::optional<std::string>> fileAnswers;   // for OpenFile and SaveFile
  std::deque<std::optional<std::string>> inputAnswers;  // for InputBox
};

// An ASCII text in UTF-16 LE, as Windows PowerShell 5.1 writes a file (with its byte-order
// mark) or as some tools write it without one.
std::string Utf16Le(const std::string& ascii, bool bom = true);

// "a\nb\n" -> "a\r\nb\r\n": expected file contents written readably.
// A symbolic link at `link` to the folder or file `target` (under Wine, a Unix link in the
// prefix, as Wine keeps them); false when none could be made.
bool MakeLink(const std::string& target, const std::string& link);

std::string Crlf(const std::string& lfText);

}  // namespace zz::test
