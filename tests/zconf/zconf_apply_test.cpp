// zconf export and apply on real files: an export applied to another configuration makes it
// equal, a second apply and --check write nothing, a partial document keeps what it leaves
// out, and a refused document leaves every file as it was.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cp1251.h"
#include "test_support.h"
#include "zconf_run.h"

namespace zz::test {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// The bytes and the modification time of a file: what "left alone" means.
struct Snapshot {
  std::string bytes;
  fs::file_time_type time;
  bool operator==(const Snapshot& o) const { return bytes == o.bytes && time == o.time; }
};

Snapshot Take(const TempDir& dir, const std::string& name) {
  return {dir.Read(name), fs::last_write_time(fs::u8path(dir.File(name)))};
}

// A file written an hour ago, so that a rewrite within the test shows in its time.
void WriteOld(const TempDir& dir, const std::string& name, const std::string& bytes) {
  dir.Write(name, bytes);
  fs::last_write_time(fs::u8path(dir.File(name)), fs::file_time_type::clock::now() - std::chrono::hours(1));
}

std::size_t Revisions(const std::string& path) { return Zconf({"history", path, "--json"}).json().size(); }

// PowerShell 5.1's > and Out-File: UTF-16 LE with its mark.
std::string Utf16(const std::string& ascii) {
  std::string bytes = "\xFF\xFE";
  for (char c : ascii) bytes += std::string{c, '\0'};
  return bytes;
}

TEST(ZconfApply, ExportAppliedToAnotherConfigurationMakesItEqualAndASecondApplyWritesNothing) {
  const char* fixtures[] = {"zconf/gateway.conf", "zconf/edited.conf", "golden/full/saved.conf",
                            "golden/devices-neighbours/saved.conf"};
  const std::size_t n = std::size(fixtures);
  for (std::size_t i = 0; i < n; ++i) {
    SCOPED_TRACE(fixtures[i]);
    TempDir dir;
    dir.Write("source.conf", ReadDataFile(fixtures[i]));
    WriteOld(dir, "target.conf", ReadDataFile(fixtures[(i + 1) % n]));
    const std::string source = dir.File("source.conf"), target = dir.File("target.conf");
    const std::string desired = dir.File("desired.json");
    // The document as a shell redirects it (ASCII; UTF-16 as Windows PowerShell writes it), or
    // as export writes it into a file (UTF-8).
    if (i % 3 == 2) {
      ASSERT_EQ(Zconf({"export", source, desired}).code, 0);
      EXPECT_EQ(dir.Read("desired.json").find("\\u04"), std::string::npos);
    } else {
      Outcome exported = Zconf({"export", source});
      ASSERT_EQ(exported.code, 0) << exported.err;
      for (char c : exported.out) ASSERT_LT(static_cast<unsigned char>(c), 0x80u);
      dir.Write("desired.json", i % 3 == 1 ? Utf16(exported.out) : exported.out);
    }

    // --check: what diff says, nothing written.
    const Snapshot before = Take(dir, "target.conf");
    Outcome check = Zconf({"apply", target, desired, "--check", "--json"});
    ASSERT_EQ(check.code, 1) << check.err;
    EXPECT_EQ(check.json()["changed"], true);
    EXPECT_EQ(check.json()["changes"], Zconf({"diff", target, source, "--json"}).json()["changes"]);
    EXPECT_TRUE(Take(dir, "target.conf") == before);
    EXPECT_FALSE(dir.Exists("History"));

    Outcome applied = Zconf({"apply", target, desired, "--json"});
    ASSERT_EQ(applied.code, 0) << applied.err;
    EXPECT_EQ(applied.json()["changed"], true);
    EXPECT_EQ(applied.json()["failed"], false);
    EXPECT_EQ(applied.json()["changes"], check.json()["changes"]);
    Outcome equal = Zconf({"diff", source, target});
    EXPECT_EQ(equal.code, 0) << equal.out;
    EXPECT_EQ(Revisions(target), 2u);  // the version before, and the present one

    WriteOld(dir, "target.conf", dir.Read("target.conf"));
    const Snapshot after = Take(dir, "target.conf");
    for (const char* flag : {"--json", "--diff"}) {
      Outcome again = Zconf({"apply", target, desired, flag});
      EXPECT_EQ(again.code, 0) << again.err;
      if (flag == std::string("--json"))
        EXPECT_EQ(again.json()["changed"], false);
      else
        EXPECT_EQ(again.out, "");  // no change to print
      EXPECT_TRUE(Take(dir, "target.conf") == after);
    }
    EXPECT_EQ(Revisions(target), 2u);  // the version before, and the present one
  }
}

TEST(ZconfApply, WhatADocumentLeavesOutStaysAndValuesComeAsEnginesWriteThem) {
  struct Case {
    const char* document;
    const char* changes;  // as --diff prints them
  };
  const Case cases[] = {
      {R"({"version": 1, "keys": {"log/level": 5}})",
       "Журналы / Уровень отладочной трассировки: Дополнительная информация → Расширенная отладочная информация\n"},
      // What YAML and an INI inventory make of values, and the remarks an engine's template adds.
      {R"({"$schema": "urn:x", "_note": "from the template", "version": 1, "computer": "elsewhere",
           "keys": {"_comment": "", "Network/Need Gatekeeper": false, "Network/Listener Port": "1721"}})",
       "Сетевые настройки / Порт IP телефонии: 1720 → 1721\n"
       "Сетевые настройки / Использовать Gatekeeper: Да → Нет\n"},
      {R"({"version": 1, "blocks": [{"type": "TRL-M", "port": "1"}]})",
       "Блоки ТРЛ-М / блок 2 удалён: ТРЛ-МЕ, COM4, 192.168.1.201, «Склад №2», 1 устройство\n"},
      {R"({"version": 1, "blocks": [{"type": "TRL-M", "port": 1}, {"type": "TRL-ME", "address": "192.168.1.201",
           "units": []}, {"_why": "new", "type": "TRL-ME", "port": 6, "address": "10.0.0.9", "units": []}]})",
       "Блоки ТРЛ-М / блок 2, устройство с адресом 9 удалено: МСД-2М, МСД-4М, «Склад», 192.168.1.60\n"
       "Блоки ТРЛ-М / блок 3 добавлен: ТРЛ-МЕ, COM6, 10.0.0.9, «Новый блок», 0 устройств\n"},
      {R"({"version": 1, "blocks": [{"type": "TRL-M", "port": 1, "comment": "", "units": [
            {"type": "msd", "address": "5", "name": " Пост 1 ", "host": "192.168.1.50"}]}, {"type": "ТРЛ-М", "port": 4}]})",
       "Блоки ТРЛ-М / блок 1, комментарий: Проходная \"главная\" → (пусто)\n"
       "Блоки ТРЛ-М / блок 1, устройство с адресом 5, тип: ПВК-ЗН, ГЛС → МСД-2М, МСД-4М\n"
       "Блоки ТРЛ-М / блок 1, устройство с адресом 7 удалено: ТРЛ-ЗН slave, «Ворота \\ север», 192.168.1.51\n"
       "Блоки ТРЛ-М / блок 2, тип: ТРЛ-МЕ → ТРЛ-М\n"
       "Блоки ТРЛ-М / блок 2, IP адрес: 192.168.1.201 → (пусто)\n"},
      {R"({"version": 1, "prefixes": ["9 = 99"]})",
       "Сетевые настройки / Префиксы номеров абонентов: 0=0 удалён\n"
       "Сетевые настройки / Префиксы номеров абонентов: 1=1 удалён\n"
       "Сетевые настройки / Префиксы номеров абонентов: 9=99 добавлен\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.document);
    TempDir dir;
    dir.Write("z.conf", ReadDataFile("zconf/gateway.conf"));
    dir.Write("d.json", c.document);
    Outcome run = Zconf({"apply", dir.File("z.conf"), dir.File("d.json"), "--diff"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, c.changes);
    // What the file now says is what the document said: a second run has nothing to do.
    EXPECT_EQ(Zconf({"apply", dir.File("z.conf"), dir.File("d.json"), "--diff"}).out, "");
  }
}

