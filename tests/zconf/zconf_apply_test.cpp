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
    ASSERT_EQ(check.code, 0) << check.err;
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

TEST(ZconfApply, WhatADocumentLeavesOutStaysAndBlocksMatchByPosition) {
  struct Case {
    const char* document;
    const char* changes;  // as --diff prints them
  };
  const Case cases[] = {
      {R"({"version": 1, "keys": {"log/level": 5}})",
       "Журналы / Уровень отладочной трассировки: Дополнительная информация → Расширенная отладочная информация\n"},
      {R"({"version": 1, "blocks": [{"port": 2}]})",
       "Блоки ТРЛ-М / блок 1, порт: COM1 → COM2\n"
       "Блоки ТРЛ-М / блок 2 удалён: ТРЛ-МЕ, COM4, 192.168.1.201, «Склад №2», 1 устройство\n"},
      {R"({"version": 1, "blocks": [{}, {"units": []}, {"type": "TRL-ME", "port": 6, "address": "10.0.0.9"}]})",
       "Блоки ТРЛ-М / блок 2, устройство с адресом 9 удалено: МСД-2М, МСД-4М, «Склад», 192.168.1.60\n"
       "Блоки ТРЛ-М / блок 3 добавлен: ТРЛ-МЕ, COM6, 10.0.0.9, «Новый блок», 0 устройств\n"},
      {R"({"version": 1, "blocks": [{"comment": "", "units": [
            {"type": "msd", "address": 5, "name": " Пост 1 ", "host": "192.168.1.50"}]}, {"type": "ТРЛ-М"}]})",
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

TEST(ZconfApply, RefusedDocumentsNameTheirPathAndLeaveEveryFile) {
  struct Case {
    std::string document;
    const char* path;
    const char* message;  // a part of it
  };
  const std::string units = R"({"version": 1, "blocks": [{"units": [{"type": "PVK", "address": 5, "host": "h", )";
  const Case cases[] = {
      // Wrong types.
      {R"({"version": 1, "keys": {"Audio/TxBuffer": true}})", "$.keys[\"Audio/TxBuffer\"]",
       "ожидается строка или целое число"},
      {R"({"version": 1, "blocks": {}})", "$.blocks", "ожидается массив"},
      {R"({"version": 1, "blocks": [{"port": "4"}]})", "$.blocks[0].port", "ожидается целое число"},
      {R"({"version": 1, "blocks": [{}, {"units": [{"type": "PVK", "address": 5.5, "host": "h"}]}]})",
       "$.blocks[1].units[0].address", "ожидается целое число"},
      {R"({"version": 1, "prefixes": "0=0"})", "$.prefixes", "ожидается массив"},
      {"[]", "$", "ожидается объект"},
      // Unknown keys and members.
      {R"({"version": 1, "keys": {"System/Nom": "x"}})", "$.keys[\"System/Nom\"]", "неизвестный ключ 'System/Nom'"},
      {R"({"version": 1, "block": []})", "$.block", "неизвестный член; допустимы: version, keys, prefixes, blocks"},
      {units + R"("ip": "h"}]}]})", "$.blocks[0].units[0].ip", "неизвестный член; допустимы: type, address, name, host"},
      {R"({"version": 1, "keys": {"Log/Level": "1", "log/level": "2"}})", "$.keys[\"log/level\"]",
       "ключ Log/Level указан дважды"},
      {units + R"("address": 6}]}]})", "$.blocks[0].units[0].address", "член указан дважды"},
      {R"({"version": 2})", "$.version", "версия документа 2 не поддерживается"},
      {R"({"keys": {}})", "$.version", "нет обязательного члена"},
      // Out of range, and what check calls an error.
      {R"({"version": 1, "keys": {"Audio/TxBuffer": "1001"}})", "$.keys[\"Audio/TxBuffer\"]",
       "Audio/TxBuffer: значение '1001' не принимается; допустимо: целое число от 0 до 1000"},
      {R"({"version": 1, "keys": {"Network/Listener Port": 70000}})", "$.keys[\"Network/Listener Port\"]",
       "Network/Listener Port: '70000' - не номер порта от 1 до 65535"},
      {R"({"version": 1, "blocks": [{"port": 256}]})", "$.blocks[0].port", "порт '256' не принимается"},
      {R"({"version": 1, "blocks": [{"units": [{"type": "PVK", "address": 256, "host": "h"}]}]})",
       "$.blocks[0].units[0]", "Не верно задан ВЛТ адрес. Запись не будет добавлена"},
      {units + R"("name": "a,b"}]}]})", "$.blocks[0].units[0]", "Наименование не должно содержать запятую"},
      {R"({"version": 1, "blocks": [{"units": [{"type": "GLS", "address": 1, "host": "h"}]}]})",
       "$.blocks[0].units[0].type", "тип устройства 'GLS' не принимается"},
      {R"({"version": 1, "prefixes": ["0=0", "5="]})", "$.prefixes[1]", "префикс '5=' не принимается"},
      // Duplicate unit addresses.
      {R"({"version": 1, "blocks": [{}, {"units": [{"type": "PVK", "address": 9, "host": "a"},
                                              {"type": "MSD", "address": 9, "host": "b"}]}]})",
       "$.blocks[1].units[1].address", "адрес 9 уже занят в блоке 2"},
      // Blocks: a ТРЛ-М block with an address, and what the file's blocks make wrong.
      {R"({"version": 1, "blocks": [{"address": "10.0.0.1"}]})", "$.blocks[0].address",
       "адрес задаётся только для блоков ТРЛ-МЕ"},
      {R"({"version": 1, "blocks": [{"type": "ТРЛ-МЕ"}]})", "$.blocks[0].address", "для блока ТРЛ-МЕ нужен адрес"},
      {R"({"version": 1, "blocks": [{}, {"type": "TRL-M", "port": 1}]})", "$.blocks[1]",
       "блоки ТРЛ-М 1 и 2 оба на COM1"},
      {R"({"version": 1, "blocks": [{}, {}, {"type": "TRL-ME", "port": 3, "address": "10.0.0"}]})", "$.blocks[2]",
       "блок ТРЛ-МЕ 3: '10.0.0' - не адрес IPv4"},
      {R"({"version": 1, "blocks": [{}, {}, {"type": "ТРЛ-М"}]})", "$.blocks[2].port", "у нового блока должны быть"},
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
