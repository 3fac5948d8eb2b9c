// The rules of the block list: what the block dialog is filled with and what its result
// does to the rows of StringGrid1. Rows are numbered 1 to n, row n is block n.
#pragma once

#include <string>

#include "editor.h"
#include "page_fields.h"

namespace zz {

// The block dialog's port up-down.
inline constexpr UpDownRange kBlockPortRange = {1, 255, 1, 1};

struct BlockDialogData {
  int typeIndex = 0;  // 0 ТРЛ-М, 1 ТРЛ-МЕ
  int port = 1;
  std::string ip;
  std::string comment;
  std::string caption;
};

// The block dialog for a new block.
BlockDialogData NewBlockDialog();

// The block dialog filled from a row of the grid.
BlockDialogData BlockDialogFromRow(const BlockRow& row);

// Writes the dialog's result into columns 1 to 4 of a row; an empty comment becomes
// "Новый блок" (returned, so that the dialog's own field can show it too).
std::string WriteBlockRow(BlockRow& row, const BlockDialogData& dialog);

// Numbers column 0 of every row by its position.
void RenumberBlocks(BlockRows& rows);

// Adds a block: the first block of a list without blocks takes the empty row. Returns the
// new block's number.
int AddBlock(BlockRows& rows, const BlockDialogData& dialog);

// Deletes block y (1-based) and moves the later rows up. The last remaining row is never
// deleted. Returns whether a row was removed.
bool DeleteBlock(BlockRows& rows, int y);

}  // namespace zz