// Each block of the file as "type port/address comment: unit addresses", from its export.
std::vector<std::string> BlocksWithUnits(const std::string& conf) {
  std::vector<std::string> blocks;
  const Json exported = Zconf({"export", conf, "--json"}).json();
  for (const Json& b : exported["blocks"]) {
    std::string text = b["type"].get<std::string>() + " " + std::to_string(b["port"].get<int>()) + " " +
                       b.value("address", "") + " " + b["comment"].get<std::string>() + ":";
    for (const Json& u : b["units"]) text += " " + std::to_string(u["address"].get<int>());
    blocks.push_back(text);
  }
  return blocks;
}

TEST(ZconfApply, BlocksAreMatchedByIdentityAndTheirUnitsGoWithThem) {
  // Проходная (unit 5), Склад (units 9, 10), Гараж ТРЛ-МЕ (unit 7), Пост (unit 3).
  const std::string start = R"({"version": 1, "blocks": [
    {"type": "ТРЛ-М", "port": 1, "comment": "Проходная", "units": [{"type": "PVK", "address": 5, "host": "h5"}]},
    {"type": "ТРЛ-М", "port": 2, "comment": "Склад", "units": [{"type": "MSD", "address": 9, "host": "h9"},
                                                              {"type": "MSD", "address": 10, "host": "h10"}]},
    {"type": "ТРЛ-МЕ", "port": 3, "address": "10.0.0.7", "comment": "Гараж",
     "units": [{"type": "TRLZN", "address": 7, "host": "h7"}]},
    {"type": "ТРЛ-М", "port": 4, "comment": "Пост", "units": [{"type": "PVK", "address": 3, "host": "h3"}]}]})";
  // The blocks as an engine names them, without their units.
  const std::string a = R"({"type": "TRL-M", "port": 1})", b = R"({"type": "TRL-M", "port": "2"})",
                    c = R"({"type": "TRL-ME", "address": "10.0.0.7"})", d = R"({"type": "ТРЛ-М", "port": 4})";
  const std::vector<std::string> unchanged = {"ТРЛ-М 1  Проходная: 5", "ТРЛ-М 2  Склад: 9 10",
                                              "ТРЛ-МЕ 3 10.0.0.7 Гараж: 7", "ТРЛ-М 4  Пост: 3"};
  struct Case {
    const char* name;
    std::string blocks;
    std::vector<std::string> expected;  // empty: refused
    const char* path = "";
  };
  const Case cases[] = {
      {"drop from the middle", a + "," + c, {"ТРЛ-М 1  Проходная: 5", "ТРЛ-МЕ 3 10.0.0.7 Гараж: 7"}},
      {"insert at the front",
       R"({"type": "TRL-M", "port": 7, "comment": "Въезд", "units": [{"type": "PVK", "address": 1, "host": "h1"}]},)" +
           a + "," + b + "," + c + "," + d,
       {"ТРЛ-М 7  Въезд: 1", "ТРЛ-М 1  Проходная: 5", "ТРЛ-М 2  Склад: 9 10", "ТРЛ-МЕ 3 10.0.0.7 Гараж: 7",
        "ТРЛ-М 4  Пост: 3"}},
      {"reorder, one list replaced",
       d + "," + c + R"(, {"type": "TRL-M", "port": 2, "units": [{"type": "MSD", "address": 11, "host": "h"}]},)" + a,
       {"ТРЛ-М 4  Пост: 3", "ТРЛ-МЕ 3 10.0.0.7 Гараж: 7", "ТРЛ-М 2  Склад: 11", "ТРЛ-М 1  Проходная: 5"}},
      {"change type in place", a + "," + b + R"(, {"type": "TRL-M", "port": 3},)" + d,
       {"ТРЛ-М 1  Проходная: 5", "ТРЛ-М 2  Склад: 9 10", "ТРЛ-М 3  Гараж: 7", "ТРЛ-М 4  Пост: 3"}},
      {"no units, no such block", a + R"(, {"type": "TRL-M", "port": 9})", {}, "$.blocks[1].units"},
      {"no units, type and port both changed", a + "," + b + R"(, {"type": "TRL-M", "port": 5},)" + d, {},
       "$.blocks[2].units"},
      {"no units, a ТРЛ-МЕ at another address", a + R"(, {"type": "TRL-ME", "address": "10.0.0.8"})", {},
       "$.blocks[1].units"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    TempDir dir;
    dir.Write("zidezir.conf", ReadDataFile("zconf/gateway.conf"));
    dir.Write("start.json", start);
    ASSERT_EQ(Zconf({"apply", dir.File("zidezir.conf"), dir.File("start.json")}).code, 0);
    ASSERT_EQ(BlocksWithUnits(dir.File("zidezir.conf")), unchanged);
    dir.Write("d.json", R"({"version": 1, "blocks": [)" + k.blocks + "]}");
    Outcome run = Zconf({"apply", dir.File("zidezir.conf"), dir.File("d.json"), "--json"});
    if (k.expected.empty()) {
      EXPECT_EQ(run.code, 2);
      EXPECT_EQ(run.json()["path"], k.path);
      EXPECT_EQ(BlocksWithUnits(dir.File("zidezir.conf")), unchanged);
    } else {
      EXPECT_EQ(run.code, 0) << run.out << run.err;
      EXPECT_EQ(BlocksWithUnits(dir.File("zidezir.conf")), k.expected);
      // The written file gives the gateway the same lists: a second run changes nothing.
      EXPECT_EQ(Zconf({"apply", dir.File("zidezir.conf"), dir.File("d.json"), "--json"}).json()["changed"], false);
    }
  }
}

