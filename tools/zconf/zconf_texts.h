// Every text of zconf: the help of each command and the messages of the command line, in
// the product's Russian; command and option names, keys and JSON field names stay English,
// as in Windows' own localised tools. Messages of the core (the record dialog's checks, a
// file that cannot be read) come from the core.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace zz::zconf {

struct CommandHelp {
  const char* name;
  const char* synopsis;  // after "zconf "
  const char* text;
};

inline constexpr std::array<CommandHelp, 23> kCommandHelp{{
    {"get", "get FILE [KEY] [--json]",
     "Выводит значение, которое программа записала бы для ключа KEY, загрузив FILE. KEY\n"
     "записывается как Раздел/Ключ, в любом регистре букв (Network/Listener Port). Без KEY\n"
     "выводит все 26 ключей, по одному Раздел/Ключ=значение в строке, в порядке записи.\n"},
    {"set", "set FILE KEY=VALUE... [--json]",
     "Задаёт ключам значения по правилам полей окна и записывает FILE так, как его сохраняет\n"
     "программа, с разделами VoiceDevices:. Пустое значение удаляет ключ из файла. Значение,\n"
     "которое не принимается (или которое check назвал бы ошибкой), оставляет FILE как был.\n"},
    {"check", "check FILE [--json]",
     "Сообщает, что заставит шлюз неверно прочитать FILE или отвергнуть его, по одной\n"
     "находке в строке: FILE:СТРОКА: error|warning: текст. Код 0 без ошибок, 1 с ошибками,\n"
     "2 когда FILE нельзя прочитать.\n"},
    {"blocks", "blocks FILE [--json]", "Выводит блоки контроллеров FILE: N|тип|порт|IP|комментарий.\n"},
    {"block-add", "block-add FILE --type ТРЛ-М|ТРЛ-МЕ --port N [--ip ADDR] [--comment TEXT] [--json]",
     "Добавляет блок в конец списка, как страница блоков: порт от 1 до 255, адрес IPv4 для\n"
     "ТРЛ-МЕ (обязателен; принимаются и TRL-M, TRL-ME), \"Новый блок\" при пустом комментарии.\n"
     "Выводит номер нового блока.\n"},
    {"block-set", "block-set FILE N [--type T] [--port N] [--ip ADDR] [--comment TEXT] [--json]",
     "Изменяет блок N; не указанное остаётся. Блок, ставший ТРЛ-М, теряет адрес.\n"},
    {"block-remove", "block-remove FILE N [--json]",
     "Удаляет блок N: его раздел VoiceDevices: стирается, разделы следующих блоков\n"
     "перенумеровываются. Последний оставшийся блок не удаляется, как на странице блоков.\n"},
    {"units", "units FILE N [--json]",
     "Выводит переговорные устройства блока N: тип|адрес|наименование|адрес хоста. FILE -\n"
     "файл конфигурации или voice.ini (файл, где есть только разделы VoiceDevices:).\n"},
    {"unit-add", "unit-add FILE N --type PVK|MSD|TRLZN --address A --host H [--name NAME] [--json]",
     "Добавляет устройство в блок N с проверками окна записи: адрес от 1 до 255, ещё не\n"
     "занятый в блоке, имя или IP-адрес хоста, наименование без запятой. Выводит номер\n"
     "устройства.\n"},
    {"unit-remove", "unit-remove FILE N K [--json]", "Удаляет устройство K (по номеру из units) блока N.\n"},
    {"dump", "dump FILE [--json]", "Выводит поля окна после загрузки FILE, по одному в строке.\n"},
    {"save", "save IN OUT [VOICE] [--json]",
     "Загружает IN и записывает OUT так, как программа сохраняет zidezir.conf, дописывая VOICE.\n"},
    {"voice-rebuild", "voice-rebuild CONF VOICE [--json]",
     "Заново составляет VOICE из разделов VoiceDevices: файла CONF.\n"},
    {"remove-block", "remove-block VOICE N [--json]",
     "Удаляет раздел блока N из VOICE и перенумеровывает следующие.\n"},
    {"diff", "diff A B [--json] | diff FILE N [--json]",
     "Сравнивает две конфигурации так, как их читает человек: поля по страницам окна, блоки\n"
     "(добавленные, удалённые, изменённые), переговорные устройства каждого блока, префиксы.\n"
     "С номером N сравнивает версию N из истории FILE с FILE. Код 0 - одинаковы, 1 - различаются.\n"},
    {"history", "history FILE [--json]",
     "Выводит версии FILE, которые хранятся в папке History рядом с ним, новые первыми:\n"
     "N|дата|время|пользователь|компьютер|программа|что изменило следующее сохранение.\n"
     "Версия 1 - конфигурация до последнего сохранения; хранятся последние 50.\n"},
    {"restore", "restore FILE N [--json]",
     "Возвращает FILE версию N из истории по правилам сохранения программы; текущее\n"
     "содержимое FILE сначала становится версией 1.\n"},
    {"export", "export FILE [OUT] [--json]",
     "Выводит всю конфигурацию FILE одним документом JSON для apply: $schema (имя схемы,\n"
     "которую выводит zconf schema), version (1), product_version и computer (какая версия\n"
     "программы на каком компьютере сделала документ; apply их не читает); keys - 26 ключей\n"
     "Раздел/Ключ со значениями, которые записала бы программа; prefixes - строки префиксов;\n"
     "blocks - блоки по порядку номеров (type, port, address у ТРЛ-МЕ, comment), у каждого\n"
     "units - его переговорные устройства (type, address, name, host). В стандартный вывод\n"
     "документ идёт с отступами и только символами ASCII (русские буквы как \\uXXXX), с --json -\n"
     "одной строкой. OUT получает документ в UTF-8 с русскими буквами, для правки.\n"},
    {"apply", "apply FILE DESIRED.json [--check] [--diff] [--create] [--json]",
     "Приводит FILE к документу DESIRED.json (вид документа export; UTF-8 или UTF-16 с BOM)\n"
     "по правилам окна и команд set, block-*, unit-*. Чего в документе нет, остаётся как в\n"
     "FILE: ключи, не названные в keys; префиксы без prefixes; блоки без blocks. Члены $schema\n"
     "и начинающиеся с _ пропускаются. Ключам yes/no подходят и true/false, портам и адресам -\n"
     "и числа в кавычках. Блок документа - тот же блок FILE, если у них один тип и один порт\n"
     "(ТРЛ-М) или один адрес (ТРЛ-МЕ); блок, сменивший тип на том же порту, - тоже. Блоки FILE,\n"
     "которых нет в документе, удаляются, новые добавляются, порядок - как в документе, и\n"
     "устройства каждого блока остаются с ним. units, если названы, заменяют все устройства\n"
     "блока; без units блок сохраняет свои, а новый блок без units отвергается. Всё\n"
     "проверяется до записи: отвергнутое значение (с путём JSON, например $.blocks[1].port) -\n"
     "код 2, и ни один файл не изменён. Если настройки FILE уже такие, он не записывается.\n"
     "--check ничего не записывает и выводит, что изменилось бы (код 1, если изменилось бы);\n"
     "--diff выводит изменения, как diff. --create создаёт FILE (и voice.ini рядом), если его\n"
     "нет. С --json - один объект: changed, failed, msg, changes (как у diff), warnings. Код 3 -\n"
     "файл занят (блокировку держит окно или другой zconf, или файл открыт в другой\n"
     "программе): повторите позже.\n"},
    {"schema", "schema",
     "Выводит схему JSON Schema документа export и apply (для редакторов и проверок до\n"
     "отправки документа).\n"},
    {"service",
     "service status|start|stop|restart|start-type auto|manual|disabled [--wait SECONDS] [--guard SECONDS [--conf FILE]]",
     "Только в Windows: управляет службой шлюза \"VELTO Gateway\". start, stop и restart ждут,\n"
     "пока служба придёт в нужное состояние (не дольше 30 секунд или --wait на всю команду),\n"
     "и дают код 0, только если она пришла; restart останавливает, ждёт остановки и запускает.\n"
     "status выводит state=СЛОВО и start-type=СЛОВО. С --guard start и restart следят, чтобы\n"
     "служба проработала SECONDS секунд (рекомендуется 20); если она остановилась или не\n"
     "запустилась, восстанавливают версию 1 из истории FILE (по умолчанию zidezir.conf рядом с\n"
     "zconf.exe) - конфигурацию до последнего сохранения, - снова запускают службу и дают код 1.\n"
     "--name ИМЯ обращается к другой службе (для проверок и поддержки).\n"},
    {"help", "help [COMMAND]", "Описывает все команды или одну.\n"},
    {"--version", "--version [--json]",
     "Выводит версию. С --json - product_version, file_version и build (платформа, вид сборки\n"
     "и её дата).\n"},
}};

