// The lines of the comparisons: what a save would write, what another program changed and
// what restoring a version would change.
#pragma once

#include <cstddef>
#include <string>

namespace zz::text {

// The end of a summary that names only its first changes: "и ещё 2 изменения".
inline std::string MoreChanges(std::size_t count) {
  const std::size_t tens = count % 100, last = count % 10;
  const char* word = tens >= 11 && tens <= 14 ? "изменений"
                     : last == 1              ? "изменение"
                     : last >= 2 && last <= 4 ? "изменения"
                                              : "изменений";
  return "и ещё " + std::to_string(count) + " " + word;
}

// The lines of the comparisons.
inline constexpr const char* kReportBullet = "• ";
inline constexpr const char* kReportNotLoaded = "Конфигурация не загружена: сохранять нечего.";
inline constexpr const char* kReportNoPending = "В окне нет несохранённых изменений.";
inline std::string ReportNoFile(const std::string& path) { return "Файла " + path + " нет: сравнивать не с чем."; }
inline std::string ReportSaveWrites(const std::string& path) { return "Сохранение изменит в файле " + path + ":"; }
inline std::string ReportSaveSame(const std::string& path) {
  return "Изменения в окне не меняют настроек, записанных в файле " + path + ".";
}
inline std::string ReportChangedElsewhere(const std::string& path) {
  return "После того как программа загрузила или сохранила конфигурацию, другая программа изменила файл " + path + ":";
}
inline std::string ReportChangedElsewhereUnseen(const std::string& path) {
  return "Другая программа изменила файл " + path + ", но не настройки, которые показывает окно (например, комментарии).";
}
inline std::string ReportMadeElsewhere(const std::string& path) { return "Другая программа создала файл " + path + "."; }
inline std::string ReportRevisionUnreadable(const std::string& folder) {
  return "Версия повреждена, её файлы прочитать нельзя: " + folder;
}
inline std::string ReportRestoreChanges(int number) {
  return "После версии " + std::to_string(number) + " изменено (восстановление вернёт прежние значения):";
}
inline std::string ReportRestoreSame(int number) {
  return "Версия " + std::to_string(number) + " не отличается от текущей конфигурации настройками, которые показывает окно.";
}

}  // namespace zz::text
