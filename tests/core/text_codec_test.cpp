#include <gtest/gtest.h>

#include "cp1251.h"
#include "text.h"

namespace zz {
namespace {

TEST(Cp1251, EveryByteSurvivesADecodeAndAnEncode) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  std::string utf8 = Cp1251ToUtf8(all);
  EXPECT_EQ(Utf8ToCp1251(utf8), all);
  EXPECT_EQ(CharCount(utf8), 256u);
}

TEST(Cp1251, MapsTheRussianLettersAndSigns) {
  EXPECT_EQ(Cp1251ToUtf8("\xC0\xFF\xA8\xB8\xB9"), "АяЁё№");
  EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xC2\x98");
  EXPECT_EQ(Utf8ToCp1251("ТРЛ-МЕ «x»—€"), "\xD2\xD0\xCB-\xCC\xC5 \xABx\xBB\x97\x88");
  // Not in the code page, or not UTF-8 at all.
  EXPECT_EQ(Utf8ToCp1251("a😀b"), "a?b");
  EXPECT_EQ(Utf8ToCp1251("a\xFF" "b\xD0"), "a?b?");
  // What a file can hold as it stands.
  EXPECT_TRUE(FitsCp1251("Шлюз ЁЖ №5 «x» €?"));
  EXPECT_FALSE(FitsCp1251("a😀b"));
  EXPECT_FALSE(FitsCp1251("Ω"));
  EXPECT_FALSE(FitsCp1251("a\xFF"));
  EXPECT_EQ(KeepCp1251Chars("Шлюз😀 Ω№1\xFF"), "Шлюз №1");
}

TEST(Text, NumberRules) {
  struct {
    const char* text;
    int leading;
    bool strictValid;
    int strict;
  } cases[] = {
      {"42", 42, true, 42},        {"-1", -1, true, -1},      {"+7", 7, true, 7},
      {"  12abc", 12, false, 0},   {"abc", 0, false, 0},      {"", 0, false, 0},
      {"-", 0, false, 0},          {"3 ", 3, false, 0},       {"99999999999", 2147483647, false, 0},
      {"-2147483648", -2147483647 - 1, true, -2147483647 - 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(LeadingInt(c.text), c.leading);
    std::optional<int> strict = StrictInt(c.text);
    EXPECT_EQ(strict.has_value(), c.strictValid);
    if (strict) {
      EXPECT_EQ(*strict, c.strict);
    }
  }
}

TEST(Text, CutsAndTrimsByCharacters) {
  EXPECT_EQ(CutChars("Шлюз", 2), "Шл");
  EXPECT_EQ(CutChars("ab", 5), "ab");
  EXPECT_EQ(Trim("\t\r a b \x01\r"), "a b");
  EXPECT_EQ(SplitLines("a\r\nb\rc\n\nd"), (std::vector<std::string>{"a", "b", "c", "", "d"}));
  EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
  EXPECT_EQ(SplitLfLines("a\r\nb\rc\n\nd\r"), (std::vector<std::string>{"a", "b\rc", "", "d\r"}));
  EXPECT_TRUE(EqualsAsciiNoCase("Listener PORT", "listener port"));
  EXPECT_FALSE(EqualsAsciiNoCase("Шлюз", "ШЛЮЗ"));
}

}  // namespace
}  // namespace zz
