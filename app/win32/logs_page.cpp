#include "logs_page.h"

#include "app_texts.h"
#include "page_actions.h"
#include "pictures.h"
#include "speed_button.h"

namespace zz {

void LogsPage::CreateFields() {
  RadioGroup(RadioGroupLogSysLogLevel, text::kGroupSysLogLevel, {16, 48, 600, 160}, kLevelItems);
  Group(text::kGroupTraces, {16, 220, 600, 60});
  NameNext(text::kGroupTraces);
  EditLogTraces.Attach(EditBox({32, 246, 481, 21}, nullptr));
  // Drawn as a picture; its text is what a screen reader says.
  SpeedButton1 = PushButton(text::kNameTraceChooser, {520, 244, 25, 25}, BS_OWNERDRAW);
  Hint(SpeedButton1.hwnd(), text::kHintTraceChooser);
  OnRescaled();
  RadioGroup(RadioGroupLogLevel, text::kGroupLogLevel, {16, 292, 600, 160}, kLevelItems);
  ButtonDefaultAdd = PushButton(text::kDefaultsButton, {633, 500, 185, 41});
}

void LogsPage::OnCommand(HWND control, int code) {
  if (code != BN_CLICKED) return;
  if (RadioGroupLogSysLogLevel.Clicked(control) || RadioGroupLogLevel.Clicked(control)) return;
  if (control == SpeedButton1.hwnd())
    ChooseTraceFile(EditLogTraces, ctx_.prompts);
  else if (control == ButtonDefaultAdd.hwnd() && onDefaults)
    onDefaults();
}

void LogsPage::OnRescaled() { folder_ = DrawPicture(PictureKind::kOpenFile, layout_.scale()(16)); }

bool LogsPage::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.hwndItem != SpeedButton1.hwnd()) return false;
  DrawSpeedButton(item, folder_, "", nullptr, GetSysColor(COLOR_BTNTEXT), false);
  return true;
}

}  // namespace zz