TEST(ZconfApply, AHandEditedFileWithTheSettingsStaysAndCreateMakesANewGateway) {
  TempDir dir;
  dir.Write("source.conf", ReadDataFile("zconf/gateway.conf"));
  ASSERT_EQ(Zconf({"export", dir.File("source.conf"), dir.File("d.json")}).code, 0);
  // The settings are the document's; only the file's form is not the program's.
  WriteOld(dir, "zidezir.conf", ReadDataFile("zconf/gateway.conf") + "\r\n; edited by hand\r\n");
  const Snapshot edited = Take(dir, "zidezir.conf");
  Outcome same = Zconf({"apply", dir.File("zidezir.conf"), dir.File("d.json"), "--json"});
  EXPECT_EQ(same.code, 0);
  EXPECT_EQ(same.json()["changed"], false);
  EXPECT_NE(same.json()["msg"].get<std::string>().find("записала бы его в другом виде"), std::string::npos);
  EXPECT_TRUE(Take(dir, "zidezir.conf") == edited);

  // A new gateway: refused without --create and with --check, leaving nothing behind; made,
  // with its voice.ini, with --create.
  TempDir fresh;
  const std::string conf = fresh.File("zidezir.conf");
  for (std::vector<std::string> args : {std::vector<std::string>{}, {"--create", "--check"}}) {
    args.insert(args.begin(), {"apply", conf, dir.File("d.json")});
    EXPECT_EQ(Zconf(args).code, args.size() == 3 ? 2 : 1);
    EXPECT_TRUE(fs::is_empty(fs::u8path(fresh.Path())));
  }
  Outcome made = Zconf({"apply", conf, dir.File("d.json"), "--create", "--json"});
  EXPECT_EQ(made.code, 0) << made.err;
  EXPECT_EQ(made.json()["changed"], true);
  EXPECT_EQ(Zconf({"diff", conf, dir.File("source.conf")}).code, 0);
  // The version made is kept; no empty one before it for a guard to give back.
  const nlohmann::json history = Zconf({"history", conf, "--json"}).json();
  ASSERT_EQ(history.size(), 1u);
  EXPECT_EQ(history[0]["number"], 0);
  EXPECT_EQ(Zconf({"units", fresh.File("voice.ini"), "2", "--json"}).out, Zconf({"units", conf, "2", "--json"}).out);
}

