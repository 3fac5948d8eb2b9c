#include "win_prompts.h"

#include <commdlg.h>

#include "dialog_rules.h"
#include "input_box.h"
#include "ui_texts.h"
#include "win32/system_library.h"
#include "win32/utf16.h"

namespace zz {

UINT MessageBoxFlags(const MessageSpec& message) {
  UINT flags = MB_OK;
  if (message.buttons == MessageButtons::kYesNo) flags = MB_YESNO;
  if (message.buttons == MessageButtons::kYesNoDefaultNo) flags = MB_YESNO | MB_DEFBUTTON2;
  switch (message.icon) {
    case MessageIcon::kWarning: flags |= MB_ICONWARNING; break;
    case MessageIcon::kQuestion: flags |= MB_ICONQUESTION; break;
    case MessageIcon::kError: flags |= MB_ICONERROR; break;
    case MessageIcon::kNone: break;
  }
  return flags;
}

MessageAnswer WinPrompts::ShowOver(HWND owner, const MessageSpec& message) {
  std::string caption = message.caption.empty() ? text::kProgramTitle : message.caption;
  int answer = MessageBoxW(owner, Widen(message.text).c_str(), Widen(caption).c_str(), MessageBoxFlags(message));
  switch (answer) {
    case IDYES: return MessageAnswer::kYes;
    case IDNO: return MessageAnswer::kNo;
    default: return MessageAnswer::kOk;
  }
}

MessageSpec WinPrompts::ErrorMessage(const std::string& message) {
  return {message, text::kProgramTitle, MessageIcon::kError, MessageButtons::kOk};
}

std::optional<std::string> WinPrompts::FileDialogOver(HWND owner, const FileDialogSpec& dialog, bool save) {
  // "description|mask|..." becomes the double-NUL-terminated pairs of the common dialog.
  std::wstring filter = Widen(dialog.filter);
  for (wchar_t& c : filter)
    if (c == L'|') c = L'\0';
  filter.push_back(L'\0');
  filter.push_back(L'\0');
  std::wstring ext = Widen(dialog.defaultExt);
  std::wstring file = Widen(dialog.fileName);
  std::wstring initialDir = Widen(initialDir_);
  const bool hasFolder = file.find_first_of(L"\\/") != std::wstring::npos;
  file.resize(32768, L'\0');

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
  if (!hasFolder && !initialDir.empty()) ofn.lpstrInitialDir = initialDir.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST;
  if (dialog.hideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
  if (dialog.noChangeDir) ofn.Flags |= OFN_NOCHANGEDIR;
  if (dialog.fileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
  if (dialog.overwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
  if (dialog.resizable) ofn.Flags |= OFN_ENABLESIZING;
  using FileDialogFn = BOOL(WINAPI*)(OPENFILENAMEW*);
  static const FileDialogFn getOpen = LibraryFunction<FileDialogFn>(L"comdlg32.dll", "GetOpenFileNameW");
  static const FileDialogFn getSave = LibraryFunction<FileDialogFn>(L"comdlg32.dll", "GetSaveFileNameW");
  const FileDialogFn run = save ? getSave : getOpen;
  BOOL ok = run && run(&ofn);
  if (!ok) return std::nullopt;
  file.resize(wcslen(file.c_str()));
  return WithDefaultExtension(Narrow(file), dialog.defaultExt);
}

std::optional<std::string> WinPrompts::InputBoxOver(HWND owner, const std::string& caption, const std::string& prompt,
                                                    const std::string& value) {
  InputBoxDialog box(*beeper_);
  return box.Run(owner, caption, prompt, value);
}

}  // namespace zz
