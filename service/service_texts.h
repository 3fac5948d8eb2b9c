// Every text of the service page, the restart question and the progress window, the
// run-button table and the start-type items.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "service_api.h"

namespace zz {

// The name the service control manager knows the gateway by.
inline constexpr const char* kServiceName = "VELTO Gateway";

// State texts.
inline constexpr const char* kStateUnknownText = "?";
struct StateTextRow {
  std::uint32_t state;
  const char* text;
};
inline constexpr std::array<StateTextRow, 7> kStateTexts{{
    {service_state::kStopped, "остановлена"},
    {service_state::kStartPending, "запускается..."},
    {service_state::kStopPending, "останавливается..."},
    {service_state::kRunning, "выполняется"},
    {service_state::kContinuePending, "ожидание продолжения"},
    {service_state::kPausePending, "ожидание паузы"},
    {service_state::kPaused, "пауза"},
}};

// The service page.
inline constexpr const char* kServicePageHeading = "Служба ZIDEZIR";         // Label19
inline constexpr const char* kServiceGroupCaption = "Управление службой zidezir";  // GroupBox1
inline constexpr const char* kStartTypeCaption = "Тип запуска:";            // Label4
inline constexpr const char* kExecutableCaption = "Исполняемый файл:";      // Label5
inline constexpr const char* kStateLabelHint = "Текущее состояние службы";   // Label1
inline constexpr const char* kPathLabelHint = "Путь к исполняемому файлу";   // Label3
inline constexpr const char* kStartTypeHint = "Установка типа запуска службы (По умолчанию - Авто)";
inline constexpr const char* kServiceInitFailedHint = "Ошибка инициализации менеджера служб !";

// StartTypeCB, in this order.
struct StartTypeItem {
  const char* text;
  std::uint32_t code;
};
inline constexpr std::array<StartTypeItem, 3> kStartTypeItems{{
    {"Авто", start_type::kAuto},
    {"Вручную", start_type::kDemand},
    {"Отключено", start_type::kDisabled},
}};

// RunButton, by service state; what a row leaves empty stays as it was.
enum class RunGlyph { kStart, kStop };
inline constexpr int kRunTagStart = 0;  // the next click starts the service
inline constexpr int kRunTagStop = 1;   // the next click stops it
struct RunButtonLook {
  bool enabled;
  std::optional<int> tag;
  std::optional<RunGlyph> glyph;
  const char* hint;
};
inline constexpr RunButtonLook kRunButtonRunning{true, kRunTagStop, RunGlyph::kStop, "Остановить службу zidezir"};
inline constexpr RunButtonLook kRunButtonStopped{true, kRunTagStart, RunGlyph::kStart, "Запустить службу zidezir"};
inline constexpr RunButtonLook kRunButtonWaiting{false, std::nullopt, std::nullopt, "Подождите..."};

// The restart question asked on closing after a save.
inline constexpr const char* kRestartCaption = "Конфигурация шлюза изменена";
inline constexpr const char* kRestartQuestion =
    "Чтобы изменения вступили в силу, службу надо перезапустить. Перезапустить службу сейчас?\r\n"
    "После перезапуска службы, программа zurerizeda будет закрыта";

// Asked when closing after the changes could not be saved (the file locked, read-only, on a
// full disk): the window stays open unless the user chooses to lose them.
inline constexpr const char* kCloseUnsavedText =
    "Изменения конфигурации не сохранены. Закрыть программу без сохранения изменений?";

// The progress window shown during the restart, and its animation.
inline constexpr const char* kProgressCaption = "Подождите идет перезапуск службы";
inline constexpr const char* kProgressClipName = "BOLSHOI_FILE";
inline constexpr const char* kProgressClipType = "AVI";

// After a save and a start or restart, the service is watched for the guard time; these
// tell an administrator what happened to the gateway and what the program will do.
namespace text::guard {
inline constexpr const char* kFailedCaption = "Шлюз не запустился с новой конфигурацией";
inline constexpr const char* kRestoredCaption = "Прежняя конфигурация восстановлена";
// What the watch saw, to follow "Служба ZIDEZIR ...".
inline std::string StoppedAfter(long long seconds, std::uint32_t exitCode) {
  std::string what = seconds < 1 ? "остановилась меньше чем через секунду после запуска"
                                 : "остановилась через " + std::to_string(seconds) + " с после запуска";
  if (exitCode != 0) what += " (код ошибки " + std::to_string(exitCode) + ")";
  return what;
}
inline std::string NoProgress(long long seconds, const std::string& stateText) {
  return "не сообщает о ходе запуска дольше обещанных " + std::to_string(seconds) + " с (состояние: «" + stateText +
         "»)";
}
inline std::string NotRunning(const std::string& stateText) {
  return "не перешла в рабочее состояние (состояние: «" + stateText + "»)";
}
inline std::string Failed(const std::string& what) {
  return "Служба ZIDEZIR " + what + ". Пока она не работает, шлюз не соединяет вызовы.";
}
// `when`: when the version the gateway last ran with was made; `changed`: what the new
// configuration changed against it.
inline std::string OfferRestore(const std::string& what, const std::string& when, const std::string& changed) {
  std::string offer = Failed(what) + "\r\n\r\nВернуть конфигурацию от " + when +
                      ", с которой шлюз работал в последний раз, и снова запустить службу?";
  if (!changed.empty()) offer += "\r\nС тех пор в конфигурации изменено: " + changed + ".";
  return offer +
         "\r\n\r\nНовая конфигурация останется в истории изменений («Файл» → «История изменений…»). Причину "
         "остановки служба записывает в журнал событий Windows «Система».";
}
inline std::string NothingToRestore(const std::string& what, long long guardSeconds) {
  return Failed(what) + "\r\n\r\nВернуть нечего: в истории изменений нет другой конфигурации, с которой шлюз "
                        "проработал " + std::to_string(guardSeconds) +
         " с. Исправьте конфигурацию и запустите службу снова; причину остановки служба записывает в журнал событий "
         "Windows «Система».";
}
inline std::string RestoredRunning(const std::string& confPath, const std::string& when) {
  return "Конфигурация от " + when + " восстановлена в файле " + confPath +
         ", и служба ZIDEZIR работает с ней.\r\nКонфигурация, с которой шлюз не запустился, сохранена в "
         "истории изменений как версия 1.";
}
inline std::string RestoredNotRunning(const std::string& confPath, const std::string& when, const std::string& what) {
  return "Конфигурация от " + when + " восстановлена в файле " + confPath + ", но служба ZIDEZIR " + what +
         " и с этой конфигурацией.\r\nВероятно, причина не в конфигурации: посмотрите журнал событий Windows "
         "«Система» и запустите службу снова.";
}
inline std::string NotRestored(const std::string& why, const std::string& revisionFolder) {
  return "Прежнюю конфигурацию восстановить не удалось: " + why + ".\r\nОна хранится в папке " + revisionFolder +
         ": скопируйте оттуда файлы zidezir.conf и voice.ini в папку программы и запустите службу снова.";
}
// The start request itself refused after the restore (the service disabled, say).
inline constexpr const char* kStartRefused = "не запускается (служба отключена или недоступна)";
inline constexpr const char* kRevisionUnreadable = "файлы этой версии в истории изменений повреждены";
inline constexpr const char* kConfigurationBusy =
    "файл zidezir.conf сейчас сохраняет другая программа настройки (zconf или окно на другом рабочем месте)";
inline constexpr const char* kNotWritten =
    "файл zidezir.conf нельзя заменить (он защищён от записи, открыт в другой программе или диск заполнен)";
// The watch in the status bar, while the window is the user's.
inline std::string WatchStarting(long long seconds) {
  return "Проверка запуска службы ZIDEZIR: служба запускается (" + std::to_string(seconds) + " с)";
}
inline std::string WatchRunning(long long seconds, long long guardSeconds) {
  return "Проверка запуска службы ZIDEZIR: служба работает " + std::to_string(seconds) + " с из " +
         std::to_string(guardSeconds);
}
inline std::string WatchPassed(long long guardSeconds) {
  return "Служба ZIDEZIR проработала с новой конфигурацией " + std::to_string(guardSeconds) +
         " с: конфигурация отмечена в истории изменений как рабочая";
}
// The note of a version kept only to be marked as the one the gateway runs with.
inline constexpr const char* kRanWithSummary = "конфигурация, с которой шлюз проработал время проверки";
}  // namespace text::guard

}  // namespace zz
