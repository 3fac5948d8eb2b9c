// A hash index from names, compared with A to Z folded, to item numbers; the first item added
// under a name is the one found. The names stay with the caller, which hands a function that
// gives an item's name, so the index itself allocates nothing per name.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace zz {

class NameIndex {
 public:
  static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

  static char Fold(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

  static bool Equal(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
      if (Fold(a[i]) != Fold(b[i])) return false;
    return true;
  }

  void Clear() {
    slots_.clear();
    count_ = 0;
  }

  // The first item added under the name, or kNone.
  template <class NameOf>
  std::uint32_t Find(std::string_view name, const NameOf& nameOf) const {
    if (slots_.empty()) return kNone;
    const std::uint32_t hash = Hash(name);
    for (std::size_t i = hash & Mask();; i = (i + 1) & Mask()) {
      const Slot& slot = slots_[i];
      if (slot.item == kNone) return kNone;
      if (slot.hash == hash && Equal(nameOf(slot.item), name)) return slot.item;
    }
  }

  // Adds the item under its name, unless an earlier item has that name.
  template <class NameOf>
  void Add(std::uint32_t item, std::string_view name, const NameOf& nameOf) {
    if ((count_ + 1) * 2 > slots_.size()) Grow();
    const std::uint32_t hash = Hash(name);
    for (std::size_t i = hash & Mask();; i = (i + 1) & Mask()) {
      Slot& slot = slots_[i];
      if (slot.item == kNone) {
        slot = {hash, item};
        ++count_;
        return;
      }
      if (slot.hash == hash && Equal(nameOf(slot.item), name)) return;
    }
  }

 private:
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t item = kNone;
  };

  static std::uint32_t Hash(std::string_view name) {
    std::uint32_t h = 2166136261u;  // FNV-1a over the folded bytes
    for (char c : name) h = (h ^ static_cast<unsigned char>(Fold(c))) * 16777619u;
    return h;
  }
  std::size_t Mask() const { return slots_.size() - 1; }

  void Grow() {
    std::vector<Slot> old;
    old.swap(slots_);
    slots_.assign(old.empty() ? 16 : old.size() * 2, Slot{});
    for (const Slot& slot : old) {
      if (slot.item == kNone) continue;
      std::size_t i = slot.hash & Mask();
      while (slots_[i].item != kNone) i = (i + 1) & Mask();
      slots_[i] = slot;
    }
  }

  std::vector<Slot> slots_;
  std::size_t count_ = 0;
};

}  // namespace zz
