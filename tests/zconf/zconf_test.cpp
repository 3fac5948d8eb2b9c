// zconf on real files: golden outputs of get, check, blocks and units beside their inputs in
// tests/data/zconf, edits that the window's loader reads back as intended, and refusals
// that leave the file byte for byte as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "conf_loader.h"
#include "cp1251.h"
#include "editor_model.h"
#include "file_hold.h"
#include "test_support.h"
#include "voice_ini.h"
#include "zconf_run.h"
#include "zz_version.h"

namespace zz::test {
namespace {

bool IsAscii(const std::string& text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) > 0x7F) return false;
  return true;
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
      {{"set", f, "Audio/TxBuffer=1001"},
       "Audio/TxBuffer: значение '1001' не принимается; допустимо: целое число от 0 до 1000"},
      {{"set", f, "System/Name=Север", "Audio/TxBuffer=-1"}, "Audio/TxBuffer: значение '-1' не принимается"},
      {{"set", f, "Audio/Max Calls=11"}, "Audio/Max Calls: значение '11' не принимается"},
      {{"set", f, "Network/Need Gatekeeper=да"}, "допустимо: yes или no"},
      {{"set", f, "Network/Listener Port=80a"}, "допустимо: только цифры"},
      {{"set", f, "Network/Listener Interface=10.0.0.1/8"}, "допустимо: только цифры и точки"},
      {{"set", f, "Log/SysLog Level=6"}, "допустимо: уровень от 0 до 5"},
      {{"set", f, "DeviceSettings/Flow Control=2"}, "допустимо: 3 (RTS/CTS) или 1"},
      {{"set", f, "System/Name=a;b"}, "System/Name: значение 'a;b' не принимается"},
      {{"set", f, "System/Admin=管理者"}, "System/Admin: значение '管理者' не принимается"},
      // What check calls an error is not written.
      {{"set", f, "Network/Listener Port=70000"}, "Network/Listener Port: '70000' - не номер порта от 1 до 65535"},
      {{"set", f, "ControlServer/Port=0"}, "ControlServer/Port: '0' - не номер порта"},
      {{"set", f, "Network/Listener Interface=1.2.3"}, "'1.2.3' - не адрес IPv4"},
      {{"set", f, "Audio/Audio Jitter Delay=250-50"}, "не имеет вида [мин-]макс"},
      // Echoed values show their control characters.
      {{"set", f, "System/Name=a\nb"}, "значение 'a\\nb' не принимается"},
      {{"set", f, "System/Nom\x01=x"}, "неизвестный ключ 'System/Nom\\x01'"},
      {{"set", f, "System/Name"}, "'System/Name' - не КЛЮЧ=ЗНАЧЕНИЕ"},
      {{"set", f, "Log/Level=1", "log/level=2"}, "ключ Log/Level указан дважды"},
      {{"block-add", f, "--type", "ТРЛ-Х", "--port", "3"}, "тип блока 'ТРЛ-Х' не принимается"},
      {{"block-add", f, "--type", "ТРЛ-М", "--port", "256"}, "порт '256' не принимается; допустимо: от 1 до 255"},
      {{"block-add", f, "--type", "ТРЛ-М", "--port", "3", "--ip", "1.2.3.4"}, "--ip задаётся только для блоков ТРЛ-МЕ"},
      {{"block-add", f, "--type", "ТРЛ-М", "--port", "1"}, "блоки ТРЛ-М 1 и 3 оба на COM1"},
      {{"block-add", f, "--type", "TRL-ME", "--port", "6"}, "для блока ТРЛ-МЕ нужен параметр '--ip'"},
      {{"block-add", f, "--type", "ТРЛ-МЕ", "--port", "6", "--ip", "192.168.1.201"},
       "у блоков ТРЛ-МЕ 2 и 3 один адрес 192.168.1.201"},
      {{"block-add", f, "--type", "ТРЛ-МЕ", "--port", "6", "--ip", "10.0.0"}, "'10.0.0' - не адрес IPv4"},
      {{"block-add", f, "--type", "ТРЛ-М"}, "нужен параметр '--port'"},
      {{"block-set", f, "3", "--port", "2"}, "блока 3 нет (блоков в файле: 2)"},
      {{"block-set", f, "1", "--type", "ТРЛ-МЕ"}, "для блока ТРЛ-МЕ нужен параметр '--ip'"},
      {{"block-set", f, "2", "--type", "ТРЛ-М", "--port", "1"}, "блоки ТРЛ-М 1 и 2 оба на COM1"},
      {{"block-set", f, "1"}, "использование: zconf block-set"},
      {{"block-remove", f, "0"}, "блока 0 нет"},
      {{"unit-add", f, "1", "--type", "PVK", "--address", "0", "--host", "h"},
       "Не верно задан ВЛТ адрес. Запись не будет добавлена"},
      {{"unit-add", f, "1", "--type", "PVK", "--address", "256", "--host", "h"}, "Не верно задан ВЛТ адрес"},
      {{"unit-add", f, "1", "--type", "PVK", "--address", "8", "--host", " "},
       "Вы заполнили не все данные. Запись не будет добавлена"},
      {{"unit-add", f, "1", "--type", "PVK", "--address", "8", "--host", "h", "--name", "a,b"},
       "Наименование не должно содержать запятую"},
      {{"unit-add", f, "1", "--type", "PVK", "--address", "x8", "--host", "h"}, "'x8' is not a valid integer value"},
      {{"unit-add", f, "1", "--type", "GLS", "--address", "8", "--host", "h"}, "тип устройства 'GLS' не принимается"},
      {{"unit-add", f, "1", "--type", "MSD", "--address", "7", "--host", "h"}, "адрес 7 уже занят в блоке 1"},
      {{"unit-add", f, "5", "--type", "MSD", "--address", "8", "--host", "h"}, "блока 5 нет"},
      {{"unit-remove", f, "2", "2"}, "в блоке 2 нет устройства 2"},
      {{"frobnicate", f}, "неизвестная команда 'frobnicate'"},
      // An option is unknown wherever it stands; a known one is refused by a command that takes none.
      {{"--frob", "get", f}, "неизвестный параметр '--frob'"},
      {{"get", f, "-x"}, "неизвестный параметр '-x'"},
      {{"blocks", f, "--port", "2"}, "команда 'blocks' не принимает параметр '--port'"},
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
  EXPECT_NE(Zconf({"block-remove", dir.File("one.conf"), "1"}).err.find("последний оставшийся блок удалить нельзя"),
            std::string::npos);
  // A value the loader refuses would silently become the field's old content on saving.
  dir.Write("bad.conf", "[Audio]\r\nTxBuffer=abc\r\n");
  Outcome bad = Zconf({"set", dir.File("bad.conf"), "Log/Level=1"});
  EXPECT_EQ(bad.code, 2);
  EXPECT_NE(bad.err.find(":2: Audio/TxBuffer='abc' - не целое число"), std::string::npos) << bad.err;
  EXPECT_EQ(dir.Read("bad.conf"), "[Audio]\r\nTxBuffer=abc\r\n");
  EXPECT_EQ(Zconf({"set", dir.File("bad.conf"), "Audio/TxBuffer=10"}).code, 0);
  EXPECT_NE(dir.Read("bad.conf").find("TxBuffer=10\r\n"), std::string::npos);
}

