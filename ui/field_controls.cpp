#include "field_controls.h"

#include <optional>

#include "text.h"

namespace zz {

namespace {

LRESULT CALLBACK CurrentRowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN: {
      const ui::ListView list(hwnd);
      const int before = list.Selected();
      LRESULT result = DefSubclassProc(hwnd, msg, wp, lp);
      if (before >= 0 && list.Selected() < 0 && before < list.ItemCount()) list.Select(before);
      return result;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &CurrentRowProc, id);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

void KeepCurrentRow(HWND listView) { SetWindowSubclass(listView, &CurrentRowProc, 1, 0); }

void EditField::Attach(ui::Edit edit) {
  edit_ = edit;
  if (!text_.empty()) edit_.SetText(text_);
}

void EditField::SetText(const std::string& text) {
  if (edit_.hwnd())
    edit_.SetText(text);
  else
    text_ = text;
}

void ComboField::Attach(ui::ComboBox combo) {
  combo_ = combo;
  for (const std::string& item : items_) combo_.Add(item);
  combo_.SetCurSel(index_);
}

void ComboField::SetItems(const std::vector<std::string>& items) {
  items_ = items;
  if (!combo_.hwnd()) return;
  combo_.Send(CB_RESETCONTENT);
  for (const std::string& item : items_) combo_.Add(item);
}

void ComboField::SetItemIndex(int index) {
  if (index < 0 || index >= ItemCount()) index = -1;
  if (combo_.hwnd())
    combo_.SetCurSel(index);
  else
    index_ = index;
}

std::string ComboField::ItemText(int index) const {
  if (combo_.hwnd()) return combo_.ItemText(index);
  return index >= 0 && index < ItemCount() ? items_[static_cast<std::size_t>(index)] : std::string();
}

void UpDownField::Attach(ui::UpDown upDown) {
  upDown_ = upDown;
  upDown_.SetPos(position_);
}

int UpDownField::Position() const {
  if (!upDown_.hwnd()) return position_;
  // A number typed into the edit counts, brought into the range at its nearer end as the
  // arrows would (the control itself keeps its last position for one outside the range).
  std::optional<int> typed = StrictInt(Trim(ui::Control(upDown_.Buddy()).Text()));
  return ClampToRange(range_, typed ? *typed : upDown_.Pos());
}

void UpDownField::SetPosition(int position) {
  position = ClampToRange(range_, position);
  if (upDown_.hwnd())
    upDown_.SetPos(position);
  else
    position_ = position;
}

void CheckField::Attach(ui::Button box) {
  box_ = box;
  box_.SetChecked(checked_);
}

void CheckField::SetChecked(bool checked) {
  if (box_.hwnd())
    box_.SetChecked(checked);
  else
    checked_ = checked;
}

void RadioGroupField::Attach(ui::Button group, std::vector<ui::Button> buttons) {
  group_ = group;
  buttons_ = std::move(buttons);
  SetItemIndex(index_);
}

int RadioGroupField::ItemIndex() const {
  if (buttons_.empty()) return index_;
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i].Checked()) return static_cast<int>(i);
  return -1;
}

void RadioGroupField::SetItemIndex(int index) {
  if (buttons_.empty()) {
    index_ = index >= 0 && index < ItemCount() ? index : -1;
    return;
  }
  for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i].SetChecked(static_cast<int>(i) == index);
}

std::string RadioGroupField::ItemText(int index) const {
  if (index < 0 || index >= ItemCount()) return {};
  return buttons_.empty() ? items_[static_cast<std::size_t>(index)] : buttons_[static_cast<std::size_t>(index)].Text();
}

bool RadioGroupField::Clicked(HWND button) {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i].hwnd() == button) {
      SetItemIndex(static_cast<int>(i));
      return true;
    }
  }
  return false;
}

BlockRows BlockGridField::Rows() const {
  BlockRows rows;
  int count = list_.ItemCount();
  for (int r = 0; r < count; ++r) {
    BlockRow row;
    for (int c = 0; c < kBlockColumns; ++c) row[static_cast<std::size_t>(c)] = list_.ItemText(r, c);
    rows.push_back(row);
  }
  if (rows.empty()) rows.emplace_back();
  return rows;
}

void BlockGridField::SetRows(const BlockRows& rows) {
  const int current = list_.Selected();
  list_.DeleteAll();
  const BlockRows shown = rows.empty() ? BlockRows(1) : rows;  // the grid always has one data row
  for (std::size_t r = 0; r < shown.size(); ++r) {
    int item = list_.InsertItem(static_cast<int>(r), shown[r][0]);
    for (int c = 1; c < kBlockColumns; ++c) list_.SetItemText(item, c, shown[r][static_cast<std::size_t>(c)]);
  }
  // Like a string grid, the list always has a current row: the one it had, or the last
  // when that is gone, or the first.
  const int last = static_cast<int>(shown.size()) - 1;
  const int row = current < 0 ? 0 : (current > last ? last : current);
  list_.Select(row);
  list_.EnsureVisible(row);
}

void LinesField::Attach(ui::ListBox list) {
  list_ = list;
  SetItems(items_);
}

std::vector<std::string> LinesField::Items() const {
  if (!list_.hwnd()) return items_;
  std::vector<std::string> items;
  int count = list_.Count();
  for (int i = 0; i < count; ++i) items.push_back(list_.ItemText(i));
  return items;
}

void LinesField::SetItems(const std::vector<std::string>& items) {
  if (!list_.hwnd()) {
    items_ = items;
    return;
  }
  list_.Clear();
  for (const std::string& item : items) list_.Add(item);
}

}  // namespace zz
