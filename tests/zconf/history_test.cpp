// The history zconf keeps beside a configuration, the comparison of two configurations and
// the lock that keeps two zconf runs from losing each other's change, on real files.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <thread>

#include "conf_loader.h"
#include "editor_model.h"
#include "history.h"
#include "test_support.h"
#include "zconf_run.h"

namespace zz::test {
namespace {

namespace fs = std::filesystem;

// The files of the versions kept, newest first (the file's present content among them).
std::vector<std::string> RevisionFiles(const TempDir& dir, const std::string& name) {
  std::vector<std::string> folders;
  for (const auto& entry : fs::directory_iterator(fs::u8path(dir.File("History"))))
    if (entry.path().filename().u8string().find('~') == std::string::npos) folders.push_back(entry.path().u8string());
  std::sort(folders.rbegin(), folders.rend());
  std::vector<std::string> bytes;
  for (const std::string& folder : folders) {
    std::ifstream in(fs::u8path(folder) / fs::u8path(name), std::ios::binary);
    bytes.push_back(std::string(std::istreambuf_iterator<char>(in), {}));
  }
  return bytes;
}

TEST(ZconfHistory, EverySaveKeepsTheContentItReplacesAndTheLast50) {
  TempDir dir;
  const std::string f = dir.File("zidezir.conf");
  const std::string handMade = "[System]\r\nName=Gate\r\n[Network]\r\nListener Port=1720\r\n[Devices]\r\n0=1\r\n;Hall\r\n";
  const std::string voice = "[VoiceDevices:1]\r\n0=PVK,5,Door,10.0.0.9\r\n";
  dir.Write("zidezir.conf", handMade);
  dir.Write("voice.ini", voice);
  // The version found in the file is dated when the other program wrote it, not when found.
  const fs::path file = fs::u8path(f);
  fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(72));
  const std::time_t written = std::time(nullptr) - 72 * 3600;
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &written);
#else
  localtime_r(&written, &local);
#endif
  char writtenDate[16];
  std::strftime(writtenDate, sizeof writtenDate, "%d.%m.%Y", &local);

  ASSERT_EQ(Zconf({"set", f, "Network/Listener Port=1721"}).code, 0);
  const std::string first = dir.Read("zidezir.conf");
  ASSERT_EQ(Zconf({"block-add", f, "--type", "ТРЛ-М", "--port", "2", "--comment", "Gate"}).code, 0);
  ASSERT_EQ(Zconf({"set", f, "Network/Listener Port=1721"}).code, 0);  // nothing changes, nothing is kept
  const std::string withBlock = dir.Read("zidezir.conf");
  EXPECT_EQ(RevisionFiles(dir, "zidezir.conf"), (std::vector<std::string>{withBlock, first, handMade}));
  // Each version has its own intercom units, not the folder's voice.ini of the moment.
  EXPECT_EQ(RevisionFiles(dir, "voice.ini"), (std::vector<std::string>{"", "", ""}));

  Outcome history = Zconf({"history", f});
  EXPECT_EQ(history.code, 0);
  std::vector<std::string> lines;
  for (std::istringstream in(history.out); std::getline(in, lines.emplace_back());) {
  }
  lines.pop_back();
  // 0 is the file as it is now, made by the last save; 1 the version before it.
  ASSERT_EQ(lines.size(), 3u) << history.out;
  EXPECT_EQ(lines[0].rfind("0|", 0), 0u);
  EXPECT_NE(lines[0].find("|zconf block-add|Блоки ТРЛ-М / блок 2 добавлен: ТРЛ-М, COM2, «Gate», 0 устройств"),
            std::string::npos)
      << lines[0];
  EXPECT_EQ(lines[1].rfind("1|", 0), 0u);
  EXPECT_NE(lines[1].find("|zconf set|"), std::string::npos);
  EXPECT_NE(lines[1].find("Сетевые настройки / Порт IP телефонии: 1720 → 1721"), std::string::npos) << lines[1];
  EXPECT_NE(lines[2].find("|другая программа|"), std::string::npos) << lines[2];
  EXPECT_EQ(lines[2].rfind(std::string("2|") + writtenDate + "|", 0), 0u) << lines[2];

  // Restoring revision 1 gives the file back byte for byte, recorded as a restore.
  const std::string beforeRestore = dir.Read("zidezir.conf");
  ASSERT_EQ(Zconf({"restore", f, "1"}).code, 0);
  EXPECT_EQ(dir.Read("zidezir.conf"), first);
  EXPECT_EQ(RevisionFiles(dir, "zidezir.conf")[1], beforeRestore);
  EXPECT_NE(Zconf({"history", f}).out.find("0|"), std::string::npos);
  EXPECT_NE(Zconf({"history", f}).out.find("|zconf restore 1|восстановлена версия от "), std::string::npos);
  EXPECT_EQ(Zconf({"diff", f, "2"}).code, 0);  // `first`, now revision 2: equal
  EXPECT_EQ(Zconf({"diff", f, "1"}).code, 1);
  EXPECT_EQ(Zconf({"restore", f, "9"}).code, 2);

