#include "block_list_actions.h"

namespace zz {

BlockListActions::BlockListActions(BlockGridControl& grid, bool& modified, VoiceIni& voice, BlockDialogRunner& dialog)
    : grid_(grid), modified_(modified), voice_(voice), dialog_(dialog) {}

void BlockListActions::ButtonAddClick() {
  BlockDialogData block = NewBlockDialog();
  UnitRows units(1);
  RenumberUnits(units);
  if (!dialog_.Run(block, units)) return;
  modified_ = true;
  BlockRows rows = grid_.Rows();
  const int n = AddBlock(rows, block);
  currentBlock_ = n;
  grid_.SetRows(rows);
  voice_.StoreBlockUnits(n, units);
  modified_ = true;
}

void BlockListActions::ButtonEditClick(int row) {
  BlockRows rows = grid_.Rows();
  if (row < 1 || row > static_cast<int>(rows.size())) return;
  BlockDialogData block = BlockDialogFromRow(rows[static_cast<std::size_t>(row - 1)]);
  currentBlock_ = row;
  UnitRows units = UnitRowsFromRecords(voice_.ReadBlockUnits(row));
  if (!dialog_.Run(block, units)) return;
  modified_ = true;
  WriteBlockRow(rows[static_cast<std::size_t>(row - 1)], block);
  // The list's empty row, once it holds a block, is numbered like every other.
  RenumberBlocks(rows);
  grid_.SetRows(rows);
  voice_.StoreBlockUnits(row, units);
  modified_ = true;
}

void BlockListActions::ButtonDelClick(int row) {
  modified_ = true;
  BlockRows rows = grid_.Rows();
  if (!DeleteBlock(rows, row)) return;
  currentBlock_ = row;
  grid_.SetRows(rows);
  voice_.RemoveBlockSection(row);
}

}  // namespace zz
