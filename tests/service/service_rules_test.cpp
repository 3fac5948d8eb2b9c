#include "service_rules.h"

#include <gtest/gtest.h>

#include <set>

namespace zz {
namespace {

TEST(ServiceRules, StateTextsCoverTheSevenStatesAndNothingElse) {
  struct Case {
    std::uint32_t state;
    const char* text;
  };
  const Case cases[] = {
      {0, "?"},
      {1, "остановлена"},
      {2, "запускается..."},
      {3, "останавливается..."},
      {4, "выполняется"},
      {5, "ожидание продолжения"},
      {6, "ожидание паузы"},
      {7, "пауза"},
      {8, "?"},
      {0x80000001u, "?"},
      {0xFFFFFFFFu, "?"},
  };
  for (const Case& c : cases) EXPECT_EQ(StateTextFor(c.state), c.text) << "state " << c.state;
}

TEST(ServiceRules, RunButtonByState) {
  const RunButtonLook& running = RunButtonLookFor(4);
  EXPECT_TRUE(running.enabled);
  EXPECT_EQ(running.tag, std::optional<int>(1));
  EXPECT_EQ(running.glyph, std::optional<RunGlyph>(RunGlyph::kStop));
  EXPECT_STREQ(running.hint, "Остановить службу zidezir");

  const RunButtonLook& stopped = RunButtonLookFor(1);
  EXPECT_TRUE(stopped.enabled);
  EXPECT_EQ(stopped.tag, std::optional<int>(0));
  EXPECT_EQ(stopped.glyph, std::optional<RunGlyph>(RunGlyph::kStart));
  EXPECT_STREQ(stopped.hint, "Запустить службу zidezir");

  // Pending, paused and unknown states disable the button and leave tag and glyph alone.
  for (std::uint32_t state : {0u, 2u, 3u, 5u, 6u, 7u, 8u}) {
    const RunButtonLook& look = RunButtonLookFor(state);
    EXPECT_FALSE(look.enabled) << state;
    EXPECT_FALSE(look.tag.has_value()) << state;
    EXPECT_FALSE(look.glyph.has_value()) << state;
    EXPECT_STREQ(look.hint, "Подождите...") << state;
  }
}

TEST(ServiceRules, StartTypeItemsAndTheirSelection) {
  ASSERT_EQ(kStartTypeItems.size(), 3u);
  EXPECT_STREQ(kStartTypeItems[0].text, "Авто");
  EXPECT_STREQ(kStartTypeItems[1].text, "Вручную");
  EXPECT_STREQ(kStartTypeItems[2].text, "Отключено");

  struct Case {
    std::uint32_t startType;
    int index;
  };
  // Boot and system start have no item, nor has anything the system may add later.
  const Case cases[] = {{0, -1}, {1, -1}, {2, 0}, {3, 1}, {4, 2}, {5, -1}, {0xFFFFFFFFu, -1}};
  for (const Case& c : cases) {
    int index = StartTypeItemIndex(c.startType);
    EXPECT_EQ(index, c.index) << "start type " << c.startType;
    if (index >= 0) {
      EXPECT_EQ(kStartTypeItems[static_cast<std::size_t>(index)].code, c.startType);
    }
  }
}

}  // namespace
}  // namespace zz
