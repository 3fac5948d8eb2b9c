#include <gtest/gtest.h>

#include <sstream>

#include "conf_line.h"
#include "cp1251.h"

namespace zz {
namespace {

struct LineCase {
  const char* line;
  bool isSection, isKey, hasComment;
  const char* section;  // current section after the line
  const char* key;
  const char* value;
  const char* comment;
};

TEST(ReadLine, ClassifiesLinesAndFillsFields) {
  const LineCase cases[] = {
      {"[Network]", true, false, false, "Network", "", "", ""},
      {"[ Device Settings ] ;serial", true, false, true, "DeviceSettings", "", "", "serial"},
      {"Listener Port = 1720", false, true, false, "", "Listener Port", "1720", ""},
      {"Gatekeeper ID=abc ; id of the GK", false, true, true, "", "Gatekeeper ID", "abc", " id of the GK"},
      {";0=1,192.168.1.100", false, false, true, "", "", "", "0=1,192.168.1.100"},
      {"text without equals", false, false, false, "", "", "", ""},
      {"a;b=c", false, false, true, "", "", "", "b=c"},
      {";a=b", false, false, true, "", "", "", "a=b"},
      {"Key = ;note", false, true, true, "", "Key", "", "note"},
      {"  [Log]  ", true, false, false, "Log", "", "", ""},
      {"[A B C]", true, false, false, "ABC", "", "", ""},
      {"[Unclosed", true, false, false, "Unclosed", "", "", ""},
      {"\t \t", false, false, false, "", "", "", ""},
      // The last character of the trimmed line counts.
      {"Gatekeeper ID =", false, true, false, "", "Gatekeeper ID", "", ""},
      {"Name=x;", false, true, true, "", "Name", "x", ""},
      {"just text;", false, false, true, "", "", "", ""},
      {"[Журнал] ;заметка", true, false, true, "Журнал", "", "", "заметка"},
      {"Имя = Шлюз №1\r", false, true, false, "", "Имя", "Шлюз №1", ""},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.line);
    CONF_LINE line;
    ParseLine(line, c.line);
    EXPECT_EQ(line.raw, c.line);
    EXPECT_EQ(line.isSection, c.isSection);
    EXPECT_EQ(line.isKey, c.isKey);
    EXPECT_EQ(line.hasComment, c.hasComment);
    EXPECT_EQ(line.section, c.section);
    EXPECT_EQ(line.key, c.key);
    EXPECT_EQ(line.value, c.value);
    EXPECT_EQ(line.comment, c.comment);
  }
}

TEST(ReadLine, CutsFieldsAtTheirCapacities) {
  CONF_LINE line;
  ParseLine(line, "[" + std::string(40, 'S') + "]");
  EXPECT_EQ(line.section, std::string(31, 'S'));
  auto repeat = [](const char* s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
  };
  ParseLine(line, "[" + repeat("Ж", 20) + " " + repeat("Ж", 20) + "]");
  EXPECT_EQ(line.section, repeat("Ж", 31));

  ParseLine(line, std::string(70, 'k') + "=" + std::string(200, 'v') + ";" + std::string(100, 'c'));
  EXPECT_EQ(line.key, std::string(63, 'k'));
  EXPECT_EQ(line.value, std::string(127, 'v'));
  EXPECT_EQ(line.comment, std::string(79, 'c'));

  // The value is cut to 127 before the comment is removed, then trimmed.
  ParseLine(line, "K=" + std::string(125, 'v') + " ;x");
  EXPECT_EQ(line.value, std::string(125, 'v'));
}

TEST(ReadLine, ReadsAStreamLineByLineAndKeepsTheSection) {
  std::string longLine = ";" + std::string(400, 'x');
  std::istringstream in("[network]\r\nlistener port=1\n\n" + longLine + "\nNext=2\r\nlast line");
  CONF_LINE line;
  ASSERT_TRUE(ReadLine(line, in));
  EXPECT_TRUE(line.isSection);
  EXPECT_EQ(line.raw, "[network]\r");
  EXPECT_TRUE(SectionIs(line, "Network"));

  ASSERT_TRUE(ReadLine(line, in));
  EXPECT_TRUE(KeyIs(line, "Listener Port"));
  EXPECT_FALSE(KeyIs(line, "Listener  Port"));
  EXPECT_EQ(line.section, "network");

  ASSERT_TRUE(ReadLine(line, in));
  EXPECT_FALSE(line.isSection || line.isKey || line.hasComment);
  EXPECT_EQ(line.section, "network");

  ASSERT_TRUE(ReadLine(line, in));  // a line of 401 characters is read whole
  EXPECT_EQ(line.raw, longLine);
  ASSERT_TRUE(ReadLine(line, in));
  EXPECT_EQ(line.key, "Next");
  EXPECT_EQ(line.value, "2");
  ASSERT_TRUE(ReadLine(line, in));  // no final LF
  EXPECT_EQ(line.raw, "last line");
  EXPECT_FALSE(ReadLine(line, in));
  EXPECT_FALSE(ReadLine(line, in));
}

TEST(ReadLine, DecodesWindows1251AndFoldsOnlyAsciiCase) {
  std::istringstream in(Utf8ToCp1251("[Звук]\nКлюч=Значение\n"));
  CONF_LINE line;
  ASSERT_TRUE(ReadLine(line, in));
  EXPECT_TRUE(SectionIs(line, "Звук"));
  EXPECT_FALSE(SectionIs(line, "ЗВУК"));  // Cyrillic letters must match exactly
  ASSERT_TRUE(ReadLine(line, in));
  EXPECT_EQ(line.value, "Значение");
}

TEST(ReadLine, CrLfAndLfFilesGiveTheSameFields) {
  std::string lf = "[System]\nName = A ;c\n; note\nAdmin=\n";
  std::string crlf = "[System]\r\nName = A ;c\r\n; note\r\nAdmin=\r\n";
  std::istringstream a(lf), b(crlf);
  CONF_LINE x, y;
  int lines = 0;
  while (ReadLine(x, a)) {
    ASSERT_TRUE(ReadLine(y, b));
    ++lines;
    EXPECT_EQ(x.raw + "\r", y.raw);
    EXPECT_EQ(x.isSection, y.isSection);
    EXPECT_EQ(x.isKey, y.isKey);
    EXPECT_EQ(x.section, y.section);
    EXPECT_EQ(x.key, y.key);
    EXPECT_EQ(x.value, y.value);
    EXPECT_EQ(x.comment, y.comment);
  }
  EXPECT_FALSE(ReadLine(y, b));
  EXPECT_EQ(lines, 4);
}

}  // namespace
}  // namespace zz
