#include "service_page_panel.h"

#include "pictures.h"
#include "speed_button.h"
#include "text_wrap.h"
#include "win32/utf16.h"

namespace zz {

namespace {

constexpr int gx = 16, gy = 32;  // GroupBox1; the positions below are inside it
constexpr ui::Rect kGroupRect{gx, gy, 473, 137};
constexpr ui::Rect kPathRect{gx + 168, gy + 104, 296, 16};
constexpr int kPathLineHeight = 16;

// The button shows a picture; a screen reader says its action by its text, the state by its
// description.
const char* RunButtonName(RunGlyph glyph) {
  return glyph == RunGlyph::kStop ? kRunButtonRunning.hint : kRunButtonStopped.hint;
}

}  // namespace

void ServicePanel::CreateFields() {
  GroupBox1 = Group(kServiceGroupCaption, kGroupRect);
  RunButton = PushButton(RunButtonName(glyph_), {gx + 16, gy + 24, 73, 41}, BS_OWNERDRAW);
  Describe(RunButton.hwnd(), stateText_);
  RunButton.Enable(runEnabled_);
  Hint(RunButton.hwnd(), runHint_.c_str());
  Label1 = Label(stateText_, {gx + 104, gy + 40, 300, 16}, SS_NOTIFY, ui::FontRole::kBold);
  Colour(Label1.hwnd(), kStateBlue);
  Hint(Label1.hwnd(), kStateLabelHint);
  Label4 = Label(kStartTypeCaption, {gx + 16, gy + 72, 150, 16}, SS_NOTIFY);
  StartTypeCB.Attach(DropDown({gx + 168, gy + 68, 185, 21}, kStartTypeHint));
  Label5 = Label(kExecutableCaption, {gx + 16, gy + 104, 150, 16});
  // The whole path, on as many lines as it takes.
  Label3 = Label(pathText_, kPathRect, SS_NOTIFY | SS_OWNERDRAW, ui::FontRole::kBold);
  Hint(Label3.hwnd(), kPathLabelHint);
  OnRescaled();
  SyncHints();
}

void ServicePanel::OnRescaled() {
  StartImage = DrawPicture(PictureKind::kStart, layout_.scale()(20));
  StopImage = DrawPicture(PictureKind::kStop, layout_.scale()(32));
  FitPathLabel();
}

std::vector<std::string> ServicePanel::PathLines() const {
  HDC dc = GetDC(Label3.hwnd());
  ui::Selection font(dc, layout_.Font(ui::FontRole::kBold));
  auto measure = [dc](std::string_view piece) {
    std::wstring w = Widen(std::string(piece));
    SIZE extent{};
    GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &extent);
    return static_cast<int>(extent.cx);
  };
  std::vector<std::string> lines = WrapText(Label3.Text(), layout_.scale()(kPathRect.width), measure);
  ReleaseDC(Label3.hwnd(), dc);
  return lines;
}

void ServicePanel::FitPathLabel() {
  const int lines = static_cast<int>(PathLines().size());
  const int height = kPathLineHeight * (lines > 1 ? lines : 1);
  layout_.Move(Label3.hwnd(), {kPathRect.x, kPathRect.y, kPathRect.width, height});
  // The frame grows with a path of many lines.
  const int groupBottom = kPathRect.y + height + 12;
  ui::Rect group = kGroupRect;
  if (groupBottom > group.y + group.height) group.height = groupBottom - group.y;
  layout_.Move(GroupBox1.hwnd(), group);
  Label3.Redraw();
}

void ServicePanel::SetStateText(const std::string& text) {
  stateText_ = text;
  if (!hwnd()) return;
  Label1.SetText(text);
  Describe(RunButton.hwnd(), text);
}

void ServicePanel::SetPathText(const std::string& text) {
  pathText_ = text;
  if (!hwnd()) return;
  Label3.SetText(text);
  FitPathLabel();
}

void ServicePanel::SetRunEnabled(bool enabled) {
  runEnabled_ = enabled;
  if (!hwnd()) return;
  const bool hadFocus = GetFocus() == RunButton.hwnd();
  RunButton.Enable(enabled);
  // Its hint shows also while it is disabled.
  SyncHints();
  if (hadFocus && !enabled) MoveFocusOn(RunButton.hwnd());
}

void ServicePanel::SetRunGlyph(RunGlyph glyph) {
  glyph_ = glyph;
  glyphSet_ = true;
  if (!hwnd()) return;
  RunButton.SetText(RunButtonName(glyph));
  RunButton.Redraw();
}

void ServicePanel::SetRunHint(const std::string& hint) {
  runHint_ = hint;
  if (hwnd()) SetHint(RunButton.hwnd(), hint);
}

void ServicePanel::SetStartTypeItems(const std::vector<std::string>& items) { StartTypeCB.SetItems(items); }

void ServicePanel::OnCommand(HWND control, int code) {
  if (control == RunButton.hwnd() && code == BN_CLICKED) {
    if (onRun) onRun();
  } else if (control == StartTypeCB.control().hwnd() && code == CBN_SELCHANGE) {
    if (onStartType) onStartType();
  } else if (control == Label4.hwnd() && code == STN_DBLCLK) {
    ctx_.requestClose();
  }
}

void ServicePanel::DrawPath(const DRAWITEMSTRUCT& item) const {
  HDC dc = item.hDC;
  FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  ui::Selection font(dc, layout_.Font(ui::FontRole::kBold));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  int y = item.rcItem.top;
  for (const std::string& line : PathLines()) {
    std::wstring w = Widen(line);
    TextOutW(dc, item.rcItem.left, y, w.c_str(), static_cast<int>(w.size()));
    y += layout_.scale()(kPathLineHeight);
  }
}

bool ServicePanel::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.hwndItem == Label3.hwnd()) {
    DrawPath(item);
    return true;
  }
  if (item.hwndItem != RunButton.hwnd()) return false;
  const ui::Picture& glyph = !glyphSet_ ? noGlyph_ : (glyph_ == RunGlyph::kStop ? StopImage : StartImage);
  DrawSpeedButton(item, glyph, "", nullptr, GetSysColor(COLOR_BTNTEXT), false);
  return true;
}

}  // namespace zz
