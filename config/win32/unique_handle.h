// One owning, non-copyable wrapper for every kind of Windows handle: the traits say how a
// handle of that kind is taken over and released.
#pragma once

#include <utility>

namespace zz {

template <class T, class Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(T h) : h_(Traits::Adopt(h)) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) {
      Reset();
      h_ = std::exchange(o.h_, nullptr);
    }
    return *this;
  }

  T get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  // Releases the handle held, then holds `h`.
  void Reset(T h = nullptr) {
    if (h_) Traits::Close(h_);
    h_ = Traits::Adopt(h);
  }
  void Close() { Reset(); }

 private:
  T h_ = nullptr;
};

}  // namespace zz
