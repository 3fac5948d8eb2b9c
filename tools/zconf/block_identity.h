// Which of the file's blocks a desired block is: the same type on the same port (ТРЛ-М) or
// at the same address (ТРЛ-МЕ); failing that, a block that changes its type in place keeps
// its port. A block whose type and port both change is a new block.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zz::zconf {

struct BlockIdentity {
  int typeIndex;  // 0 ТРЛ-М, 1 ТРЛ-МЕ
  int port;       // 0 when a desired ТРЛ-МЕ block leaves it out
  std::string address;
};

// For each desired block, the index of the file's block it is, or nothing for a new block.
// No file block is taken twice; among equals the earlier one is taken first.
std::vector<std::optional<std::size_t>> MatchBlocks(const std::vector<BlockIdentity>& file,
                                                    const std::vector<BlockIdentity>& desired);

}  // namespace zz::zconf
