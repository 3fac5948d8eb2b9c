#include "block_identity.h"

#include <functional>

namespace zz::zconf {

std::vector<std::optional<std::size_t>> MatchBlocks(const std::vector<BlockIdentity>& file,
                                                    const std::vector<BlockIdentity>& desired) {
  std::vector<std::optional<std::size_t>> match(desired.size());
  std::vector<bool> taken(file.size(), false);
  auto pass = [&](const std::function<bool(const BlockIdentity&, const BlockIdentity&)>& same) {
    for (std::size_t i = 0; i < desired.size(); ++i)
      for (std::size_t j = 0; j < file.size() && !match[i]; ++j)
        if (!taken[j] && same(desired[i], file[j])) {
          match[i] = j;
          taken[j] = true;
        }
  };
  pass([](const BlockIdentity& want, const BlockIdentity& had) {
    return want.typeIndex == had.typeIndex &&
           (want.typeIndex == 0 ? want.port == had.port : want.address == had.address);
  });
  pass([](const BlockIdentity& want, const BlockIdentity& had) {
    return want.typeIndex != had.typeIndex && want.port == had.port;
  });
  return match;
}

}  // namespace zz::zconf
