// The Devices section's lines and the block rows of StringGrid1.
#pragma once

#include <string>

#include "conf_param.h"
#include "editor.h"

namespace zz {

// The block row that a Devices key line describes, numbered `number`.
BlockRow BlockRowFromLine(int number, const std::string& value, const std::string& comment);

// The number formed by the digits after the first three characters of a port cell ("COM12" gives 12).
int PortFromCell(const std::string& cell);

// The grid's only data row with an empty type cell: the list holds no block.
bool IsPlaceholder(const BlockRows& rows);

// The Devices body's key lines, one per block: index "=" port ["," address] [" ;" comment].
LineList DevicesLines(const BlockRows& rows);

}  // namespace zz