inline constexpr const char* kUsageLead = "использование: ";
inline constexpr const char* kKeysHeading = "Ключи и значения, которые они принимают:\n";
inline constexpr const char* kHelpFooter =
    "Пробелы вокруг значений отбрасываются. Сообщения выводятся в стандартный поток ошибок,\n"
    "результаты - в стандартный вывод; --json выводит один документ JSON (только символы\n"
    "ASCII), в том числе при ошибке: {\"changed\": false, \"failed\": true, \"msg\": ...}.\n"
    "Коды завершения: 0 успех; 1 находки, служба не пришла в состояние или файл не удалось\n"
    "записать, apply --check нашёл изменения; 2 ошибка в командной строке или во входных данных\n"
    "(тогда ничего не записано); 3 файл занят другой программой: повторите позже.\n"
    "В канал или файл текст выводится в кодовой странице консоли; текст, который она не\n"
    "передаёт, не выводится (код 1). --encoding utf-8 выводит его в UTF-8 (PowerShell 7,\n"
    "[Console]::OutputEncoding = [Text.Encoding]::UTF8).\n"
    "Справка: zconf help, zconf -h, zconf /?\n";

// Messages, without the "zconf: " in front.
inline std::string SeeHelp(const std::string& command) {
  return "Подробнее: zconf help" + (command.empty() ? std::string() : " " + command);
}
inline std::string UnknownCommand(const std::string& c) { return "неизвестная команда '" + c + "'"; }
inline std::string UnknownOption(const std::string& o) { return "неизвестный параметр '" + o + "'"; }
inline std::string OptionNotHere(const std::string& o, const std::string& c) {
  return "команда '" + c + "' не принимает параметр '--" + o + "'";
}
inline std::string MissingOptionValue(const std::string& o) { return "параметру '--" + o + "' нужно значение"; }
inline std::string RepeatedOption(const std::string& o) { return "параметр '--" + o + "' указан дважды"; }
inline std::string FlagWithValue(const std::string& o) { return "параметр '--" + o + "' не принимает значения"; }
inline std::string MissingOption(const std::string& o) { return "нужен параметр '--" + o + "'"; }
inline std::string NoJson(const std::string& c) { return "у команды '" + c + "' нет вывода в JSON"; }
inline std::string UnknownEncoding(const std::string& e) {
  return "неизвестная кодировка '" + e + "': --encoding принимает только utf-8";
}
// Text that the output code page cannot carry is not written: a script would read "?" for
// each letter and could write it back. The second text is for a code page without Cyrillic.
inline std::string CodePageCannotCarry(unsigned page) {
  return "кодовая страница вывода " + std::to_string(page) + " не передаёт этот текст; используйте --json или "
         "--encoding utf-8";
}
inline std::string CodePageCannotCarryAscii(unsigned page) {
  return "output code page " + std::to_string(page) + " cannot carry this text; use --json or --encoding utf-8";
}
inline std::string WrongArguments(const std::string& what) { return "нужны аргументы: " + what; }
inline std::string AtMostOneTopic() { return "не больше одной команды"; }
inline std::string CannotWrite(const std::string& path) { return "не удаётся записать файл " + path; }
inline std::string FileLocked(const std::string& path) {
  return "файл " + path + " открыт в другой программе; закройте его и повторите";
}
inline std::string ChangedMeanwhile(const std::string& path) {
  return "файл " + path + " изменила другая программа, пока работала команда; повторите команду";
}
inline std::string UnknownKey(const std::string& k) {
  return "неизвестный ключ '" + k + "': ключ записывается как Раздел/Ключ, их список выводит 'zconf get FILE'";
}
inline std::string NotAssignment(const std::string& a) { return "'" + a + "' - не КЛЮЧ=ЗНАЧЕНИЕ"; }
inline std::string KeyTwice(const std::string& k) { return "ключ " + k + " указан дважды"; }
inline std::string RefusedValue(const std::string& key, const std::string& value, const std::string& accepts) {
  return key + ": значение '" + value + "' не принимается; допустимо: " + accepts;
}
inline std::string LoadRefused(const std::string& path, int line, const std::string& key, const std::string& value) {
  return path + ":" + std::to_string(line) + ": " + key + "='" + value +
         "' - не целое число, и программа заменила бы его; задайте и " + key + " или исправьте строку";
}
inline std::string NotANumber(const std::string& what, const std::string& text) {
  return what + " '" + text + "' - не число";
}
inline constexpr const char* kBlockWord = "номер блока";
inline constexpr const char* kUnitWord = "номер устройства";
inline constexpr const char* kRevisionWord = "номер версии";
inline std::string NoRevision(int n, const std::string& path, std::size_t count) {
  return "версии " + std::to_string(n) + " нет в истории " + path + " (версий: " + std::to_string(count) + ")";
}
inline std::string NoBlock(int n, std::size_t count) {
  return "блока " + std::to_string(n) + " нет (блоков в файле: " + std::to_string(count) + ")";
}
inline std::string NoUnit(int k, int n) {
  return "в блоке " + std::to_string(n) + " нет устройства " + std::to_string(k);
}
inline std::string LastBlockStays() { return "последний оставшийся блок удалить нельзя"; }
inline std::string BadBlockType(const std::string& t) {
  return "тип блока '" + t + "' не принимается; допустимо: ТРЛ-М или ТРЛ-МЕ";
}
inline std::string BadBlockPort(const std::string& p, int min, int max) {
  return "порт '" + p + "' не принимается; допустимо: от " + std::to_string(min) + " до " + std::to_string(max);
}
inline std::string IpOnlyForIpBlocks() { return "--ip задаётся только для блоков ТРЛ-МЕ"; }
inline std::string IpRequired() { return "для блока ТРЛ-МЕ нужен параметр '--ip'"; }
inline std::string BadText(const std::string& what) {
  return what + " не принимается: текст должен умещаться в Windows-1251 и не содержать управляющих символов";
}
inline std::string BadUnitType(const std::string& t) {
  return "тип устройства '" + t + "' не принимается; допустимо: PVK, MSD или TRLZN";
}
inline std::string AddressInUse(const std::string& a, int n) {
  return "адрес " + a + " уже занят в блоке " + std::to_string(n);
}
inline std::string Warning(const std::string& text) { return "предупреждение: " + text; }

