// Texts the configuration store shows to the user, and the file names it works with.
#pragma once

#include <string>

namespace zz {

inline constexpr const char* kConfFileName = "zidezir.conf";
inline constexpr const char* kVoiceFileName = "voice.ini";

inline constexpr const char* kWarningCaption = "Внимание!";
inline constexpr const char* kOpenFailedCaption = "Не удалось открыть файл...";
inline constexpr const char* kConfLockedText =
    "Файл конфигурации шлюза zidezir.conf открыт в другой программе. Закройте файл zidezir.conf";
inline constexpr const char* kSaveFailedPrefix = "Не удалось сохранить настройки в файл ";
inline constexpr const char* kOpenFileFailedPrefix = "Не удалось открыть файл ";
inline constexpr const char* kVoiceIniMissingText = "Не найден файл voice.ini";

// The comment line written after the last block of the Devices section; never a block comment.
inline constexpr const char* kDefaultDeviceComment = ";0=1,192.168.1.100";

// The unit type names of the block dialog, one per type code of a voice.ini record.
inline constexpr const char* kPvkTypeName = "ПВК-ЗН, ГЛС";
inline constexpr const char* kMsdTypeName = "МСД-2М, МСД-4М";
inline constexpr const char* kTrlznTypeName = "ТРЛ-ЗН slave";

// Saving beside other editors, and keeping the history.
inline std::string ChangedElsewhereText(const std::string& files) {
  return "После того как программа загрузила или сохранила конфигурацию, другая программа изменила " + files +
         ".\nЗаписать поверх этих изменений?\n\nОтрицательный ответ вернёт к окну без сохранения; "
         "что изменилось, покажет «Файл» → «Показать изменения…».";
}
inline std::string ConfigurationBusyText(const std::string& path) {
  return "Файл " + path + " сейчас сохраняет другая программа настройки (zconf или окно настройки на другом "
         "рабочем месте). Повторите сохранение через несколько секунд.";
}
inline std::string HistoryNotKeptText(const std::string& dir) {
  return "Не удалось сохранить прежнюю версию конфигурации в папку " + dir +
         " (папка защищена от записи или диск заполнен). Конфигурация сохранена, но эту версию нельзя будет "
         "вернуть из истории изменений.";
}

// The guarded write and the history's own words.
namespace text::history {
inline constexpr const char* kDamaged = "повреждена: файлы этой версии не читаются";
inline constexpr const char* kFoundProgram = "другая программа";
inline constexpr const char* kFoundSummary = "так файл оставила другая программа";
inline std::string Damaged(const std::string& folder) {
  return "Версия в папке " + folder + " повреждена (её файлы не читаются) и не может быть восстановлена.";
}
inline std::string Restored(const std::string& when) { return "восстановлена версия от " + when; }
inline std::string LockNotAFile(const std::string& lockPath) {
  return "На месте файла блокировки " + lockPath +
         " находится папка или ссылка. Программа её не трогает; удалите её и повторите сохранение.";
}
inline std::string ReadOnly(const std::string& path) {
  return "Файл " + path + " защищён от записи (атрибут «Только чтение» или права доступа). Снимите защиту и "
         "повторите сохранение.";
}
inline std::string Foreign(const std::string& dir, const std::string& name) {
  return "В папке " + dir + " есть «" + name + "»: это не версия из истории; программа не трогает её.";
}
}  // namespace text::history

// A file that cannot be read, or not as what it should be.
namespace text::file {
inline constexpr const char* kAbsent = "файла нет";
inline constexpr const char* kFolder = "это папка, а не файл";
inline constexpr const char* kHeld = "файл открыт в другой программе; закройте его и повторите";
inline constexpr const char* kDenied =
    "доступ запрещён; запустите программу от имени администратора или проверьте права на файл";
inline constexpr const char* kFailed = "ошибка чтения";
inline std::string CannotRead(const std::string& path, const char* why) {
  return "Не удаётся прочитать файл " + path + ": " + why + ".";
}

inline constexpr const char* kUtf16 =
    "сохранён в кодировке UTF-16 (Юникод), а программа и шлюз читают его в кодировке Windows-1251";
inline constexpr const char* kUtf8Bom =
    "сохранён в кодировке UTF-8 с меткой BOM, а программа и шлюз читают его в кодировке Windows-1251";
inline constexpr const char* kBinary = "содержит нулевые байты: это не текстовый файл";
inline constexpr const char* kCrOnly =
    "содержит строки, оканчивающиеся только символом CR, а программа и шлюз разделяют строки символами CR LF";
inline constexpr const char* kNoSection =
    "не содержит ни одного раздела конфигурации шлюза ([System], [Network], [Devices] и других): "
    "это не файл конфигурации";
inline constexpr const char* kVoiceList =
    "— список переговорных устройств (в нём только разделы VoiceDevices:), а не файл конфигурации шлюза";
inline constexpr const char* kConfiguration =
    "— файл конфигурации шлюза, а не список переговорных устройств (voice.ini)";

inline std::string FixSaveAsAnsi(const std::string& path) {
  return "Сохраните его в кодировке ANSI (Windows-1251) с концами строк CR LF, например в Блокноте или командой "
         "PowerShell:\n(Get-Content -LiteralPath '" + path + "') | Set-Content -LiteralPath '" + path +
         "' -Encoding Default";
}
inline std::string FixRestoreCopy(const std::string&) { return "Восстановите файл из резервной копии."; }
inline std::string FixChooseConfiguration(const std::string&) {
  return "Проверьте, тот ли это файл: конфигурация шлюза хранится в файле zidezir.conf в его папке.";
}
inline std::string FixChooseVoiceList(const std::string&) { return "Укажите файл voice.ini."; }

inline std::string Unreadable(const std::string& path, const char* what,
                              std::string (*fix)(const std::string&)) {
  return "Файл " + path + " " + what + ".\n" + fix(path) +
         "\nПока файл не исправлен, программа не изменяет его.";
}
}  // namespace text::file

inline std::string InvalidIntegerText(const std::string& value) { return "'" + value + "' is not a valid integer value"; }

}  // namespace zz