  // 50 further saves: the oldest revisions go.
  for (int i = 0; i < 50; ++i) ASSERT_EQ(Zconf({"set", f, "ControlServer/Port=" + std::to_string(5000 + i)}).code, 0);
  std::vector<std::string> kept = RevisionFiles(dir, "zidezir.conf");
  ASSERT_EQ(kept.size(), 51u);  // 50 to go back to, and the present one
  EXPECT_EQ(std::count(kept.begin(), kept.end(), handMade), 0);
  EXPECT_EQ(kept.back().find("Port=5000\r\n"), std::string::npos);
  EXPECT_NE(kept.front().find("Port=5049\r\n"), std::string::npos);
}

TEST(ZconfHistory, AHistoryThatCannotBeWrittenDoesNotStopTheSave) {
  TempDir dir;
  const std::string f = dir.File("zidezir.conf");
  dir.Write("zidezir.conf", "[System]\r\nName=Gate\r\n");
  dir.Write("History", "a file in the way of the folder");
  Outcome run = Zconf({"set", f, "System/Name=Other", "--json"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_NE(dir.Read("zidezir.conf").find("Name=Other\r\n"), std::string::npos);
  const std::string told = "Не удалось сохранить прежнюю версию конфигурации в папку " + dir.File("History");
  EXPECT_NE(run.err.find("zconf: предупреждение: " + told), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find(told), run.err.rfind(told));  // once
  EXPECT_NE(run.out.find("\"changed\":true"), std::string::npos);
}

TEST(ZconfHistory, DiffComparesAsAPersonReadsAndExitsAsDiffDoes) {
  const std::string gateway = DataPath("zconf/gateway.conf"), edited = DataPath("zconf/edited.conf");
  Outcome different = Zconf({"diff", gateway, edited});
  EXPECT_EQ(different.code, 1);
  EXPECT_EQ(different.out, ReadDataFile("zconf/gateway-edited.diff.txt"));
  Outcome equal = Zconf({"diff", gateway, gateway, "--json"});
  EXPECT_EQ(equal.code, 0);
  EXPECT_EQ(equal.out, "{\"equal\":true,\"changes\":[]}\n");
  TempDir dir;
  dir.Write("bad.conf", "\xFF\xFE[\0S\0]\0");
  EXPECT_EQ(Zconf({"diff", gateway, dir.File("bad.conf")}).code, 2);
  EXPECT_EQ(Zconf({"diff", gateway, "7"}).code, 2);  // no history beside the test data
}

// Two scripts changing different keys of one gateway at once: under the lock each reads
// what the other wrote, so neither key ever goes back to an older value.
TEST(ZconfHistory, TwoRunsAtOnceLoseNoUpdate) {
  TempDir dir;
  const std::string f = dir.File("zidezir.conf");
  dir.Write("zidezir.conf", "[Network]\r\nListener Port=1000\r\n[ControlServer]\r\nPort=3000\r\n");
  constexpr int kRounds = 20;
  auto run = [&](const std::string& key, int base) {
    for (int i = 1; i <= kRounds; ++i) EXPECT_EQ(Zconf({"set", f, key + "=" + std::to_string(base + i)}).code, 0);
  };
  // A second file in the folder shares History\ and its numbers.
  const std::string other = dir.File("other.conf");
  dir.Write("other.conf", "[System]\r\nName=Other\r\n");
  auto runOther = [&] {
    for (int i = 1; i <= kRounds; ++i) EXPECT_EQ(Zconf({"set", other, "System/Name=N" + std::to_string(i)}).code, 0);
  };
  std::thread a(run, "Network/Listener Port", 1000), b(run, "ControlServer/Port", 3000), c(runOther);
  a.join();
  b.join();
  c.join();
  EXPECT_EQ(Zconf({"history", other, "--json"}).json().size(), kRounds + 1u);
  std::vector<std::string> versions = RevisionFiles(dir, "zidezir.conf");
  versions.erase(std::remove(versions.begin(), versions.end(), ""), versions.end());  // other.conf's
  std::reverse(versions.begin(), versions.end());
  ASSERT_EQ(versions.size(), 2u * kRounds + 1);  // the first content, then every save
  EXPECT_EQ(versions.back(), dir.Read("zidezir.conf"));
  auto value = [](const std::string& conf, const std::string& key) {
    std::size_t at = conf.find("\r\n" + key + "=");
    return at == std::string::npos ? 0 : std::stoi(conf.substr(at + key.size() + 3));
  };
  int listener = 0, control = 0;
  for (const std::string& v : versions) {
    EXPECT_GE(value(v, "Listener Port"), listener);
    EXPECT_GE(value(v, "Port"), control);
    listener = value(v, "Listener Port");
    control = value(v, "Port");
  }
  EXPECT_EQ(listener, 1000 + kRounds);
  EXPECT_EQ(control, 3000 + kRounds);
}

// What may lie in History\ and beside the file, put there by a crash, an older release, a
// hand or a standard user: the save goes on with what is the store's own, follows no link,
// and tells what it cannot use.
TEST(ZconfHistory, OddThingsInTheHistoryAreLeftAloneAndTold) {
  struct Case {
    const char* name;
    std::function<void(TempDir&, const std::string& outside)> plant;
    int setCode;             // of the next set
    const char* told;        // in the output of set and history, or ""
    int restoreCode;         // of `restore FILE 1`
    const char* link = "";   // the link planted, which stays
  };
  auto link = [](TempDir& dir, const std::string& name, const std::string& target) {
    return MakeLink(target, dir.File(name));
  };
  const std::string note = "File=zidezir.conf\r\nProgram=zconf set\r\nSummary=\x1B[2Jbad\x07" +
                           std::string(200000, 'x') + "\r\n";
  const Case cases[] = {
      {"a link in the place of a draft", [&](TempDir& d, const std::string& o) { ASSERT_TRUE(link(d, "History/~000011", o)); },
       0, "«~000011»: это не версия", 0, "History/~000011"},
      {"a link in the place of a revision", [&](TempDir& d, const std::string& o) { ASSERT_TRUE(link(d, "History/000009", o)); },
       0, "«000009»: это не версия", 0, "History/000009"},
      {"a link in the place of the lock",
       [&](TempDir& d, const std::string& o) { ASSERT_TRUE(link(d, "zidezir.conf.lock", o)); }, 2,
       "находится папка или ссылка", 0, "zidezir.conf.lock"},
      {"a folder in the place of the lock", [](TempDir& d, const std::string&) { fs::create_directory(d.File("zidezir.conf.lock")); },
       2, "находится папка или ссылка", 0},
      {"a folder with the highest number", [](TempDir& d, const std::string&) { fs::create_directory(d.File("History/999999")); },
       0, "повреждена", 0},
      {"a revision without its configuration",
       [](TempDir& d, const std::string&) {
         fs::remove(fs::u8path(d.File("History/000001/zidezir.conf")));
       },
       0, "повреждена", 0},
      {"a note of control characters and 200 KB",
       [&](TempDir& d, const std::string&) { d.Write("History/000001/revision.txt", note); }, 0, "\\x1B[2Jbad\\x07", 0},
      {"a foreign file among the revisions", [](TempDir& d, const std::string&) { d.Write("History/notes.txt", "x"); },
       0, "«notes.txt»: это не версия", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir, outside;
    outside.Write("keep.txt", "keep");
    const std::string f = dir.File("zidezir.conf");
    dir.Write("zidezir.conf", "[System]\r\nName=A\r\n");
    ASSERT_EQ(Zconf({"set", f, "System/Name=B"}).code, 0);  // 000001 the first content, 000002 the present one
    c.plant(dir, outside.Path());
    const Outcome set = Zconf({"set", f, "System/Name=C"});
    EXPECT_EQ(set.code, c.setCode) << set.err;
    const Outcome history = Zconf({"history", f});
    EXPECT_NE((set.err + history.err + history.out).find(c.told), std::string::npos) << set.err << history.err << history.out;
    EXPECT_LT(history.out.size(), 2 * kNoteLimit);
    EXPECT_EQ(history.out.find('\x1B'), std::string::npos);
    // Nothing outside was touched, and every link is still there.
    EXPECT_EQ(outside.Read("keep.txt"), "keep");
    if (*c.link) {
      EXPECT_EQ(KindOf(dir.File(c.link)), EntryKind::kLink);
    }
    if (c.setCode != 0) continue;
    // Revision 1 is the configuration before the last save, whatever else is there.
    const Outcome restored = Zconf({"restore", f, "1"});
    EXPECT_EQ(restored.code, c.restoreCode) << restored.err;
    EXPECT_NE(dir.Read("zidezir.conf").find("Name=B\r\n"), std::string::npos);
  }
  // A revision that cannot be read is refused, not compared as empty nor restored.
  TempDir dir;
  const std::string f = dir.File("zidezir.conf");
  dir.Write("zidezir.conf", "[System]\r\nName=A\r\n");
  ASSERT_EQ(Zconf({"set", f, "System/Name=B"}).code, 0);
  fs::remove(fs::u8path(dir.File("History/000001/zidezir.conf")));
  fs::create_directory(fs::u8path(dir.File("History/000001/zidezir.conf")));
  for (const char* command : {"diff", "restore"}) {
    const Outcome refused = Zconf({command, f, "1"});
    EXPECT_EQ(refused.code, 2) << command;
    EXPECT_NE(refused.err.find("повреждена (её файлы не читаются)"), std::string::npos) << refused.err;
  }
}

}  // namespace
}  // namespace zz::test
