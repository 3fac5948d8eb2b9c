// The block page's handlers on the main window: they bind the page's hooks to the block
// list's actions, make a block dialog for each add or change and keep voice.ini in step.
#pragma once

#include "block_list_actions.h"
#include "main_form.h"
#include "uinput.h"
#include "voice_ini.h"
#include "win_prompts.h"

namespace zz {

class BlockListHandlers : private BlockDialogRunner {
 public:
  // The record dialog is the program's one; the prompts are the main window's.
  BlockListHandlers(TMainForm& form, TFormInput& formInput, WinPrompts& prompts);
  ~BlockListHandlers() override;
  BlockListHandlers(const BlockListHandlers&) = delete;
  BlockListHandlers& operator=(const BlockListHandlers&) = delete;

  void ButtonAddClick();
  void ButtonEditClick();  // also a double-click on the grid
  void ButtonDelClick();
  void StringGrid1SelectCell(int row);

  int CurrentBlock() const { return actions_.CurrentBlock(); }

 private:
  // BlockDialogRunner: a block dialog made for this one use.
  bool Run(BlockDialogData& block, UnitRows& units) override;
  // The grid's current row, counted from 1; 0 for none.
  int CurrentGridRow() const;

  template <class Action>
  void Act(Action&& action);

  TMainForm& form_;
  TFormInput& formInput_;
  WinPrompts& prompts_;
  VoiceIni voice_;
  BlockListActions actions_;
  bool acting_ = false;
};

}  // namespace zz
