// The real main window with the block page's handlers bound as the program binds them,
// and the block dialog met from the dialog watcher's thread.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "block_list_handlers.h"
#include "dialog_steps.h"
#include "main_window_fixture.h"
#include "uinput.h"

namespace zz::test {

class BlocksWindowTest : public MainWindowTest {
 protected:
  void TearDown() override;

  // Starts the window on the directory's files, as the program does, with the handlers.
  void StartWithBlocks(const std::string& conf, const std::string& voiceLfText);

  BlockPage& Trl() { return Form().PanelTrl(); }
  const ui::ListView& Grid1() { return Trl().StringGrid1.control(); }
  BlockRows Rows() { return Trl().StringGrid1.Rows(); }
  // Selects a row of the grid, counted from 1, as a click on it does.
  void SelectRow(int row);
  BlockListHandlers& Handlers() { return *handlers_; }
  // voice.ini as text, and voice.ini written from lines ending in LF.
  std::string Voice() const;
  void WriteVoice(const std::string& lfText) const;
  std::string SavedConf() const;
  // A revision to go back to in zidezir.conf's history, as another program's save of `other`
  // (UTF-8) and one back to what the window loaded would leave it; the note says `summary`.
  void AddRevision(const std::string& other, const std::string& summary) const;

  // Runs `open` on this thread; the block dialog it shows is handed to `steps` on the
  // watcher's thread and then closed with `button`. False when no dialog came.
  bool WithBlockDialog(const std::function<void()>& open, const std::function<void(const DialogSteps&)>& steps,
                       int button);

  TFormInput formInput{beeper};

 private:
  std::unique_ptr<BlockListHandlers> handlers_;
};

// A configuration with the given Devices body (lines ending in LF) and VoiceDevices sections.
std::string ConfWithBlocks(const std::string& devicesLf, const std::string& voiceSectionsLf);
// The two blocks of SampleConf, the first with `count` intercom units of every type, numbered
// from 1 (at most 255).
std::string ConfWithManyUnits(int count);

}  // namespace zz::test
