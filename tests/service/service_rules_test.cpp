#include "service_rules.h"

#include <gtest/gtest.h>

namespace zz {
namespace {

TEST(ServiceRules, StateTextsCoverTheSevenStatesAndNothingElse) {
  const std::pair<std::uint32_t, const char*> cases[] = {
      {0, "?"},
      {1, "остановлена"},
      {2, "запускается..."},
      {3, "останавливается..."},
      {4, "выполняется"},
      {5, "ожидание продолжения"},
      {6, "ожидание паузы"},
      {7, "пауза"},
      {8, "?"},
      {0xFFFFFFFFu, "?"},
  };
  for (auto [state, text] : cases) EXPECT_EQ(StateTextFor(state), text) << "state " << state;
}

TEST(ServiceRules, StartTypeItemByCode) {
  // Boot and system start have no item, nor has anything the system may add later.
  const std::pair<std::uint32_t, int> cases[] = {{0, -1}, {1, -1}, {2, 0}, {3, 1}, {4, 2}, {5, -1}};
  for (auto [startType, index] : cases) EXPECT_EQ(StartTypeItemIndex(startType), index) << startType;
}

}  // namespace
}  // namespace zz