// Files the program cannot read as configurations: every command refuses them (exit 2) and
// leaves them, and the voice.ini and the output file around them, byte for byte; check
// reports the one error on line 1.
TEST(Zconf, FilesThatCannotBeReadAsConfigurationsAreNeverReplaced) {
  const std::string conf = "[System]\r\nName=Gate\r\n[Devices]\r\n0=1\r\n;Block\r\n[VoiceDevices:1]\r\n0=PVK,5,a,h\r\n";
  struct Form {
    const char* name;
    std::string bytes;
    std::string told;  // a part of the explanation
  };
  const Form forms[] = {
      {"UTF-16", Utf16Le(conf), "сохранён в кодировке UTF-16 (Юникод)"},
      {"UTF-16 without BOM", Utf16Le(conf, false), "сохранён в кодировке UTF-16 (Юникод)"},
      {"UTF-8 with BOM", "\xEF\xBB\xBF" + conf, "сохранён в кодировке UTF-8 с меткой BOM"},
      {"CR only", "[System]\rName=Gate\r[Devices]\r0=1\r;Block\r", "строки, оканчивающиеся только символом CR"},
      {"binary", std::string("MZ\x90\0\x03\0\0\0[System]\0\xFF\xFF", 20), "содержит нулевые байты"},
      {"voice.ini", "[VoiceDevices:1]\r\n0=PVK,5,a,h\r\n", "список переговорных устройств"},
      {"text", "Шлюз корпуса 2: настройки у Петрова\r\n", "не содержит ни одного раздела конфигурации"},
  };
  TempDir dir;
  const std::string f = dir.File("z.conf"), voice = dir.File("voice.ini"), out = dir.File("out.conf");
  const std::string voiceBytes = "[VoiceDevices:1]\r\n0=PVK,1,keep,h\r\n";
  const std::vector<std::vector<std::string>> commands = {
      {"set", f, "System/Name=Other"},
      {"block-add", f, "--type", "ТРЛ-М", "--port", "9"},
      {"block-set", f, "1", "--port", "9"},
      {"block-remove", f, "1"},
      {"unit-add", f, "1", "--type", "PVK", "--address", "9", "--host", "h"},
      {"unit-remove", f, "1", "1"},
      {"save", f, out, voice},
      {"voice-rebuild", f, voice},
      {"get", f},
      {"dump", f},
      {"blocks", f},
  };
  for (const Form& form : forms) {
    SCOPED_TRACE(form.name);
    const std::string bytes = form.name == std::string("text") ? Utf8ToCp1251(form.bytes) : form.bytes;
    dir.Write("z.conf", bytes);
    dir.Write("voice.ini", voiceBytes);
    for (const std::vector<std::string>& args : commands) {
      SCOPED_TRACE(args[0]);
      Outcome run = Zconf(args);
      EXPECT_EQ(run.code, 2);
      EXPECT_EQ(run.err.rfind("zconf: Файл " + f + " ", 0), 0u) << run.err;
      EXPECT_NE(run.err.find(form.told), std::string::npos) << run.err;
      EXPECT_EQ(dir.Read("z.conf"), bytes);
      EXPECT_EQ(dir.Read("voice.ini"), voiceBytes);
      EXPECT_FALSE(dir.Exists("out.conf"));
    }
    Outcome check = Zconf({"check", f});
    EXPECT_EQ(check.code, 1);
    EXPECT_EQ(check.out.rfind(f + ":1: error: Файл " + f + " ", 0), 0u) << check.out;
  }
  // What save and voice-rebuild write is judged as what they read: an OUT or a VOICE that
  // cannot be read as what it should be stays as it is. `save F F` keeps the file's units.
  dir.Write("z.conf", Utf8ToCp1251(conf));
  for (const Form& form : forms) {
    SCOPED_TRACE(std::string("as the file written: ") + form.name);
    dir.Write("out.conf", form.bytes);
    dir.Write("voice.ini", form.bytes);
    EXPECT_EQ(Zconf({"save", f, out}).code, 2);
    EXPECT_EQ(dir.Read("out.conf"), form.bytes);
    // A unit list, or text without sections (read as an empty one), is what voice-rebuild writes.
    if (form.name == std::string("voice.ini") || form.name == std::string("text")) continue;
    EXPECT_EQ(Zconf({"voice-rebuild", f, voice}).code, 2);
    EXPECT_EQ(dir.Read("voice.ini"), form.bytes);
  }
  dir.Write("voice.ini", Utf8ToCp1251(conf));
  EXPECT_EQ(Zconf({"voice-rebuild", f, voice}).code, 2);  // a configuration is no unit list
  for (const char* changed : {"true", "false"}) {
    Outcome same = Zconf({"save", f, f, "--json"});
    EXPECT_EQ(same.code, 0) << same.err;
    EXPECT_NE(same.out.find(std::string("\"changed\":") + changed), std::string::npos) << same.out;
    EXPECT_NE(dir.Read("z.conf").find("[VoiceDevices:1]\r\n0=PVK,5,a,h\r\n"), std::string::npos);
  }
  dir.Write("voice.ini", voiceBytes);
  std::filesystem::remove(std::filesystem::u8path(out));

  // An empty file is an empty configuration: saving it loses nothing.
  dir.Write("z.conf", "");
  EXPECT_EQ(Zconf({"set", f, "System/Name=Gate"}).code, 0);
  EXPECT_NE(dir.Read("z.conf").find("[System]\r\nName=Gate\r\n"), std::string::npos);

  // A file that cannot be read at all says why, in every command, also as JSON.
  std::filesystem::create_directory(std::filesystem::u8path(dir.File("folder.conf")));
  const std::pair<std::string, std::string> unreadable[] = {
      {dir.File("none.conf"), ": файла нет."},
      {dir.File("folder.conf"), ": это папка, а не файл."},
  };
  for (const auto& [path, why] : unreadable) {
    for (const char* command : {"get", "set", "check", "blocks", "units", "dump", "save", "voice-rebuild",
                                "remove-block", "block-remove"}) {
      std::vector<std::string> args{command, path};
      const std::string c = command;
      if (c == "set") args.push_back("Log/Level=1");
      if (c == "units" || c == "block-remove" || c == "remove-block") args.push_back("1");
      if (c == "save" || c == "voice-rebuild") args.push_back(dir.File("new.ini"));
      Outcome run = Zconf(args);
      EXPECT_EQ(run.code, 2) << command;
      EXPECT_EQ(run.err, "zconf: Не удаётся прочитать файл " + path + why + "\n") << command;
      args.push_back("--json");
      Outcome json = Zconf(args);
      EXPECT_TRUE(IsAscii(json.out)) << json.out;
      const nlohmann::json failure = nlohmann::json::parse(json.out);
      EXPECT_EQ(failure, (nlohmann::json{{"changed", false}, {"failed", true}, {"msg", run.err.substr(7, run.err.size() - 8)}}))
          << command;
    }
  }
  EXPECT_FALSE(dir.Exists("new.ini"));

  // voice.ini held by another program stops a save: its units would be lost.
  dir.Write("z.conf", Utf8ToCp1251(conf));
  {
    FileHold hold(voice);
    ASSERT_TRUE(hold.held());
    Outcome held = Zconf({"save", f, out, voice});
    EXPECT_EQ(held.code, 2);
    EXPECT_EQ(held.err, "zconf: Не удаётся прочитать файл " + voice +
                            ": файл открыт в другой программе; закройте его и повторите.\n");
    EXPECT_FALSE(dir.Exists("out.conf"));
  }
}

