#include "dialog_watcher.h"

#include <ostream>

#include "win32/utf16.h"

namespace zz::test {

namespace {

std::string TextOf(HWND h) {
  wchar_t buffer[4096] = {};
  // Sent across threads: the dialog's thread is inside its modal loop and answers.
  SendMessageTimeoutW(h, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, nullptr);
  return Narrow(buffer);
}

std::string ClassOf(HWND h) {
  wchar_t buffer[256] = {};
  GetClassNameW(h, buffer, 256);
  return Narrow(buffer);
}

MessageIcon IconOf(HWND icon) {
  HICON shown = reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0));
  if (!shown) return MessageIcon::kNone;
  if (shown == LoadIconW(nullptr, IDI_WARNING)) return MessageIcon::kWarning;
  if (shown == LoadIconW(nullptr, IDI_QUESTION)) return MessageIcon::kQuestion;
  if (shown == LoadIconW(nullptr, IDI_ERROR)) return MessageIcon::kError;
  return MessageIcon::kNone;
}

struct Found {
  DWORD process;
  std::vector<HWND> dialogs;
};

BOOL CALLBACK CollectDialog(HWND h, LPARAM lp) {
  auto* found = reinterpret_cast<Found*>(lp);
  DWORD process = 0;
  GetWindowThreadProcessId(h, &process);
  if (process == found->process && IsWindowVisible(h) && ClassOf(h) == "#32770") found->dialogs.push_back(h);
  return TRUE;
}

}  // namespace

DialogWatcher::DialogWatcher() : thread_(&DialogWatcher::Run, this) {}

DialogWatcher::~DialogWatcher() {
  stop_ = true;
  thread_.join();
}

void DialogWatcher::Script(std::vector<DialogAnswer> answers) {
  std::lock_guard<std::mutex> lock(mutex_);
  script_.assign(answers.begin(), answers.end());
}

std::vector<SeenDialog> DialogWatcher::Seen() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return seen_;
}

void DialogWatcher::Forget() {
  std::lock_guard<std::mutex> lock(mutex_);
  seen_.clear();
  script_.clear();
}

void DialogWatcher::Run() {
  while (!stop_) {
    Found found{GetCurrentProcessId(), {}};
    EnumWindows(&CollectDialog, reinterpret_cast<LPARAM>(&found));
    for (HWND dialog : found.dialogs) {
      if (handled_.count(dialog)) continue;
      Sleep(30);  // let the dialog finish its set-up
      Handle(dialog);
    }
    Sleep(20);
  }
}

SeenDialog DescribeDialog(HWND dialog) {
  SeenDialog seen;
  seen.caption = TextOf(dialog);
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    std::string cls = ClassOf(child);
    LONG style = GetWindowLongW(child, GWL_STYLE);
    if (cls == "Button") {
      seen.buttons.push_back(TextOf(child));
    } else if (cls == "Static" && (style & WS_VISIBLE)) {  // a hidden label names a field for screen readers
      if ((style & SS_TYPEMASK) == SS_ICON)
        seen.icon = IconOf(child);
      else if (seen.text.empty())
        seen.text = TextOf(child);
    } else if (cls == "Edit") {
      seen.editText = TextOf(child);
    }
  }
  return seen;
}

void DialogWatcher::Handle(HWND dialog) {
  handled_.insert(dialog);
  SeenDialog seen = DescribeDialog(dialog);
  std::vector<int> buttons;
  HWND edit = nullptr;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    std::string cls = ClassOf(child);
    if (cls == "Button") buttons.push_back(GetDlgCtrlID(child));
    if (cls == "Edit") edit = child;
  }
  std::optional<DialogAnswer> answer;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!script_.empty()) {
      answer = script_.front();
      script_.pop_front();
    }
  }
  int press = IDOK;
  if (answer) {
    press = answer->button;
  } else {
    bool hasOk = false;
    for (int b : buttons) hasOk = hasOk || b == IDOK;
    press = hasOk ? IDOK : (GetDlgItem(dialog, IDNO) ? IDNO : IDCANCEL);
  }
  if (answer && answer->editText && edit)
    SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(*answer->editText).c_str()),
                        SMTO_ABORTIFHUNG, 2000, nullptr);
  if (answer && answer->act) answer->act(dialog);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    seen_.push_back(seen);
  }
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(press, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, press)));
}

std::ostream& operator<<(std::ostream& out, const SeenDialog& d) {
  return out << "{caption \"" << d.caption << "\", text \"" << d.text << "\", icon " << static_cast<int>(d.icon)
             << "}";
}

namespace {

std::function<bool(MSG&)>& PumpFilter() {
  static std::function<bool(MSG&)> filter;
  return filter;
}

}  // namespace

void SetPumpFilter(std::function<bool(MSG&)> filter) { PumpFilter() = std::move(filter); }

void Pump(int milliseconds) {
  DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (PumpFilter() && PumpFilter()(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (static_cast<LONG>(GetTickCount() - end) >= 0) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  } while (true);
}

}  // namespace zz::test