// The JSON document of export and apply.
inline std::string DocumentRefused(const std::string& file, const std::string& path, const std::string& text) {
  return file + ": " + path + ": " + text;
}
inline std::string NotJson(std::size_t line, std::size_t column) {
  return "документ не читается как JSON: ошибка в строке " + std::to_string(line) + ", символ " +
         std::to_string(column);
}
inline std::string NotUtf8(std::size_t line, std::size_t column) {
  return "документ не в кодировке UTF-8 (строка " + std::to_string(line) + ", символ " + std::to_string(column) +
         "): сохраните его в UTF-8 или в UTF-16 с меткой BOM";
}
inline std::string NotUtf16() { return "документ с меткой UTF-16 - не текст UTF-16"; }
inline std::string MemberTwice() { return "член указан дважды"; }
inline std::string ExpectedObject() { return "ожидается объект {...}"; }
inline std::string ExpectedArray() { return "ожидается массив [...]"; }
inline std::string ExpectedText() { return "ожидается строка"; }
inline std::string ExpectedInteger() { return "ожидается целое число"; }
inline std::string ExpectedTextOrInteger() { return "ожидается строка или целое число"; }
inline std::string MissingMember() { return "нет обязательного члена"; }
inline std::string UnknownMember(std::initializer_list<const char*> names) {
  std::string text = "неизвестный член; допустимы: ";
  for (const char* name : names) text += (name == *names.begin() ? "" : ", ") + std::string(name);
  return text;
}
inline std::string UnknownVersion(const std::string& v, int known) {
  return "версия документа " + v + " не поддерживается; этот zconf читает документы версии " + std::to_string(known) +
         " (их пишет его export)";
}
inline std::string VersionNotNumber(const std::string& v, int known) {
  return "версия документа - целое число без кавычек: \"version\": " + std::to_string(known) + ", а не " + v;
}
inline std::string ValueWord() { return "значение"; }
inline std::string BadPrefix(const std::string& p) {
  return "префикс '" + p + "' не принимается; допустимо: ПРЕФИКС=ЗНАЧЕНИЕ, оба непустые, без ';' и управляющих "
         "символов, в Windows-1251";
}
inline std::string NoFileHint() { return " apply --create создаёт его по документу."; }
inline std::string NewBlockNeeds() { return "у нового блока должны быть type и port"; }
inline std::string UnmatchedBlockNeedsUnits() {
  return "в файле нет блока того же типа на том же порту (ТРЛ-М) или с тем же адресом (ТРЛ-МЕ): у нового блока "
         "должен быть список units";
}
inline std::string AddressOnlyForIpBlocks() { return "адрес задаётся только для блоков ТРЛ-МЕ"; }
inline std::string AddressRequired() { return "для блока ТРЛ-МЕ нужен адрес"; }
inline std::string WouldOverwriteConfiguration(const std::string& path) {
  return path + " - файл конфигурации; документ поверх него не записывается";
}
inline std::string ApplyMessage(bool bytesDiffer, bool dryRun, std::size_t changes, bool created) {
  const std::string count = std::to_string(changes);
  if (created)
    return dryRun ? "файла нет; он был бы создан по документу (--check: не создан)" : "файл создан по документу";
  if (!bytesDiffer) return "конфигурация уже такая, как в документе; файл не записан";
  if (changes == 0)
    return "настройки уже такие, как в документе; файл не записан, хотя программа записала бы его в другом виде";
  return dryRun ? "изменений было бы: " + count + " (--check: файл не записан)" : "изменений: " + count;
}

