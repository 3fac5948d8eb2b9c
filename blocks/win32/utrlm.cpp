#include "utrlm.h"

#include <algorithm>

#include "block_texts.h"
#include "current_row.h"
#include "page_fields.h"
#include "ui/edit_filter.h"
#include "ui/field_controls.h"

namespace zz {

namespace {

// Resizable in height only, with the system menu as its only border icon.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
constexpr int kUnitButtonWidth = 97, kUnitButtonHeight = 33;
constexpr int kPanelButtonWidth = 145, kPanelButtonHeight = 41;
constexpr int kUnitsTop = 152;
constexpr int kGridLeft = 18;  // the unit list's margin on either side
constexpr int kGridEdges = 4;  // its sunken edge on either side

// Besides its header, each column shows whole the longest text it can hold: a row number and
// an address up to 255, every type name.
GridColumns::Texts UnitGridTexts() {
  return {{{"255"}, {kUnitTypeNames.begin(), kUnitTypeNames.end()}, {"255"}, {}, {}}};
}

}  // namespace

TFormTRLM::TFormTRLM(TFormInput& formInput, WinPrompts& prompts)
    : formInput_(formInput),
      prompts_(prompts, [this] { return hwnd(); }),
      actions_(units, *this, prompts_),
      StringGrid2Columns(kUnitGridHeaders, kUnitGridWidths, UnitGridTexts()) {}

bool TFormTRLM::ShowModal(HWND owner) {
  StringGrid2Columns.SetWidths(unitColumns);
  INT_PTR result = RunModalWindow(owner, block.caption, kWidth, kHeight, kStyle);
  created_ = false;
  unitColumns = StringGrid2Columns.Widths();
  return result == IDOK;
}

void TFormTRLM::OnInit() {
  CreateControls();
  created_ = true;
  FormShow();
  RadioGroupType.SetItemIndex(block.typeIndex);
  RadioGroupTypeClick();
  EditIP.SetText(block.ip);
  UpDownPort.SetPosition(block.port);
  EditComment.SetText(block.comment);
  // The list at its full height before it is filled: it opens on its first row.
  Layout();
  ShowUnits();
  // The tab order begins on "Отменить": Enter at opening cancels, as the focus shows.
  FocusOn(ButtonCancel.hwnd());
}

int TFormTRLM::DesignClientWidth() const {
  RECT client{};
  GetClientRect(hwnd(), &client);
  return DesignPixel(client.right, scale().Dpi());
}

void TFormTRLM::CreateControls() {
  const int w = DesignClientWidth();
  auto group = [&](const std::string& text, const ui::Rect& r, int id) {
    return ui::Button(Make(L"BUTTON", text, BS_GROUPBOX | WS_GROUP, r, id));
  };
  const DWORD edit = WS_TABSTOP | ES_AUTOHSCROLL | WS_GROUP;
  auto textEdit = [&](const ui::Rect& r, int id, bool lineValue) {
    ui::Edit e(Make(L"EDIT", "", edit, r, id, WS_EX_CLIENTEDGE));
    AttachEditInput(e.hwnd(), {std::nullopt, false, lineValue, 0}, formInput_.Beeps());
    return e;
  };

  // The tab order begins on the bottom panel; the rest is placed by Layout.
  panelLine_ = ui::Control(Make(L"STATIC", "", SS_ETCHEDHORZ, {0, 0, w, 2}, kPanelLine));
  ButtonCancel = ui::Button(Make(L"BUTTON", kBlockCancelButton, WS_TABSTOP | WS_GROUP, {0, 0, 1, 1}, IDCANCEL));
  Button1 = ui::Button(Make(L"BUTTON", kOkButton, WS_TABSTOP | BS_DEFPUSHBUTTON, {0, 0, 1, 1}, IDOK));

  ui::Button typeGroup = group(kBlockTypeGroup, {8, 8, 160, 72}, kRadioGroupType);
  std::vector<ui::Button> radios;
  // Auto radio buttons of one group: the arrow keys move the selection.
  radios.emplace_back(Make(L"BUTTON", kBlockTypeSerial, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON | BS_NOTIFY,
                           {20, 28, 136, 20}, kRadioSerial));
  radios.emplace_back(Make(L"BUTTON", kBlockTypeIp, BS_AUTORADIOBUTTON | BS_NOTIFY, {20, 50, 136, 20}, kRadioIp));
  for (const ui::Button& radio : radios) ui::Annotate(radio.hwnd(), ui::AccessibleText::kDescription, kBlockTypeGroup);
  RadioGroupType = RadioGroupField(typeGroup, std::move(radios));

  group(kPortGroup, {176, 8, 112, 72}, kGroupBox1);
  NameNext(kPortGroup);
  EditPort = ui::Edit(Make(L"EDIT", "1", edit, {188, 36, 72, 22}, kEditPort, WS_EX_CLIENTEDGE));
  ui::UpDown portUpDown(layout_.CreateUpDown(WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                                             EditPort.hwnd(), kUpDownPort));
  portUpDown.SetRange(kBlockPortRange.min, kBlockPortRange.max);
  portUpDown.SetPos(kBlockPortRange.initial);
  UpDownPort = UpDownField(portUpDown, kBlockPortRange);

  GroupBoxIp = group(kIpGroup, {296, 8, w - 304, 72}, kGroupBoxIp);
  NameNext(kIpGroup);
  // The address stands on the block's line, where ";" would begin its comment.
  EditIP = textEdit({308, 36, w - 328, 22}, kEditIP, true);

  group(kCommentGroup, {8, 88, w - 16, 56}, kGroupBox2);
  NameNext(kCommentGroup);
  EditComment = textEdit({20, 110, w - 40, 22}, kEditComment, false);

  GroupBox3 = group(kUnitsGroup, {8, kUnitsTop, w - 16, 100}, kGroupBox3);
  NameNext(kUnitsGroup);
  ui::ListView grid(Make(WC_LISTVIEWW, "", WS_TABSTOP | WS_GROUP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                         {kGridLeft, kUnitsTop + 20, w - 2 * kGridLeft, 40}, kStringGrid2, WS_EX_CLIENTEDGE));
  grid.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  KeepCurrentRow(grid.hwnd());
  StringGrid2 = BlockGridField(grid);
  Button2Add = ui::Button(Make(L"BUTTON", kUnitAddButton, WS_TABSTOP | WS_GROUP, {0, 0, 1, 1}, kButton2Add));
  Button3Change = ui::Button(Make(L"BUTTON", kUnitChangeButton, WS_TABSTOP, {0, 0, 1, 1}, kButton3Change));
  Button4Delete = ui::Button(Make(L"BUTTON", kUnitDeleteButton, WS_TABSTOP, {0, 0, 1, 1}, kButton4Delete));
}

void TFormTRLM::Layout() {
  if (!created_) return;
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int dpi = scale().Dpi();
  const int w = DesignPixel(client.right, dpi), h = DesignPixel(client.bottom, dpi);
  const int panelTop = h - kPanelHeight;
  layout_.Move(panelLine_.hwnd(), {0, panelTop, w, 2});
  const int okLeft = w / 2 - kPanelButtonWidth - 8;
  const int buttonTop = panelTop + (kPanelHeight - kPanelButtonHeight) / 2;
  layout_.Move(Button1.hwnd(), {okLeft, buttonTop, kPanelButtonWidth, kPanelButtonHeight});
  layout_.Move(ButtonCancel.hwnd(), {w / 2 + 8, buttonTop, kPanelButtonWidth, kPanelButtonHeight});

  // The unit list takes whatever height the window gives it.
  const int groupHeight = panelTop - 8 - kUnitsTop;
  layout_.Move(GroupBox3.hwnd(), {8, kUnitsTop, w - 16, groupHeight});
  const int buttonsTop = kUnitsTop + groupHeight - 10 - kUnitButtonHeight;
  layout_.Move(StringGrid2.control().hwnd(),
               {kGridLeft, kUnitsTop + 22, w - 2 * kGridLeft, buttonsTop - 8 - (kUnitsTop + 22)});
  const ui::Button* buttons[] = {&Button2Add, &Button3Change, &Button4Delete};
  for (int i = 0; i < 3; ++i)
    layout_.Move(buttons[i]->hwnd(),
                 {kGridLeft + i * (kUnitButtonWidth + 8), buttonsTop, kUnitButtonWidth, kUnitButtonHeight});
  // Moved controls leave their old places behind: the whole dialog is painted afresh.
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TFormTRLM::FormShow() {
  const ui::ListView& grid = StringGrid2.control();
  // Within the grid's width less a vertical scroll bar and the sunken edges.
  if (grid.ColumnCount() == 0)
    StringGrid2Columns.Attach(grid, scale().Dpi(),
                              DesignClientWidth() - 2 * kGridLeft - ui::kDesignScrollBarWidth - kGridEdges);
}

void TFormTRLM::OnRescaled() {
  StringGrid2Columns.Rescale(scale().Dpi());
  Layout();
}

void TFormTRLM::RadioGroupTypeClick() {
  const bool ip = RadioGroupType.ItemIndex() != 0;
  GroupBoxIp.Show(ip);
  EditIP.Show(ip);
}

std::size_t TFormTRLM::CurrentUnit() const {
  int row = CurrentRow(StringGrid2.control());
  return row < 0 ? units.size() : static_cast<std::size_t>(row);
}

void TFormTRLM::Button2AddClick() {
  actions_.Button2AddClick();
  ShowUnits();
}

void TFormTRLM::StringGrid2DblClick() {
  actions_.StringGrid2DblClick(CurrentUnit());
  ShowUnits();
}

void TFormTRLM::Button4DeleteClick() {
  actions_.Button4DeleteClick(CurrentUnit());
  ShowUnits();
}

bool TFormTRLM::OnCommand(int id, int code, HWND control) {
  if (code == BN_CLICKED && RadioGroupType.Clicked(control)) {
    RadioGroupTypeClick();
    return true;
  }
  if (code == BN_CLICKED) {
    switch (id) {
      case kButton2Add: Button2AddClick(); return true;
      case kButton3Change: StringGrid2DblClick(); return true;
      case kButton4Delete: Button4DeleteClick(); return true;
      default: break;
    }
  }
  return ui::Dialog::OnCommand(id, code, control);
}

void TFormTRLM::OnOK() {
  block.typeIndex = RadioGroupType.ItemIndex() < 0 ? 0 : RadioGroupType.ItemIndex();
  block.ip = EditIP.Text();
  block.port = UpDownPort.Position();
  block.comment = EditComment.Text();
  End(IDOK);
}

INT_PTR TFormTRLM::OnMessage(UINT msg, WPARAM, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      Layout();
      return TRUE;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lp);
      // Never taller than the screen holds: the unit list gives up the height.
      const RECT work = ui::WorkAreaOf(hwnd());
      info->ptMinTrackSize = {scale()(kWidth), std::min<LONG>(scale()(kMinHeight), work.bottom - work.top)};
      info->ptMaxTrackSize.x = scale()(kWidth);
      return TRUE;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lp);
      if (header->hwndFrom == StringGrid2.control().hwnd() && header->code == NM_DBLCLK) StringGrid2DblClick();
      return FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace zz
