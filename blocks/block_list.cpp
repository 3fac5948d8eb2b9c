#include "block_list.h"

#include "block_texts.h"
#include "devices_body.h"
#include "page_fields.h"

namespace zz {

BlockDialogData NewBlockDialog() {
  BlockDialogData d;
  d.ip = kNewBlockIp;
  d.port = 1;
  d.typeIndex = 0;
  d.comment = kNewBlockComment;
  d.caption = kAddBlockCaption;
  return d;
}

BlockDialogData BlockDialogFromRow(const BlockRow& row) {
  BlockDialogData d;
  d.ip = row[3];
  d.port = PortFromCell(row[2]);
  d.typeIndex = row[1] == kBlockTypeSerial ? 0 : 1;
  d.comment = row[4];
  d.caption = kChangeBlockCaption;
  return d;
}

std::string WriteBlockRow(BlockRow& row, const BlockDialogData& dialog) {
  bool ip = dialog.typeIndex != 0;
  row[1] = ip ? kBlockTypeIp : kBlockTypeSerial;
  row[3] = ip ? dialog.ip : std::string();
  row[2] = "COM" + std::to_string(dialog.port);
  row[4] = dialog.comment.empty() ? std::string(kNewBlockComment) : dialog.comment;
  return row[4];
}

void RenumberBlocks(BlockRows& rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i][0] = std::to_string(i + 1);
}

int AddBlock(BlockRows& rows, const BlockDialogData& dialog) {
  if (!IsPlaceholder(rows)) rows.emplace_back();
  WriteBlockRow(rows.back(), dialog);
  RenumberBlocks(rows);
  return static_cast<int>(rows.size());
}

bool DeleteBlock(BlockRows& rows, int y) {
  if (rows.size() < 2 || y < 1 || y > static_cast<int>(rows.size())) return false;
  rows.erase(rows.begin() + (y - 1));
  RenumberBlocks(rows);
  return true;
}

}  // namespace zz
