// The handlers of the block list on the main window: which row they act on, when the
// configuration counts as modified, and how each block's section of voice.ini follows it.
#pragma once

#include "block_list.h"
#include "editor.h"
#include "unit_list.h"
#include "voice_ini.h"

namespace zz {

// The block dialog as the block list uses it: shown filled with a block and its units,
// true when closed with OK, the two then holding what the user confirmed.
class BlockDialogRunner {
 public:
  virtual ~BlockDialogRunner() = default;
  virtual bool Run(BlockDialogData& block, UnitRows& units) = 0;
};

class BlockListActions {
 public:
  BlockListActions(BlockGridControl& grid, bool& modified, VoiceIni& voice, BlockDialogRunner& dialog);

  // `row` is the grid's current row, counted from 1 (0 when there is none).
  void ButtonAddClick();
  void ButtonEditClick(int row);
  void ButtonDelClick(int row);
  void StringGrid1SelectCell(int row) { currentBlock_ = row; }

  // The block whose units are stored next.
  int CurrentBlock() const { return currentBlock_; }

 private:
  BlockGridControl& grid_;
  bool& modified_;
  VoiceIni& voice_;
  BlockDialogRunner& dialog_;
  int currentBlock_ = 0;
};

}  // namespace zz
