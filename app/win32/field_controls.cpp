#include "field_controls.h"

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

int RadioGroupField::ItemIndex() const {
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i].Checked()) return static_cast<int>(i);
  return -1;
}

void RadioGroupField::SetItemIndex(int index) {
  for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i].SetChecked(static_cast<int>(i) == index);
}

std::string RadioGroupField::ItemText(int index) const {
  return index >= 0 && index < ItemCount() ? buttons_[static_cast<std::size_t>(index)].Text() : std::string();
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
  list_.Select(current < 0 ? 0 : (current > last ? last : current));
}

std::vector<std::string> LinesField::Items() const {
  std::vector<std::string> items;
  int count = list_.Count();
  for (int i = 0; i < count; ++i) items.push_back(list_.ItemText(i));
  return items;
}

void LinesField::SetItems(const std::vector<std::string>& items) {
  list_.Clear();
  for (const std::string& item : items) list_.Add(item);
}

}  // namespace zz
