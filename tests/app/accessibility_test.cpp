// What a screen reader says for every control the keyboard reaches, on each page of the main
// window and in each dialog: the name a sighted user reads beside the control (its text, the
// label before it, the caption of its group or the picture's meaning), by Windows' labelling
// rule, with Wine's own answer through Active Accessibility where Wine gives one.
#include <gtest/gtest.h>

#include "blocks_window_fixture.h"
#include "history.h"
#include "layout_check.h"
#include "main_menu.h"
#include "utrlm.h"

namespace zz::test {
namespace {

using Names = std::vector<std::string>;

void ExpectNames(HWND top, const Names& expected, const std::string& where) {
  Names byRule;
  for (const AccessibleControl& control : FocusableControls(top)) {
    byRule.push_back(control.byRule);
    // Wine follows the rule for edits and buttons; for lists it answers nothing, and for a
    // drop-down list its selected item.
    if (control.answered && (control.kind == "Edit" || control.kind == "Button")) {
      EXPECT_EQ(*control.answered, control.byRule) << where << ": Wine's answer";
    }
  }
  EXPECT_EQ(byRule, expected) << where;
}

// The six levels of a log, as each of the two groups on the logs page lists them.
Names Levels() {
  return {"Критическая ошибка. Невозможно продолжение работы программы", "Ошибка", "Предупреждение",
          "Дополнительная информация", "Отладочная информация", "Расширенная отладочная информация"};
}

Names Joined(std::initializer_list<Names> parts) {
  Names all;
  for (const Names& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

using Accessibility = BlocksWindowTest;

TEST_F(Accessibility, EveryControlTheKeyboardReachesHasTheNameShownBesideIt) {
  StartWithBlocks(SampleConf(), "");
  AddRevision(ConfWithManyUnits(2), "Сеть");
  Menu(kMenuExtended);  // the prefix list of the network page
  const std::pair<NavButton, Names> pages[] = {
      {NavButton::kTrl,
       {"Список блоков ТРЛ", "Изменить", "Добавить", "Удалить",
        "Формировать исходящие вызовы для переговорных устройств ТРЛ", "Аппаратное управление (RTS/CTS)",
        "По умолчанию"}},
      {NavButton::kNetwork,
       {"Сетевой интерфейс", "Порт IP телефонии", "Использовать Gatekeeper ", "Адрес Gatekeeper",
        "Идентификатор Gatekeeper", "Пароль для аутентификации H.235", "Название шлюза", "Порт сервера управления",
        "Таймаут", "Базовый порт UDP", "E-mail системного администратора", "Отключить Fast Start",
        "Отключить туннелирование H.245", "Отключить H.245 на этапе SETUP", "Префиксы номеров абонентов",
        "По умолчанию"}},
      {NavButton::kVoice,
       {"A: уровень наличия звукового сигнала", "B: интервал появления сигнала", "C: интервал пропадания сигнала",
        "Одновременных переговоров", "Величина задержки передачи звука", "Буфер компенсации джиттера ([мин.]-макс.)",
        "По умолчанию"}},
      {NavButton::kAdd,
       Joined({Levels(), {"Имя файла отладочной трассировки", "Выбрать файл отладочной трассировки"}, Levels(),
               {"По умолчанию"}})},
      // Without a service manager the run button is disabled, out of the keyboard's reach.
      {NavButton::kService, {"Тип запуска:"}},
  };
  for (const auto& [button, names] : pages) {
    Click(Form().Panel1().Button(button));
    Pump(20);
    ExpectNames(Form().hwnd(), names, "page " + std::to_string(static_cast<int>(button)));
  }

  // The dialogs, each met on the watcher's thread.
  auto namesIn = [&](int menu, const Names& names, const std::string& where) {
    watcher.Script({{IDCANCEL, std::nullopt, [&](HWND box) { ExpectNames(box, names, where); }}});
    const std::size_t seenBefore = watcher.Seen().size();
    Menu(menu);
    EXPECT_TRUE(PumpUntil([&] { return watcher.Seen().size() > seenBefore; }, 8000)) << where;
  };
  Ed().EditNetworkListenerPort().SetText("1721");
  namesIn(kMenuShowChanges, {"Изменения конфигурации", "Закрыть"}, "changes dialog");
  namesIn(kMenuHistory,
          {"Версии файла zidezir.conf до каждого сохранения, новые сверху (хранятся последние 50):", "Папка истории:",
           "Что изменилось в конфигурации после выбранной версии:", "Восстановить", "Закрыть"},
          "history dialog");
  namesIn(kMenuAbout,
          {"Папка программы:", "Конфигурация шлюза:", "Переговорные устройства:", "Настройки окна программы:", "OK"},
          "about box");

  NetworkPage& network = Form().PanelNetwork();
  Click(Form().Panel1().Button(NavButton::kNetwork));
  network.ListBoxPrefixes.control().SetCurSel(0);
  watcher.Script(
      {{IDCANCEL, std::nullopt, [&](HWND box) { ExpectNames(box, {"Новое значение", "OK", "Отмена"}, "input box"); }}});
  SendMessageW(network.hwnd(), WM_COMMAND, MAKEWPARAM(network.ListBoxPrefixes.control().Id(), LBN_DBLCLK),
               reinterpret_cast<LPARAM>(network.ListBoxPrefixes.control().hwnd()));

  Click(Form().Panel1().Button(NavButton::kTrl));
  SelectRow(1);
  ASSERT_TRUE(WithBlockDialog([&] { Click(Trl().ButtonEdit); },
                              [&](const DialogSteps& d) {
                                d.Settle();
                                // A serial block: the address field is disabled.
                                ExpectNames(d.hwnd(),
                                            {"Отменить", "ОК", "ТРЛ-М", "ТРЛ-МЕ", "Номер порта", "Комментарий",
                                             "Перечень переговорных блоков для опроса шлюзом VELTO Gateway",
                                             "Добавить", "Изменить", "Удалить"},
                                            "block dialog");
                                HWND record = d.Open(TFormTRLM::kButton3Change);
                                ASSERT_NE(record, nullptr);
                                ExpectNames(record,
                                            {"Тип", "ВЛТ адрес", "Наименование", "Имя или IP-адрес", "ОК", "Отмена"},
                                            "record dialog");
                                DialogSteps(record).Close(IDCANCEL);
                              },
                              IDCANCEL));
}

}  // namespace
}  // namespace zz::test
