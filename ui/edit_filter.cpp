#include "edit_filter.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>

#include "cp1251.h"
#include "win32/utf16.h"

namespace zz {

namespace {

struct FilterState {
  EditInput input;
  Beeper& beeper;
  bool swallowLowSurrogate = false;
};

constexpr UINT_PTR kSubclassId = 0x5A5A;

bool IsHighSurrogate(WPARAM ch) { return ch >= 0xD800 && ch <= 0xDBFF; }
bool IsLowSurrogate(WPARAM ch) { return ch >= 0xDC00 && ch <= 0xDFFF; }

std::wstring ClipboardText(HWND owner) {
  std::wstring text;
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = p;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// A typed character: true when the edit may have it.
bool Admit(FilterState& state, WPARAM ch) {
  if (IsLowSurrogate(ch) && state.swallowLowSurrogate) {
    state.swallowLowSurrogate = false;  // the second half of a character already refused
    return false;
  }
  bool passes = state.input.keys ? KeyPasses(*state.input.keys, static_cast<unsigned>(ch))
                                 : ch < 0x20 || Cp1251HasChar(static_cast<char32_t>(ch));
  if (state.input.lineValue && ch == ';') passes = false;
  if (!passes) {
    state.swallowLowSurrogate = IsHighSurrogate(ch);
    state.beeper.Beep();
  }
  return passes;
}

// Pastes what the files can hold of the clipboard's text; false to leave the paste to the edit.
bool PasteHoldable(HWND edit, FilterState& state) {
  std::string text = Narrow(ClipboardText(edit));
  std::string kept = KeepCp1251Chars(text);
  if (state.input.lineValue) kept.erase(std::remove(kept.begin(), kept.end(), ';'), kept.end());
  if (kept == text) return false;
  state.beeper.Beep();
  if (!(GetWindowLongPtrW(edit, GWL_STYLE) & ES_MULTILINE)) {
    // A one-line edit takes the first line of a pasted text, as its own paste does.
    std::string::size_type end = kept.find_first_of("\r\n");
    if (end != std::string::npos) kept.resize(end);
  }
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Widen(kept).c_str()));
  return true;
}

LRESULT CALLBACK FilterProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data) {
  auto* state = reinterpret_cast<FilterState*>(data);
  switch (msg) {
    case WM_GETDLGCODE:
      if (state->input.filterDialogKeys && lp) {
        const MSG* key = reinterpret_cast<const MSG*>(lp);
        if (key->message == WM_KEYDOWN && (key->wParam == VK_RETURN || key->wParam == VK_ESCAPE))
          return DefSubclassProc(hwnd, msg, wp, lp) | DLGC_WANTMESSAGE;
      }
      break;
    case WM_CHAR:
      if (!Admit(*state, wp)) return 0;
      break;
    case WM_PASTE:
      if (PasteHoldable(hwnd, *state)) return 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &FilterProc, id);
      delete state;
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

void AttachEditInput(HWND edit, const EditInput& input, Beeper& beeper) {
  if (input.maxLength > 0) SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(input.maxLength), 0);
  auto state = std::make_unique<FilterState>(FilterState{input, beeper});
  if (SetWindowSubclass(edit, &FilterProc, kSubclassId, reinterpret_cast<DWORD_PTR>(state.get()))) state.release();
}

}  // namespace zz
