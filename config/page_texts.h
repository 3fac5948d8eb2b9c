// The pages' texts: the navigation bar's captions and each page's groups, labels, hints and
// items. The window shows them; the comparisons name each field by them.
#pragma once

namespace zz::text {

// Navigation bar and pages.
inline constexpr const char* kNavTrl = "Блоки ТРЛ-М";
inline constexpr const char* kNavNetwork = "Сетевые настройки";
inline constexpr const char* kNavVoice = "Настройки звука";
inline constexpr const char* kNavAdd = "Журналы";
inline constexpr const char* kNavService = "Служба ZIDEZIR";
inline constexpr const char* kNavClose = "Закрыть";

// Every settings page has it.
inline constexpr const char* kDefaultsButton = "По умолчанию";

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

// How the comparisons name a field whose caption does not name it alone: a label beside a
// group of its own, the diagram's letter, the unit after the field.
inline constexpr const char* kFieldConnectionTimeout = "Таймаут сервера управления";
inline constexpr const char* kFieldThreshold = "Уровень наличия звукового сигнала";
inline constexpr const char* kFieldSignalDeadband = "Интервал появления сигнала, мс";
inline constexpr const char* kFieldSilenceDeadband = "Интервал пропадания сигнала, мс";
inline constexpr const char* kFieldTxBuffer = "Величина задержки передачи звука, мс";
inline constexpr const char* kFieldJitter = "Буфер компенсации джиттера, мс";

// Block page.
inline constexpr const char* kGroupBlocks = "Список блоков ТРЛ";
inline constexpr const char* kButtonEdit = "Изменить";
inline constexpr const char* kButtonAdd = "Добавить";
inline constexpr const char* kButtonDel = "Удалить";
inline constexpr const char* kGroupVoise = "Формировать исходящие вызовы для переговорных устройств ТРЛ";
inline constexpr const char* kHintVoise =
    "Опрашивать состояние кнопок вызова блоков и формировать\r\nисходящие вызовы H.323 через шлюз zidezir";
inline constexpr const char* kCheckRts = "Аппаратное управление (RTS/CTS)";

}  // namespace zz::text