// What a save changes beyond what was asked.
inline std::string KeyAdded(const std::string& key, const std::string& value) {
  return "ключ " + key + " добавлен со значением '" + value + "'";
}
inline std::string KeyRemoved(const std::string& key, const std::string& value) {
  return "ключ " + key + " ('" + value + "') удалён";
}
inline std::string KeyChanged(const std::string& key, const std::string& from, const std::string& to) {
  return key + ": '" + from + "' -> '" + to + "'";
}
inline std::string LineMoved(const std::string& line, const std::string& from, const std::string& to) {
  return "строка '" + line + "' перенесена из раздела [" + from + "] в [" + to + "]";
}
inline std::string LineDropped(const std::string& line, const std::string& section) {
  return "строка '" + line + "' раздела [" + section + "] не сохраняется";
}

// The service.
inline std::string ServiceWindowsOnly() { return "управление службой есть только в сборке для Windows"; }
inline std::string BadWait(const std::string& s, int max) {
  return "--wait '" + s + "' не принимается; допустимо: от 0 до " + std::to_string(max) + " секунд";
}
inline std::string BadServiceAction(const std::string& a) {
  return "действие '" + a + "' не принимается; допустимо: status, start, stop, restart или start-type";
}
inline std::string BadStartType(const std::string& t) {
  return "тип запуска '" + t + "' не принимается; допустимо: auto, manual или disabled";
}
inline std::string ServiceAbsent(const std::string& name) { return "служба \"" + name + "\" не установлена"; }
inline std::string AccessDenied(const std::string& name) {
  return "доступ к службе \"" + name + "\" запрещён: запустите от имени администратора";
}
inline std::string ServiceDisabled(const std::string& name) {
  return "служба \"" + name + "\" отключена: сначала задайте ей другой тип запуска (zconf service start-type manual)";
}
// What was asked of the service, in ServiceFailed.
inline constexpr const char* kOpenVerb = "открыть службу";
inline constexpr const char* kQueryVerb = "опросить службу";
inline constexpr const char* kStartVerb = "запустить службу";
inline constexpr const char* kStopVerb = "остановить службу";
inline constexpr const char* kStartTypeVerb = "изменить тип запуска службы";
inline std::string ServiceFailed(const std::string& name, const std::string& what, unsigned long code,
                                 const std::string& reason) {
  return "не удалось " + what + " \"" + name + "\": ошибка Windows " + std::to_string(code) +
         (reason.empty() ? "" : " (" + reason + ")");
}
inline std::string NotReached(const std::string& name, const std::string& target, long long seconds,
                              const std::string& now) {
  return "служба \"" + name + "\" не пришла в состояние " + target + " за " + std::to_string(seconds) +
         " с; сейчас: " + now;
}
inline std::string BadGuard(const std::string& s, int max) {
  return "--guard '" + s + "' не принимается; допустимо: от 1 до " + std::to_string(max) +
         " секунд, только для start и restart";
}
inline std::string GuardStopped(const std::string& name, long long milliseconds, std::uint32_t exitCode) {
  // Seconds with one decimal, written as Russian writes it: "0,5".
  const long long tenths = (milliseconds + 50) / 100;
  return "служба \"" + name + "\" не работает с новой конфигурацией: остановилась через " +
         std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + " с после запуска" +
         (exitCode != 0 ? " (код ошибки " + std::to_string(exitCode) + ")" : "");
}
inline std::string GuardNoProgress(const std::string& name, long long seconds, const std::string& now) {
  return "служба \"" + name + "\" не сообщает о ходе запуска дольше обещанных " + std::to_string(seconds) +
         " с; сейчас: " + now;
}
inline std::string GuardNotRunning(const std::string& name, const std::string& now) {
  return "служба \"" + name + "\" не перешла в рабочее состояние; сейчас: " + now;
}
inline std::string GuardNothingToRestore(const std::string& path, long long guardSeconds) {
  return "в истории " + path + " нет другой конфигурации, с которой служба проработала " +
         std::to_string(guardSeconds) + " с; восстанавливать нечего";
}
inline std::string GuardRestoreFailed(const std::string& path) {
  return "конфигурацию, с которой служба работала в последний раз, восстановить в " + path + " не удалось";
}
inline std::string GuardRestored(const std::string& path, const std::string& made, const std::string& changed) {
  return "в " + path + " восстановлена конфигурация от " + made + ", с которой служба работала в последний раз" +
         (changed.empty() ? "" : " (новая изменила: " + changed + ")");
}
inline std::string GuardRunningAgain(const std::string& name) {
  return "; служба \"" + name + "\" снова работает";
}
inline std::string GuardStillDown(const std::string& name) {
  return "; служба \"" + name + "\" не запустилась и с этой конфигурацией";
}
inline std::string SettledElsewhere(const std::string& name, const std::string& target, const std::string& now) {
  return "служба \"" + name + "\" не пришла в состояние " + target + "; сейчас: " + now;
}

}  // namespace zz::zconf
