#include "dialog_steps.h"

#include <commctrl.h>

#include "uinput.h"
#include "ui/controls.h"
#include "win32/utf16.h"

namespace zz::test {

namespace {

constexpr UINT kPatience = 10000;  // ms, for a busy machine

template <class Condition>
bool WaitFor(Condition condition, DWORD milliseconds = kPatience) {
  DWORD end = GetTickCount() + milliseconds;
  while (!condition()) {
    if (static_cast<LONG>(GetTickCount() - end) >= 0) return false;
    Sleep(10);
  }
  return true;
}

LRESULT SendTo(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(h, msg, wp, lp, SMTO_NORMAL, kPatience, &result);
  return static_cast<LRESULT>(result);
}

struct OwnedSearch {
  HWND owner;
  HWND found = nullptr;
};

BOOL CALLBACK FindOwned(HWND h, LPARAM lp) {
  auto* search = reinterpret_cast<OwnedSearch*>(lp);
  wchar_t cls[16] = {};
  GetClassNameW(h, cls, 16);
  if (GetWindow(h, GW_OWNER) == search->owner && IsWindowVisible(h) && std::wstring(cls) == L"#32770") {
    search->found = h;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string DialogSteps::Text(int id) const {
  wchar_t buffer[1024] = {};
  SendTo(Item(id), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer));
  return Narrow(buffer);
}

void DialogSteps::SetText(int id, const std::string& text) const {
  std::wstring w = Widen(text);
  SendTo(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(w.c_str()));
}

void DialogSteps::Type(int id, unsigned ch) const { SendTo(Item(id), WM_CHAR, ch, 1); }

bool DialogSteps::Checked(int id) const { return SendTo(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void DialogSteps::Click(int id) const {
  SendTo(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
}

HWND DialogSteps::Open(int id) const {
  PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
  return Owned(kPatience);
}

void DialogSteps::Settle() const { SendTo(dialog_, WM_NULL, 0, 0); }

HWND DialogSteps::Owned(int milliseconds) const {
  OwnedSearch search{dialog_};
  WaitFor(
      [&] {
        search.found = nullptr;
        EnumWindows(&FindOwned, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      },
      static_cast<DWORD>(milliseconds));
  return search.found;
}

bool DialogSteps::Close(int button) const {
  PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(Item(button)));
  HWND h = dialog_;
  return WaitFor([h] { return !IsWindow(h); });
}

RecordUse UseRecordDialog(const DialogSteps& block, int button, const std::optional<UnitFields>& typed, int close,
                          bool expectMessage) {
  RecordUse use;
  HWND h = block.Open(button);
  if (!h) return use;
  use.opened = true;
  DialogSteps record(h);
  SeenDialog seen = record.Describe();
  use.caption = seen.caption;
  use.buttons = seen.buttons;
  use.proposed.typeIndex = static_cast<int>(SendTo(record.Item(TFormInput::kComboBox1), CB_GETCURSEL, 0, 0));
  use.proposed.address = record.Text(TFormInput::kEditType);
  use.proposed.name = record.Text(TFormInput::kEditName);
  use.proposed.host = record.Text(TFormInput::kEditIP);
  if (typed) {
    SendTo(record.Item(TFormInput::kComboBox1), CB_SETCURSEL, static_cast<WPARAM>(typed->typeIndex), 0);
    record.SetText(TFormInput::kEditType, typed->address);
    record.SetText(TFormInput::kEditName, typed->name);
    record.SetText(TFormInput::kEditIP, typed->host);
  }
  record.Close(close);
  if (expectMessage) {
    if (HWND box = block.Owned(kPatience)) {
      use.message = DescribeDialog(box);
      DialogSteps(box).Close(IDOK);
    }
  }
  block.Settle();
  return use;
}

UnitRows GridRows(HWND list) {
  ui::ListView view(list);
  UnitRows rows;
  const int count = static_cast<int>(SendTo(list, LVM_GETITEMCOUNT, 0, 0));
  for (int r = 0; r < count; ++r) {
    UnitRow row;
    for (int c = 0; c < 5; ++c) row[static_cast<std::size_t>(c)] = view.ItemText(r, c);
    rows.push_back(row);
  }
  return rows;
}

}  // namespace zz::test
