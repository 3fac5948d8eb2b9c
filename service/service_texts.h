// Every text of the service page, the restart question and the progress window, the
// run-button table and the start-type items.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

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

}  // namespace zz
