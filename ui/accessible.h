// What assistive technology reads for a control beyond what the system finds itself (a
// control's own text, or the static label right before it in z-order).
#pragma once

#include <windows.h>
#include <objbase.h>

#include <string>

namespace zz::ui {

// A label that is not shown, made right before the next control of `parent`: a screen reader
// reads it as that control's name where what names it on screen is a group box's caption or
// a picture.
HWND CreateNameLabel(HWND parent, const std::string& text);

enum class AccessibleText { kName, kDescription };

// The window thread's COM apartment, held open while its windows live: the annotations'
// service belongs to it.
class Apartment {
 public:
  Apartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~Apartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  Apartment(const Apartment&) = delete;
  Apartment& operator=(const Apartment&) = delete;

 private:
  HRESULT result_;
};

// Windows' dynamic annotation of a control; false where the system keeps none (Wine).
bool Annotate(HWND control, AccessibleText what, const std::string& text);

}  // namespace zz::ui
