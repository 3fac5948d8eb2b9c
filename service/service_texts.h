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
// What the watch saw, to follow "Служба VELTO Gateway ...".
inline std::string StoppedAfter(long long seconds) {
  return seconds < 1 ? "остановилась меньше чем через секунду после запуска"
                     : "остановилась через " + std::to_string(seconds) + " с после запуска";
}
inline std::string NotRunningAfter(long long seconds, const std::string& stateText) {
  return "не работает и через " + std::to_string(seconds) + " с после запуска (состояние: «" + stateText + "»)";
}
inline std::string Failed(const std::string& what) {
  return "Служба VELTO Gateway " + what + ". Пока она не работает, шлюз не соединяет вызовы.";
}
inline std::string OfferRestore(const std::string& what) {
  return Failed(what) +
         "\r\n\r\nВосстановить прежнюю конфигурацию (ту, что была до этого сохранения) и снова запустить службу?"
         "\r\n\r\n«Да» — вернуть прежнюю конфигурацию и запустить шлюз с ней; новая конфигурация останется в "
         "истории изменений («Файл» → «История изменений…»)."
         "\r\n«Нет» — оставить новую конфигурацию. Причину остановки служба записывает в журнал событий "
         "Windows «Система».";
}
inline std::string NothingToRestore(const std::string& what) {
  return Failed(what) +
         "\r\n\r\nПрежнюю конфигурацию восстановить нельзя: её нет в истории изменений. Исправьте конфигурацию "
         "и запустите службу снова; причину остановки служба записывает в журнал событий Windows «Система».";
}
inline std::string RestoredRunning(const std::string& confPath) {
  return "Прежняя конфигурация восстановлена в файле " + confPath +
         ", и служба VELTO Gateway работает с ней.\r\nКонфигурация, с которой шлюз не запустился, сохранена в "
         "истории изменений как версия 1.";
}
inline std::string RestoredNotRunning(const std::string& confPath, const std::string& what) {
  return "Прежняя конфигурация восстановлена в файле " + confPath + ", но служба VELTO Gateway " + what +
         " и с ней.\r\nПричина, видимо, не в конфигурации: посмотрите журнал событий Windows «Система» и "
         "запустите службу снова.";
}
inline std::string NotRestored(const std::string& why, const std::string& revisionFolder) {
  return "Прежнюю конфигурацию восстановить не удалось: " + why + ".\r\nОна хранится в папке " + revisionFolder +
         ": скопируйте оттуда файлы zidezir.conf и voice.ini в папку программы и запустите службу снова.";
}
// The start request itself refused after the restore (the service disabled, say).
inline constexpr const char* kStartRefused = "не запускается (служба отключена или недоступна)";
inline constexpr const char* kRevisionUnreadable = "файлы этой версии в истории изменений не читаются";
inline constexpr const char* kConfigurationBusy =
    "файл zidezir.conf сейчас сохраняет другая программа настройки (zconf или окно на другом рабочем месте)";
inline constexpr const char* kNotWritten =
    "файл zidezir.conf нельзя заменить (он защищён от записи, открыт в другой программе или диск заполнен)";
}  // namespace text::guard

}  // namespace zz
