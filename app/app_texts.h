// Texts the main window shows: captions, items, hints and messages.
#pragma once

#include <array>
#include <string>

namespace zz::text {

inline constexpr const char* kProgramTitle = "zurerizeda";
inline constexpr const char* kMainCaption = "Настройка шлюза VELTO Gateway";

// Navigation bar and pages.
inline constexpr const char* kNavTrl = "Блоки ТРЛ-М";
inline constexpr const char* kNavNetwork = "Сетевые настройки";
inline constexpr const char* kNavVoice = "Настройки звука";
inline constexpr const char* kNavAdd = "Журналы";
inline constexpr const char* kNavService = "Служба ZIDEZIR";
inline constexpr const char* kNavClose = "Закрыть";

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

inline constexpr const char* kDefaultsButton = "По умолчанию";
inline constexpr const char* kNewValueCaption = "Новое значение";
inline constexpr const char* kOkButton = "OK";
inline constexpr const char* kCancelButton = "Отмена";

// Network page.
inline constexpr const char* kGroupNetwork = "Сетевые настройки";
inline constexpr const char* kLabelInterface = "Сетевой интерфейс";
inline constexpr const char* kLabelListenerPort = "Порт IP телефонии";
inline constexpr const char* kLabelNeedGatekeeper = "Использовать Gatekeeper ";
inline constexpr const char* kLabelGatekeeper = "Адрес Gatekeeper";
inline constexpr const char* kLabelGatekeeperId = "Идентификатор Gatekeeper";
inline constexpr const char* kLabelGatekeeperPassword = "Пароль для аутентификации H.235";
inline constexpr const char* kLabelSystemName = "Название шлюза";
inline constexpr const char* kGroupControlServer = "Сервер управления";
inline constexpr const char* kLabelControlServerPort = "Порт сервера управления";
inline constexpr const char* kLabelTimeout = "Таймаут";
inline constexpr const char* kGroupPollServer = "Базовый порт UDP";
inline constexpr const char* kGroupAdditional = "Дополнительно";
inline constexpr const char* kLabelSystemAdmin = "E-mail системного администратора";
inline constexpr const char* kGroupH323 = "Настройки H.323";
inline constexpr const char* kLabelFastStart = "Отключить Fast Start";
inline constexpr const char* kLabelH245Tunneling = "Отключить туннелирование H.245";
inline constexpr const char* kLabelH245InSetup = "Отключить H.245 на этапе SETUP";
inline constexpr const char* kGroupPrefixes = "Префиксы номеров абонентов";

inline constexpr const char* kHintInterface =
    "Сетевой интерфейс, к которому будет привязана программа.\r\nПо умолчанию  \"0.0.0.0\" (привязка ко всем "
    "интерфейсам)";
inline constexpr const char* kHintListenerPort =
    "Сетевой порт, на котором проограмма ожидает входящие звонки.\r\nПо умолчанию 1720";
inline constexpr const char* kHintNeedGatekeeper =
    "Значение \"Да\", если в сети H.323 используется Gatekeeper.\r\nПо умолчанию \"Да\"";
inline constexpr const char* kHintGatekeeper =
    "Имя/адрес \"привратника\". \r\nПо умолчанию будет осуществляться его поиск в сети (если задано Need "
    "Gatekeeper=yes)";
inline constexpr const char* kHintGatekeeperId = "Идентификатор гейткипера. \r\nПо умолчанию - пустая строка";
inline constexpr const char* kHintGatekeeperPassword =
    "Пароль для аутентификации H.235 на гейткипере.\r\nПо умолчанию - пустая строка";
inline constexpr const char* kHintSystemName =
    "Имя шлюза по умолчанию.\r\nПод этим именем программа шлюза выступает как абонент H.323. \r\nПо умолчанию - "
    "\"VELTO Gateway\"";
inline constexpr const char* kHintControlServerPort =
    "Номер порта TCP, на котором запустится сервер управления шлюзом.\r\nПо умолчанию 4000";
inline constexpr const char* kHintTimeout = "Максимальная длительность соединения с сервером управления (в минутах)";
inline constexpr const char* kHintPollServer =
    "Базовый номер, начиная с которого будут открыты порты UDP\r\nдля возможности опроса сети ВЛТ программами "
    "диспетчеризации";
inline constexpr const char* kHintSystemAdmin = "E-mail системного администратора. \r\nПо умолчанию - пустая строка";
inline constexpr const char* kHintFastStart = "Значение \"Да\" для отключения опции Fast Start.\r\nПо умолчанию \"Нет\"";
inline constexpr const char* kHintH245Tunneling =
    "Значение \"Да\" для отключения туннелирования H.245.\r\nПо умолчанию \"Нет\"";
inline constexpr const char* kHintH245InSetup =
    "Значение \"Да\" для отключения H.245 на этапе SETUP.\r\nПо умолчанию \"Нет\"";

// Sound page.
inline constexpr const char* kGroupSwitching = "Настройки автопереключения звука";
inline constexpr const char* kMilliseconds = "мс";
inline constexpr const char* kGroupMaxCall = "Одновременных переговоров";
inline constexpr const char* kLabelTxBuffer = "Величина задержки передачи звука";
inline constexpr const char* kLabelJitter = "Буфер компенсации джиттера ([мин.]-макс.)";
inline constexpr const char* kCheckLogAudio = "   Записывать переговоры в файл AudioLog.dat";
// The diagram of the automatic switching.
inline constexpr const char* kDiagramLevel = "Уровень";
inline constexpr const char* kDiagramTime = "t";
inline constexpr const char* kDiagramDispatcher = "Диспетчер";
inline constexpr const char* kDiagramUnit = "Переговорное устройство";
// What a screen reader names the fields on the diagram by, as its letters and the hints tell.
inline constexpr const char* kNameThreshold = "A: уровень наличия звукового сигнала";
inline constexpr const char* kNameSignalDeadband = "B: интервал появления сигнала";
inline constexpr const char* kNameSilenceDeadband = "C: интервал пропадания сигнала";
inline constexpr const char* kHintThreshold = "Уровень наличия звукового сигнала.\r\nПо умолчанию 50";
inline constexpr const char* kHintSignalDeadband = "Интервал появления сигнала (мс). \r\nПо умолчанию 100";
inline constexpr const char* kHintSilenceDeadband = "Интервал пропадания сигнала (мс).\r\nПо умолчанию 200";
inline constexpr const char* kHintMaxCall = "Количество переговоров";
inline constexpr const char* kHintTxBuffer =
    "Величина задержки передачи звука в переговорное устройство (мс). \r\nЗадержка необходима для предотвращения "
    "отсекания начала фразы \r\nдиспетчера в режиме автоматического переключения «прием–передача».\r\nПо "
    "умолчанию  200";

// Logs page.
inline constexpr const char* kGroupSysLogLevel = "Уровень протоколирования событий в системном журнале";
inline constexpr const char* kGroupTraces = "Имя файла отладочной трассировки";
inline constexpr const char* kGroupLogLevel = "Уровень отладочной трассировки";
inline constexpr const char* kNameTraceChooser = "Выбрать файл отладочной трассировки";  // a picture on screen
inline constexpr const char* kHintTraceChooser =
    "Открыть файл, в который будет выводиться дополнительная \r\nотладочная информация (трассировка). \r\nПо "
    "умолчанию трассировка не ведется";

// Block page.
inline constexpr const char* kGroupBlocks = "Список блоков ТРЛ";
inline constexpr const char* kButtonEdit = "Изменить";
inline constexpr const char* kButtonAdd = "Добавить";
inline constexpr const char* kButtonDel = "Удалить";
inline constexpr const char* kGroupVoise = "Формировать исходящие вызовы для переговорных устройств ТРЛ";
inline constexpr const char* kHintVoise =
    "Опрашивать состояние кнопок вызова блоков и формировать\r\nисходящие вызовы H.323 через шлюз zidezir";
inline constexpr const char* kCheckRts = "Аппаратное управление (RTS/CTS)";

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
