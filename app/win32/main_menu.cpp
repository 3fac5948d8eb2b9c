#include "main_menu.h"

#include "win32/utf16.h"

namespace zz {

namespace {

constexpr int kPictureSize = 16, kPictureGap = 4;  // design pixels; the gap stands before the text

}  // namespace

HMENU MainMenu::Popup(const char* caption) {
  if (!menu_) menu_ = ::CreateMenu();
  HMENU popup = CreatePopupMenu();
  AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Widen(caption).c_str());
  return popup;
}

void MainMenu::Add(HMENU popup, int id, const char* caption, std::optional<PictureKind> picture) {
  AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(id), Widen(caption).c_str());
  if (picture) kinds_.emplace_back(id, *picture);
}

void MainMenu::Separator(HMENU popup) { AppendMenuW(popup, MF_SEPARATOR, 0, nullptr); }

void MainMenu::Attach(HWND window, const ui::Scale& scale) {
  SetMenu(window, menu_);
  Rescale(scale);
}

void MainMenu::Rescale(const ui::Scale& scale) {
  scale_ = scale;
  pictures_.clear();
  for (const auto& [id, kind] : kinds_) {
    pictures_.push_back(DrawPicture(kind, scale_(kPictureSize)));
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP;
    info.hbmpItem = HBMMENU_CALLBACK;
    SetMenuItemInfoW(menu_, static_cast<UINT>(id), FALSE, &info);
  }
}

bool MainMenu::Checked(int id) const {
  return (GetMenuState(menu_, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void MainMenu::SetChecked(int id, bool checked) const {
  CheckMenuItem(menu_, static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

const ui::Picture* MainMenu::PictureOf(UINT id) const {
  for (std::size_t i = 0; i < kinds_.size() && i < pictures_.size(); ++i)
    if (static_cast<UINT>(kinds_[i].first) == id) return &pictures_[i];
  return nullptr;
}

bool MainMenu::Measure(MEASUREITEMSTRUCT& item) const {
  const ui::Picture* picture = item.CtlType == ODT_MENU ? PictureOf(item.itemID) : nullptr;
  if (!picture) return false;
  item.itemWidth = static_cast<UINT>(picture->width() + scale_(kPictureGap));
  item.itemHeight = static_cast<UINT>(picture->height());
  return true;
}

bool MainMenu::Draw(const DRAWITEMSTRUCT& item) const {
  const ui::Picture* picture = item.CtlType == ODT_MENU ? PictureOf(item.itemID) : nullptr;
  if (!picture) return false;
  const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - picture->height()) / 2;
  picture->Draw(item.hDC, item.rcItem.left, top, (item.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0);
  return true;
}

}  // namespace zz
