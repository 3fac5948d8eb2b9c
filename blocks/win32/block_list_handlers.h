// The block page's handlers: they bind the page's hooks to the block list's actions, make a
// block dialog for each add or change and keep voice.ini in step. They are given what they
// work on, so that only the program's entry knows both the main window and the blocks.
#pragma once

#include "block_list_actions.h"
#include "block_page.h"
#include "config_session.h"
#include "ui/win_prompts.h"
#include "uinput.h"
#include "voice_ini.h"

namespace zz {

class BlockListHandlers : private BlockDialogRunner {
 public:
  // The block page with its grid, the session whose modified flag the actions set, the
  // program's record dialog, the prompts and the window the block dialogs stand over.
  BlockListHandlers(BlockPage& page, ConfigSession& session, TFormInput& formInput, WinPrompts& prompts, HWND owner);
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

  BlockPage& page_;
  ConfigSession& session_;
  TFormInput& formInput_;
  WinPrompts& prompts_;
  HWND owner_;
  VoiceIni voice_;
  BlockListActions actions_;
  bool acting_ = false;
};

}  // namespace zz
