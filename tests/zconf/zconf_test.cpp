// zconf on real files: golden outputs of get, check, blocks and units beside their inputs in
// tests/data/zconf, edits that the window's loader reads back as intended, and refusals
// that leave the file byte for byte as it was.
#include <gtest/gtest.h>

#include <sstream>

#include "conf_loader.h"
#include "editor_model.h"
#include "file_hold.h"
#include "test_support.h"
#include "voice_ini.h"
#include "zconf.h"
#include "zz_version.h"

namespace zz::test {
namespace {

struct Outcome {
  int code;
  std::string out, err;
};

Outcome Zconf(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int code = RunZconf(args, out, err);
  return {code, out.str(), err.str()};
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

TEST(Zconf, GoldenOutputsOfGetCheckBlocksAndUnits) {
  struct Case {
    std::vector<std::string> args;  // FILE stands for the input's path
    std::string input, expected;
    int code;
  };
  const Case cases[] = {
      {{"get", "FILE"}, "gateway.conf", "gateway.get.txt", 0},
      {{"blocks", "FILE"}, "gateway.conf", "gateway.blocks.txt", 0},
      {{"units", "FILE", "1"}, "gateway.conf", "gateway.units-1.txt", 0},
      {{"units", "FILE", "2"}, "gateway.conf", "gateway.units-2.txt", 0},
      {{"check", "FILE"}, "gateway.conf", "gateway.check.txt", 0},  // warnings only
      {{"check", "FILE"}, "faults.conf", "faults.check.txt", 1},
      {{"check", "FILE"}, "edited.conf", "edited.check.txt", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.input);
    const std::string path = DataPath("zconf/" + c.input);
    std::vector<std::string> args;
    for (const std::string& a : c.args) args.push_back(a == "FILE" ? path : a);
    Outcome run = Zconf(args);
    EXPECT_EQ(run.code, c.code);
    EXPECT_EQ(run.out, Replace(ReadDataFile("zconf/" + c.expected), "FILE:", path + ":"));
    EXPECT_EQ(run.err, "");
  }
  // One key, in any letter case; an absent key shows what the program would write for it.
  EXPECT_EQ(Zconf({"get", DataPath("zconf/gateway.conf"), "network/LISTENER port"}).out, "1720\n");
  EXPECT_EQ(Zconf({"get", DataPath("zconf/gateway.conf"), "Silence Detection/Threshold"}).out, "70\n");
  EXPECT_EQ(Zconf({"get", DataPath("zconf/gateway.conf"), "Log/Traces"}).out, "\n");
}

// The window's view of a file: its fields, blocks and, per block, its units.
struct WindowView {
  EditorModel editor;
  std::vector<std::vector<UnitRecord>> units;
};

WindowView LoadAsTheWindowDoes(const std::string& path, const TempDir& dir) {
  WindowView view;
  ConfParamTable table;
  RecordingPrompts prompts;
  ConfigSession session{table, view.editor, prompts, "", {}};
  EXPECT_TRUE(LoadConfigFile(session, path));
  EXPECT_TRUE(prompts.errors.empty());
  EXPECT_TRUE(RebuildVoiceFile(path, dir.File("voice.ini")));
  for (std::size_t n = 1; n <= view.editor.StringGrid1().Rows().size(); ++n)
    view.units.push_back(ReadBlockUnits(dir.File("voice.ini"), static_cast<int>(n)));
  return view;
}

TEST(Zconf, EditsAreWrittenAsTheProgramSavesAndReadBackAsIntended) {
  TempDir dir;
  dir.Write("z.conf", ReadDataFile("zconf/gateway.conf"));
  const std::string file = dir.File("z.conf");
  const std::vector<std::vector<std::string>> steps = {
      {"set", file, "System/Name=Шлюз Север", "audio/max calls=-1", "Log/Level= 5 ", "Network/Listener Port=1721",
       "DeviceSettings/Flow Control=1", "System/Admin="},
      {"block-add", file, "--type", "ТРЛ-МЕ", "--port", "5", "--ip", "10.1.1.7", "--comment", "Ворота"},
      {"block-set", file, "1", "--port=2", "--comment", ""},
      {"unit-add", file, "3", "--type", "TRLZN", "--address", "20", "--host", "10.1.1.8", "--name", "Шлагбаум"},
      {"unit-remove", file, "1", "1"},
      {"block-remove", file, "2"},
  };
  const std::string printed[] = {"", "3\n", "", "1\n", "", ""};
  for (std::size_t i = 0; i < steps.size(); ++i) {
    Outcome run = Zconf(steps[i]);
    EXPECT_EQ(run.code, 0) << steps[i][0] << ": " << run.err;
    EXPECT_EQ(run.out, printed[i]) << steps[i][0];
  }
  EXPECT_EQ(dir.Read("z.conf"), ReadDataFile("zconf/edited.conf"));

  WindowView view = LoadAsTheWindowDoes(file, dir);
  EXPECT_EQ(view.editor.systemName.Text(), "Шлюз Север");
  EXPECT_EQ(view.editor.systemAdmin.Text(), "");
  EXPECT_EQ(view.editor.maxCall.ItemIndex(), 0);  // "Неограничено"
  EXPECT_EQ(view.editor.logLevel.ItemIndex(), 5);
  EXPECT_EQ(view.editor.listenerPort.Text(), "1721");
  EXPECT_FALSE(view.editor.flowControlRts.Checked());
  EXPECT_EQ(view.editor.txBuffer.Position(), 200);  // untouched
  EXPECT_EQ(view.editor.StringGrid1().Rows(),
            (BlockRows{{"1", "ТРЛ-М", "COM2", "", "Новый блок"}, {"2", "ТРЛ-МЕ", "COM5", "10.1.1.7", "Ворота"}}));
  ASSERT_EQ(view.units.size(), 2u);
  EXPECT_EQ(view.units[0], (std::vector<UnitRecord>{{"ТРЛ-ЗН slave", "7", "Ворота \\ север", "192.168.1.51"}}));
  EXPECT_EQ(view.units[1], (std::vector<UnitRecord>{{"ТРЛ-ЗН slave", "20", "Шлагбаум", "10.1.1.8"}}));

  // Nothing to change: the file is not rewritten.
  EXPECT_EQ(Zconf({"set", file, "Log/Level=5"}).code, 0);
  EXPECT_EQ(dir.Read("z.conf"), ReadDataFile("zconf/edited.conf"));
}

TEST(Zconf, RefusedCommandsLeaveTheFileByteForByte) {
  TempDir dir;
  const std::string original = ReadDataFile("zconf/gateway.conf");
  dir.Write("z.conf", original);
  const std::string f = dir.File("z.conf");
  struct Case {
    std::vector<std::string> args;
    std::string message;  // a part of standard error
  };
  const Case cases[] = {
      {{"set", f, "Audio/TxBuffer=1001"}, "Audio/TxBuffer: '1001' refused; it accepts a whole number from 0 to 1000"},
      {{"set", f, "System/Name=Север", "Audio/TxBuffer=-1"}, "Audio/TxBuffer: '-1' refused"},
      {{"set", f, "Audio/Max Calls=11"}, "Audio/Max Calls: '11' refused"},
      {{"set", f, "Network/Need Gatekeeper=да"}, "it accepts yes or no"},
      {{"set", f, "Network/Listener Port=80a"}, "it accepts digits only"},
      {{"set", f, "Network/Listener Interface=10.0.0.1/8"}, "it accepts digits and full stops only"},
      {{"set", f, "Log/SysLog Level=6"}, "it accepts a level from 0 to 5"},
      {{"set", f, "DeviceSettings/Flow Control=2"}, "it accepts 3 (RTS/CTS) or 1"},
      {{"set", f, "System/Name=a;b"}, "System/Name: 'a;b' refused"},
      {{"set", f, "System/Admin=管理者"}, "System/Admin: '管理者' refused"},
      {{"set", f, "System/Nom=x"}, "unknown key 'System/Nom'"},
      {{"set", f, "System/Name"}, "'System/Name' is not KEY=VALUE"},
      {{"set", f, "Log/Level=1", "log/level=2"}, "Log/Level is given twice"},
      {{"block-add", f, "--type", "ТРЛ-Х", "--port", "3"}, "block type 'ТРЛ-Х' refused"},
      {{"block-add", f, "--type", "ТРЛ-М", "--port", "256"}, "port '256' refused; it is 1 to 255"},
      {{"block-add", f, "--type", "ТРЛ-М", "--port", "3", "--ip", "1.2.3.4"}, "--ip applies to ТРЛ-МЕ blocks only"},
      {{"block-add", f, "--type", "ТРЛ-М", "--port", "1"}, "ТРЛ-М blocks 1 and 3 are both on COM1"},
      {{"block-add", f, "--type", "TRL-ME", "--port", "6"}, "ТРЛ-МЕ blocks 2 and 3 have the same address 192.168.1.201"},
      {{"block-add", f, "--type", "ТРЛ-МЕ", "--port", "6", "--ip", "10.0.0"}, "'10.0.0' is not an IPv4 address"},
      {{"block-add", f, "--type", "ТРЛ-М"}, "option '--port' is required"},
      {{"block-set", f, "3", "--port", "2"}, "there is no block 3 (the file has 2)"},
      {{"block-set", f, "2", "--type", "ТРЛ-М", "--port", "1"}, "ТРЛ-М blocks 1 and 2 are both on COM1"},
      {{"block-set", f, "1"}, "usage: zconf block-set"},
      {{"block-remove", f, "0"}, "there is no block 0"},
      {{"unit-add", f, "1", "--type", "PVK", "--address", "0", "--host", "h"},
       "Не верно задан ВЛТ адрес. Запись не будет добавлена"},
      {{"unit-add", f, "1", "--type", "PVK", "--address", "256", "--host", "h"}, "Не верно задан ВЛТ адрес"},
      {{"unit-add", f, "1", "--type", "PVK", "--address", "8", "--host", " "},
       "Вы заполнили не все данные. Запись не будет добавлена"},
      {{"unit-add", f, "1", "--type", "PVK", "--address", "8", "--host", "h", "--name", "a,b"},
       "Наименование не должно содержать запятую"},
      {{"unit-add", f, "1", "--type", "PVK", "--address", "x8", "--host", "h"}, "'x8' is not a valid integer value"},
      {{"unit-add", f, "1", "--type", "GLS", "--address", "8", "--host", "h"}, "unit type 'GLS' refused"},
      {{"unit-add", f, "1", "--type", "MSD", "--address", "7", "--host", "h"}, "address 7 is already used in block 1"},
      {{"unit-add", f, "5", "--type", "MSD", "--address", "8", "--host", "h"}, "there is no block 5"},
      {{"unit-remove", f, "2", "2"}, "block 2 has no unit 2"},
      {{"frobnicate", f}, "unknown command 'frobnicate'"},
      {{"blocks", f, "--port", "2"}, "unknown option '--port'"},
      {{"set", "--json", f, "Log/Level=1"}, "'set' has no --json output"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + (c.args.size() > 2 ? c.args[2] : ""));
    Outcome run = Zconf(c.args);
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(dir.Read("z.conf"), original);
  }

  // The last block stays, as on the block page.
  dir.Write("one.conf", "[Devices]\r\n0=1\r\n;Один\r\n");
  EXPECT_NE(Zconf({"block-remove", dir.File("one.conf"), "1"}).err.find("the last remaining block cannot be removed"),
            std::string::npos);
  // A value the loader refuses would silently become the field's old content on saving.
  dir.Write("bad.conf", "[Audio]\r\nTxBuffer=abc\r\n");
  Outcome bad = Zconf({"set", dir.File("bad.conf"), "Log/Level=1"});
  EXPECT_EQ(bad.code, 2);
  EXPECT_NE(bad.err.find(":2: Audio/TxBuffer='abc' is not a valid integer value"), std::string::npos) << bad.err;
  EXPECT_EQ(dir.Read("bad.conf"), "[Audio]\r\nTxBuffer=abc\r\n");
  EXPECT_EQ(Zconf({"set", dir.File("bad.conf"), "Audio/TxBuffer=10"}).code, 0);
  EXPECT_NE(dir.Read("bad.conf").find("TxBuffer=10\r\n"), std::string::npos);

  // Held by another program (which on Windows also keeps it from being read): refused.
  {
    FileHold hold(f);
    ASSERT_TRUE(hold.held());
    Outcome locked = Zconf({"set", f, "Log/Level=1"});
    EXPECT_EQ(locked.code, 2);
    EXPECT_TRUE(locked.err == "zconf: " + f + " is open in another program; close it and try again\n" ||
                locked.err == "zconf: cannot read " + f + "\n")
        << locked.err;
  }
  EXPECT_EQ(dir.Read("z.conf"), original);
  // Missing files.
  for (const char* command : {"get", "set", "check", "blocks", "units", "block-remove"}) {
    std::vector<std::string> args{command, dir.File("none.conf")};
    if (std::string(command) == "set") args.push_back("Log/Level=1");
    if (std::string(command) == "units" || std::string(command) == "block-remove") args.push_back("1");
    Outcome run = Zconf(args);
    EXPECT_EQ(run.code, 2) << command;
    EXPECT_EQ(run.err, "zconf: cannot read " + dir.File("none.conf") + "\n") << command;
  }
}

TEST(Zconf, HelpVersionAndUsage) {
  Outcome help = Zconf({"--help"});
  EXPECT_EQ(help.code, 0);
  for (const char* command : {"get", "set", "check", "blocks", "block-add", "block-set", "block-remove", "units",
                              "unit-add", "unit-remove", "dump", "save", "voice-rebuild", "remove-block", "service"})
    EXPECT_NE(help.out.find("\nzconf " + std::string(command) + " "), std::string::npos) << command;
  Outcome one = Zconf({"help", "unit-add"});
  EXPECT_EQ(one.code, 0);
  EXPECT_EQ(one.out.rfind("usage: zconf unit-add FILE N --type PVK|MSD|TRLZN", 0), 0u) << one.out;
  EXPECT_EQ(Zconf({"check", "--help"}).out, Zconf({"help", "check"}).out);
  Outcome version = Zconf({"--version"});
  EXPECT_EQ(version.code, 0);
  EXPECT_EQ(version.out, std::string(ZZ_VERSION_TEXT) + "\n");
  EXPECT_EQ(Zconf({}).code, 2);
  EXPECT_EQ(Zconf({"help", "frobnicate"}).code, 2);
#ifndef _WIN32
  Outcome service = Zconf({"service", "status"});
  EXPECT_EQ(service.code, 2);
  EXPECT_EQ(service.err, "zconf: service control is available in the Windows build only\n");
#endif
}

}  // namespace
}  // namespace zz::test
