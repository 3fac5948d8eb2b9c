// Texts the main window shows: captions, items, hints and messages.
#pragma once

#include <array>
#include <string>

#include "change_texts.h"
#include "page_texts.h"
#include "ui/ui_texts.h"

namespace zz::text {

inline constexpr const char* kMainCaption = "Настройка шлюза VELTO Gateway";

// Menu.
inline constexpr const char* kMenuFile = "&Файл";
inline constexpr const char* kMenuOpen = "&Загрузить файл конфигурации";
inline constexpr const char* kMenuSaveAs = "&Сохранить файл конфигурации";
inline constexpr const char* kMenuExit = "&Выход";
inline constexpr const char* kMenuShowChanges = "&Показать изменения…";
inline constexpr const char* kMenuHistory = "&История изменений…";
inline constexpr const char* kMenuView = "Вид";
inline constexpr const char* kMenuExtended = "Расширенный";
inline constexpr const char* kMenuHelp = "Помощь";
inline constexpr const char* kMenuHelpSetup = "Настройки VELTO Gateway";
inline constexpr const char* kMenuHelpManual = "Руководство пользователя";
inline constexpr const char* kMenuAbout = "О программе…";

// The about box: the program, its version and where its files are.
inline constexpr const char* kAboutCaption = "О программе";
inline constexpr const char* kAboutVersion = "Версия ";
inline constexpr const char* kAboutProgramDir = "Папка программы:";
inline constexpr const char* kAboutConfFile = "Конфигурация шлюза:";
inline constexpr const char* kAboutVoiceFile = "Переговорные устройства:";
inline constexpr const char* kAboutSettingsFile = "Настройки окна программы:";

// The status bar when the program folder holds no zidezir.conf.
inline constexpr const char* kNoConfigurationLoaded = "Файл конфигурации не загружен: показаны значения по умолчанию";

// Help documents.
inline constexpr const char* kDocSetup = "Doc\\Установка и настройка VELTO Gateway.pdf";
inline constexpr const char* kDocManual = "Doc\\Help.pdf";
inline constexpr const char* kDocSetupFailed =
    "Не удалось открыть файл \"Установка и настройка VELTO Gateway.pdf\"\r\n"
    "Проверьте наличие файла. Проверьте, установлен ли Adobe Acrobat Reader";
inline constexpr const char* kDocManualFailed =
    "Не удалось открыть файл \"help.pdf\"\r\n"
    "Проверьте наличие файла. Проверьте, установлен ли Adobe Acrobat Reader";

inline constexpr const char* kNewValueCaption = "Новое значение";

// "Показать изменения…" and "История изменений…": what a save would write, the revisions kept
// under History\ and what restoring one would change.
inline constexpr const char* kChangesCaption = "Изменения конфигурации";
inline constexpr const char* kHistoryCaption = "История изменений конфигурации";
inline constexpr const char* kCloseButton = "Закрыть";
inline constexpr const char* kLockWaitCaption = "Ожидание сохранения";
inline constexpr const char* kStopWaitingButton = "Не ждать";
inline std::string LockWaitText(const std::string& path) {
  return "Файл " + path + " сейчас сохраняет другая программа (zconf или окно настройки на другом рабочем месте). "
         "Сохранение продолжится, как только она закончит.";
}
inline constexpr const char* kRestoreButton = "Восстановить";
inline constexpr const char* kHistoryHeading =
    "Версии файла zidezir.conf до каждого сохранения, новые сверху (хранятся последние 50):";
inline constexpr const char* kHistoryFolderLabel = "Папка истории:";
inline constexpr const char* kHistoryCompareLabel = "Что изменилось в конфигурации после выбранной версии:";
inline constexpr std::array<const char*, 6> kHistoryColumns = {"№", "Дата и время", "Пользователь", "Компьютер",
                                                               "Программа", "Что изменило сохранение"};
inline constexpr std::array<int, 6> kHistoryColumnWidths = {36, 150, 110, 110, 100, 205};  // design pixels
inline constexpr const char* kHintChanges =
    "Что запишет сохранение и что изменила другая программа.\r\nТекст можно выделить и скопировать";
inline constexpr const char* kHintHistoryList =
    "Версии конфигурации до каждого сохранения.\r\nВыберите версию, чтобы увидеть, чем она отличается от текущей";
inline constexpr const char* kHintHistoryFolder =
    "Папка с версиями: её можно скопировать целиком, например на другой компьютер";
inline constexpr const char* kHintHistoryCompare =
    "Как было в выбранной версии → как в текущей конфигурации.\r\nВосстановление вернёт значения слева";
inline constexpr const char* kHintRestore =
    "Загрузить выбранную версию в окно.\r\nФайл zidezir.conf изменится, когда конфигурация будет сохранена\r\n"
    "(при закрытии программы, запуске службы или командой «Сохранить файл конфигурации»)";
inline constexpr const char* kHistoryEmpty =
    "Истории изменений пока нет: прежняя версия конфигурации сохраняется в папку истории при каждом сохранении.";
inline std::string ConfirmReplacePending(int number, const std::string& when) {
  return "В окне есть несохранённые изменения. Заменить их версией " + std::to_string(number) + " от " + when + "?";
}
inline std::string ConfirmRestore(int number, const std::string& when) {
  return "Загрузить в окно версию " + std::to_string(number) + " от " + when +
         "? Файл zidezir.conf изменится, когда конфигурация будет сохранена.";
}
// Short enough for the status bar's first part at every scale.
inline std::string RevisionLoadedStatus(int number, const std::string& when) {
  return "Версия " + std::to_string(number) + " от " + when + " в окне: сохраните, чтобы записать";
}
// The history list's hint for the selected version: who made it, its whole summary, and
// whether the gateway ran with it for the guard time.
inline std::string HistoryRowTip(int number, const std::string& program, const std::string& summary, bool knownGood) {
  return "Версия " + std::to_string(number) + ", " + program + ": " + summary +
         (knownGood ? "\r\nС этой версией шлюз проработал время проверки запуска." : "");
}

}  // namespace zz::text
