#include "service_page_panel.h"

#include "pictures.h"
#include "speed_button.h"

namespace zz {

void ServicePanel::CreateFields() {
  constexpr int gx = 16, gy = 32;  // GroupBox1; the positions below are inside it
  GroupBox1 = Group(kServiceGroupCaption, {gx, gy, 473, 137});
  RunButton = PushButton("", {gx + 16, gy + 24, 73, 41}, BS_OWNERDRAW);
  Hint(RunButton.hwnd(), "");
  Label1 = Label("", {gx + 104, gy + 40, 300, 16}, SS_NOTIFY);
  Label1.SetFont(ctx_.boldFont);
  Colour(Label1.hwnd(), kStateBlue);
  Hint(Label1.hwnd(), kStateLabelHint);
  Label4 = Label(kStartTypeCaption, {gx + 16, gy + 72, 140, 16}, SS_NOTIFY);
  StartTypeCB = ComboField(DropDown({gx + 168, gy + 68, 185, 21}, std::vector<std::string>{}, kStartTypeHint));
  Label5 = Label(kExecutableCaption, {gx + 16, gy + 104, 140, 16});
  Label3 = Label("", {gx + 168, gy + 104, 296, 16}, SS_NOTIFY | SS_PATHELLIPSIS);
  Label3.SetFont(ctx_.boldFont);
  Hint(Label3.hwnd(), kPathLabelHint);
  StartImage = DrawPicture(PictureKind::kStart, 20);
  StopImage = DrawPicture(PictureKind::kStop, 32);
}

void ServicePanel::SetRunGlyph(RunGlyph glyph) {
  glyph_ = glyph;
  glyphSet_ = true;
  RunButton.Redraw();
}

void ServicePanel::SetRunHint(const std::string& hint) { ctx_.tips.SetToolText(RunButton.hwnd(), hint); }

void ServicePanel::SetStartTypeItems(const std::vector<std::string>& items) {
  StartTypeCB.control().Send(CB_RESETCONTENT);
  for (const std::string& item : items) StartTypeCB.control().Add(item);
}

void ServicePanel::OnCommand(HWND control, int code) {
  if (control == RunButton.hwnd() && code == BN_CLICKED) {
    if (onRun) onRun();
  } else if (control == StartTypeCB.control().hwnd() && code == CBN_SELCHANGE) {
    if (onStartType) onStartType();
  } else if (control == Label4.hwnd() && code == STN_DBLCLK) {
    ctx_.requestClose();
  }
}

bool ServicePanel::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.hwndItem != RunButton.hwnd()) return false;
  const ui::Picture& glyph = !glyphSet_ ? noGlyph_ : (glyph_ == RunGlyph::kStop ? StopImage : StartImage);
  DrawSpeedButton(item, glyph, "", nullptr, GetSysColor(COLOR_BTNTEXT), false);
  return true;
}

}  // namespace zz