TEST(ZconfApply, RefusedDocumentsNameTheirPathAndLeaveEveryFile) {
  struct Case {
    std::string document;
    const char* path;
    const char* message;  // a part of it
  };
  const std::string b1 = R"({"type": "TRL-M", "port": 1)", b2 = R"({"type": "TRL-ME", "address": "192.168.1.201")";
  const std::string units = R"({"version": 1, "blocks": [)" + b1 + R"(, "units": [{"type": "PVK", "address": 5, "host": "h", )";
  const Case cases[] = {
      // Wrong types.
      {R"({"version": 1, "keys": {"Audio/TxBuffer": true}})", "$.keys[\"Audio/TxBuffer\"]",
       "ожидается строка или целое число"},
      {R"({"version": 1, "blocks": {}})", "$.blocks", "ожидается массив"},
      {R"({"version": 1, "blocks": [{"type": "TRL-M", "port": "COM4"}]})", "$.blocks[0].port", "ожидается целое число"},
      {R"({"version": 1, "blocks": [)" + b1 + "}, " + b2 + R"(, "units": [{"type": "PVK", "address": 5.5, "host": "h"}]}]})",
       "$.blocks[1].units[0].address", "ожидается целое число"},
      {R"({"version": 1, "blocks": [{"port": 1}]})", "$.blocks[0].type", "нет обязательного члена"},
      {R"({"version": 1, "blocks": [{"type": "TRL-M"}]})", "$.blocks[0].port", "нет обязательного члена"},
      {R"({"version": 1, "keys": {"Log/Level": false}})", "$.keys[\"Log/Level\"]", "ожидается строка или целое число"},
      {R"({"version": 1, "prefixes": "0=0"})", "$.prefixes", "ожидается массив"},
      {"[]", "$", "ожидается объект"},
      // Unknown keys and members.
      {R"({"version": 1, "keys": {"System/Nom": "x"}})", "$.keys[\"System/Nom\"]", "неизвестный ключ 'System/Nom'"},
      {R"({"version": 1, "block": []})", "$.block", "неизвестный член; допустимы: version, keys, prefixes, blocks"},
      {units + R"("ip": "h"}]}]})", "$.blocks[0].units[0].ip", "неизвестный член; допустимы: type, address, name, host"},
      {R"({"version": 1, "keys": {"Log/Level": "1", "log/level": "2"}})", "$.keys[\"log/level\"]",
       "ключ Log/Level указан дважды"},
      {units + R"("address": 6}]}]})", "$.blocks[0].units[0].address", "член указан дважды"},
      {R"({"version": 2})", "$.version", "версия документа 2 не поддерживается; этот zconf читает документы версии 1"},
      {R"({"version": "1"})", "$.version", "версия документа - целое число без кавычек: \"version\": 1, а не \"1\""},
      {R"({"keys": {}})", "$.version", "нет обязательного члена"},
      // Out of range, and what check calls an error.
      {R"({"version": 1, "keys": {"Audio/TxBuffer": "1001"}})", "$.keys[\"Audio/TxBuffer\"]",
       "Audio/TxBuffer: значение '1001' не принимается; допустимо: целое число от 0 до 1000"},
      {R"({"version": 1, "keys": {"Network/Listener Port": 70000}})", "$.keys[\"Network/Listener Port\"]",
       "Network/Listener Port: '70000' - не номер порта от 1 до 65535"},
      {R"({"version": 1, "blocks": [{"type": "TRL-M", "port": 256}]})", "$.blocks[0].port", "порт '256' не принимается"},
      {R"({"version": 1, "blocks": [)" + b1 + R"(, "units": [{"type": "PVK", "address": 256, "host": "h"}]}]})",
       "$.blocks[0].units[0]", "Не верно задан ВЛТ адрес. Запись не будет добавлена"},
      {units + R"("name": "a,b"}]}]})", "$.blocks[0].units[0]", "Наименование не должно содержать запятую"},
      {R"({"version": 1, "blocks": [)" + b1 + R"(, "units": [{"type": "GLS", "address": 1, "host": "h"}]}]})",
       "$.blocks[0].units[0].type", "тип устройства 'GLS' не принимается"},
      {R"({"version": 1, "prefixes": ["0=0", "5="]})", "$.prefixes[1]", "префикс '5=' не принимается"},
      // Duplicate unit addresses.
      {R"({"version": 1, "blocks": [)" + b1 + "}, " + b2 + R"(, "units": [{"type": "PVK", "address": 9, "host": "a"},
                                              {"type": "MSD", "address": 9, "host": "b"}]}]})",
       "$.blocks[1].units[1].address", "адрес 9 уже занят в блоке 2"},
      // Blocks: a ТРЛ-М block with an address, and what the file's blocks make wrong.
      {R"({"version": 1, "blocks": [{"type": "TRL-M", "port": 1, "address": "10.0.0.1"}]})", "$.blocks[0].address",
       "адрес задаётся только для блоков ТРЛ-МЕ"},
      {R"({"version": 1, "blocks": [{"type": "ТРЛ-МЕ"}]})", "$.blocks[0].address", "для блока ТРЛ-МЕ нужен адрес"},
      {R"({"version": 1, "blocks": [)" + b1 + R"(}, {"type": "TRL-M", "port": 1, "units": []}]})", "$.blocks[1]",
       "блоки ТРЛ-М 1 и 2 оба на COM1"},
      {R"({"version": 1, "blocks": [)" + b1 + "}, " + b2 + R"(}, {"type": "TRL-ME", "port": 3, "address": "10.0.0",
          "units": []}]})", "$.blocks[2]",
       "блок ТРЛ-МЕ 3: '10.0.0' - не адрес IPv4"},
      {R"({"version": 1, "blocks": [)" + b1 + "}, " + b2 + R"(}, {"type": "ТРЛ-МЕ", "address": "10.0.0.5",
          "units": []}]})", "$.blocks[2].port", "у нового блока должны быть"},
      {R"({"version": 1, "blocks": []})", "$.blocks", "последний оставшийся блок удалить нельзя"},
      // Malformed JSON: where the parser stopped.
      {R"({"version": 1, "keys": {"Log/Level": "1",}})", "$.keys[\"Log/Level\"]",
       "документ не читается как JSON: ошибка в строке 1, символ 42"},
      {"{\"version\": 1,\n \"blocks\": [{\"port\": 2}", "$.blocks[0]",
       "документ не читается как JSON: ошибка в строке 2, символ 24"},
      // Text Windows-1251 cannot hold, and a document that is not UTF-8.
      {R"({"version": 1, "keys": {"System/Name": "管理者"}})", "$.keys[\"System/Name\"]",
       "System/Name: значение '管理者' не принимается"},
      {units + R"("name": "Ω"}]}]})", "$.blocks[0].units[0].name",
       "значение не принимается: текст должен умещаться в Windows-1251"},
      {Utf8ToCp1251(R"({"version": 1, "keys": {"System/Name": "Шлюз"}})"), "$.keys[\"System/Name\"]",
       "документ не в кодировке UTF-8 (строка 1, символ 42)"},
  };
  TempDir dir;
  const std::string conf = ReadDataFile("zconf/gateway.conf"), voice = "[VoiceDevices:1]\r\n0=PVK,1,keep,h\r\n";
  WriteOld(dir, "zidezir.conf", conf);
  WriteOld(dir, "voice.ini", voice);
  const Snapshot confBefore = Take(dir, "zidezir.conf"), voiceBefore = Take(dir, "voice.ini");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.document);
    dir.Write("d.json", c.document);
    for (const char* mode : {"--json", "--check"}) {
      Outcome run = Zconf({"apply", dir.File("zidezir.conf"), dir.File("d.json"), mode});
      EXPECT_EQ(run.code, 2);
      EXPECT_NE(run.err.find(dir.File("d.json") + ": " + c.path + ": " + c.message), std::string::npos) << run.err;
      if (mode == std::string("--json")) {
        const Json failure = run.json();
        EXPECT_EQ(failure["changed"], false);
        EXPECT_EQ(failure["failed"], true);
        EXPECT_EQ(failure["path"], c.path);
        EXPECT_NE(failure["msg"].get<std::string>().find(c.message), std::string::npos);
      }
    }
  }
  EXPECT_TRUE(Take(dir, "zidezir.conf") == confBefore);
  EXPECT_TRUE(Take(dir, "voice.ini") == voiceBefore);
  EXPECT_FALSE(dir.Exists("History"));

  // The command line: a flag takes no value; export does not write over a configuration.
  EXPECT_NE(Zconf({"apply", dir.File("zidezir.conf"), dir.File("d.json"), "--check=1"}).err.find(
                "параметр '--check' не принимает значения"),
            std::string::npos);
  EXPECT_EQ(Zconf({"export", dir.File("zidezir.conf"), dir.File("zidezir.conf")}).code, 2);
  EXPECT_TRUE(Take(dir, "zidezir.conf") == confBefore);
}

}  // namespace
}  // namespace zz::test