// What the writing commands promise besides their refusals: the changes a save makes beyond
// the ones asked for are told, foreign sections after the last known one are kept, JSON is
// ASCII that any code page reads.
TEST(Zconf, WritingCommandsTellWhatTheSaveChangesBesidesWhatWasAsked) {
  TempDir dir;
  const std::string f = dir.File("z.conf");
  dir.Write("z.conf",
            Utf8ToCp1251("[System]\r\nName=Шлюз\r\nFoo=1\r\n[Audio]\r\nTxBuffer=5000\r\n[Log]\r\nLevel=2\r\n"
                         "[Extra]\r\nkeep=me\r\n"));
  Outcome run = Zconf({"set", f, "Log/Level=3", "--json"});
  ASSERT_EQ(run.code, 0) << run.err;
  for (const char* told : {"Audio/TxBuffer: '5000' -> '1000'",
                           "ключ Network/Need Gatekeeper добавлен со значением 'yes'",
                           "ключ Log/SysLog Level добавлен со значением '-1'",
                           "строка 'Foo=1' перенесена из раздела [System] в [H323]"}) {
    EXPECT_NE(run.err.find("zconf: предупреждение: " + std::string(told) + "\n"), std::string::npos) << told;
  }
  EXPECT_EQ(run.err.find("Log/Level"), std::string::npos) << run.err;  // asked for
  EXPECT_TRUE(IsAscii(run.out)) << run.out;
  const nlohmann::json result = nlohmann::json::parse(run.out);
  EXPECT_EQ(result["file"], f);
  EXPECT_EQ(result["changed"], true);
  EXPECT_EQ(result["failed"], false);
  EXPECT_EQ(result["warnings"].size(), 13u);
  EXPECT_EQ(result["warnings"][4], "Audio/TxBuffer: '5000' -> '1000'");
  // The section check says is kept is kept; a second run changes nothing and says so.
  const std::string saved = dir.Read("z.conf");
  EXPECT_NE(saved.find("[Extra]\r\nkeep=me\r\n"), std::string::npos) << saved;
  Outcome again = Zconf({"set", f, "Log/Level=3", "--json"});
  EXPECT_EQ(nlohmann::json::parse(again.out),
            (nlohmann::json{{"file", f}, {"changed", false}, {"failed", false}, {"warnings", nlohmann::json::array()}}));
  EXPECT_EQ(again.err, "");
  EXPECT_EQ(dir.Read("z.conf"), saved);
}

