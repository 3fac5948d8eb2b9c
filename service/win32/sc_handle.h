// Owning wrapper of a service control manager handle (the manager or one service).
#pragma once

#include <windows.h>
#include <winsvc.h>

namespace zz {

class ScHandle {
 public:
  ScHandle() = default;
  explicit ScHandle(SC_HANDLE h) : h_(h) {}
  ~ScHandle() { Close(); }
  ScHandle(const ScHandle&) = delete;
  ScHandle& operator=(const ScHandle&) = delete;
  ScHandle(ScHandle&& o) noexcept : h_(o.h_) { o.h_ = nullptr; }
  ScHandle& operator=(ScHandle&& o) noexcept {
    if (this != &o) {
      Close();
      h_ = o.h_;
      o.h_ = nullptr;
    }
    return *this;
  }

  SC_HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void Close() {
    if (h_) CloseServiceHandle(h_);
    h_ = nullptr;
  }

 private:
  SC_HANDLE h_ = nullptr;
};

}  // namespace zz
