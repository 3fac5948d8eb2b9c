// The real main window on a temporary program directory, driven by messages, with the
// message boxes met by the dialog watcher.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "conf_param.h"
#include "dialog_watcher.h"
#include "form_pr.h"
#include "main_form.h"
#include "test_support.h"
#include "ui/win_prompts.h"

namespace zz::test {

class CountingBeeper : public Beeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
};

// No service to be had: the page shows what it shows when the manager fails.
class NoService : public ServiceApi {
 public:
  bool Open(const std::string&) override { return false; }
  std::string StateText() override { return "?"; }
  std::uint32_t CurrentState() const override { return 0; }
  std::string ExecutablePath() const override { return {}; }
  std::uint32_t StartType() const override { return 0; }
  bool SetStartType(std::uint32_t) override { return false; }
  bool Start() override { return false; }
  bool Stop() override { return false; }
};

// Real message boxes and input box; the file dialogs answer from a script.
class ScriptedFilePrompts : public WinPrompts {
 public:
  std::optional<std::string> FileDialogOver(HWND owner, const FileDialogSpec& dialog, bool save) override;
  std::vector<FileDialogSpec> dialogs;
  std::deque<std::optional<std::string>> fileAnswers;
};

class MainWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void TearDown() override;

  // Creates the window as the program does, FormCreate included, and shows it.
  void Start(ServiceApi* service = nullptr);
  // Asks the window to close; true when it was destroyed.
  bool Close();
  // Stops the current window and starts a new one on the same directory.
  void Restart();

  TMainForm& Form() { return *form_; }
  Editor& Ed() { return form_->EditorSeam(); }
  ConfigState& State() { return form_->Session().state; }
  std::string Conf() const { return dir.File("zidezir.conf"); }
  // A typed character, as the keyboard delivers it.
  void Type(const EditField& edit, unsigned ch) const;
  void TypeText(const EditField& edit, const std::string& ascii) const;
  void Click(const ui::Button& button) const;
  // The field's last character replaced with real input, as the user does it: a click into
  // the field, End, Backspace and the key (a digit or a capital letter).
  void RetypeLast(const EditField& field, char key);
  void Menu(int id) const;
  bool Visible(const Page& page) const { return page.Visible(); }

  TempDir dir;
  DialogWatcher watcher;
  CountingBeeper beeper;
  ScriptedFilePrompts prompts;
  NoService noService;
  std::string settingsFileName;
  // The watch after a start with a new configuration: short, so that a restart ends soon.
  std::chrono::milliseconds guard{3000};

 private:
  std::unique_ptr<ConfParamTable> table_;
  std::unique_ptr<TMainForm> form_;
  std::unique_ptr<TFormPr> formPr_;
  ServiceApi* service_ = nullptr;
};

// A configuration with every key, two blocks, two prefixes and a VoiceDevices section (LF lines).
std::string SampleConf();

// What the window shows, read from its controls as another program would: the right edges
// of the status bar's parts, and the text of the hint on show (empty when none is).
std::vector<int> StatusPartEdges(const ui::StatusBar& bar);
std::string ShownHint(const ui::Tooltip& tips);

}  // namespace zz::test