TEST(Zconf, HelpVersionAndUsage) {
  Outcome help = Zconf({"--help"});
  EXPECT_EQ(help.code, 0);
  for (const char* command : {"get", "set", "check", "blocks", "block-add", "block-set", "block-remove", "units",
                              "unit-add", "unit-remove", "dump", "save", "voice-rebuild", "remove-block", "service"})
    EXPECT_NE(help.out.find("\nzconf " + std::string(command) + " "), std::string::npos) << command;
  // The keys' ranges come from the fields' own table.
  EXPECT_NE(help.out.find("  SilenceDetection/Signal Deadband    целое число от 0 до 5000\n"), std::string::npos)
      << help.out;
  EXPECT_NE(help.out.find("  Audio/Max Calls                     -1 (без ограничения)"), std::string::npos);
  EXPECT_EQ(Zconf({"-h"}).out, help.out);
  EXPECT_EQ(Zconf({"/?"}).out, help.out);
  Outcome one = Zconf({"help", "unit-add"});
  EXPECT_EQ(one.code, 0);
  EXPECT_EQ(one.out.rfind("использование: zconf unit-add FILE N --type PVK|MSD|TRLZN", 0), 0u) << one.out;
  EXPECT_EQ(Zconf({"check", "--help"}).out, Zconf({"help", "check"}).out);
  EXPECT_EQ(Zconf({"check", "/?"}).out, Zconf({"help", "check"}).out);
  Outcome version = Zconf({"--version"});
  EXPECT_EQ(version.code, 0);
  EXPECT_EQ(version.out, std::string(ZZ_VERSION_TEXT) + "\n");
  EXPECT_EQ(Zconf({}).code, 2);
  EXPECT_EQ(Zconf({"help", "frobnicate"}).code, 2);
#ifndef _WIN32
  Outcome service = Zconf({"service", "status"});
  EXPECT_EQ(service.code, 2);
  EXPECT_EQ(service.err, "zconf: управление службой есть только в сборке для Windows\n");
#endif
}

}  // namespace
}  // namespace zz::test
