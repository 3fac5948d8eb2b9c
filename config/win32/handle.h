// Owning wrapper of a kernel HANDLE (files, threads): closed once, never copied.
#pragma once

#include <windows.h>

namespace zz {

class Handle {
 public:
  Handle() = default;
  explicit Handle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  ~Handle() { Close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  Handle(Handle&& o) noexcept : h_(o.h_) { o.h_ = nullptr; }
  Handle& operator=(Handle&& o) noexcept {
    if (this != &o) {
      Close();
      h_ = o.h_;
      o.h_ = nullptr;
    }
    return *this;
  }

  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void Close() {
    if (h_) CloseHandle(h_);
    h_ = nullptr;
  }

 private:
  HANDLE h_ = nullptr;
};

}  // namespace zz
