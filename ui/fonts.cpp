#include "fonts.h"

#include "dpi_scale.h"

namespace zz::ui {

namespace {

constexpr const wchar_t* kFace = L"MS Sans Serif";
constexpr int kTextHeight = 13, kTitleHeight = 18;

}  // namespace

FontSet::FontSet(int dpi)
    : dpi_(dpi),
      regular_(MakeFont(kFace, -ScaleToDpi(kTextHeight, dpi))),
      bold_(MakeFont(kFace, -ScaleToDpi(kTextHeight, dpi), true)),
      title_(MakeFont(kFace, -ScaleToDpi(kTitleHeight, dpi), true)) {}

HFONT FontSet::Get(FontRole role) const {
  switch (role) {
    case FontRole::kRegular: return regular_.get();
    case FontRole::kBold: return bold_.get();
    case FontRole::kTitle: return title_.get();
    case FontRole::kNone: break;
  }
  return nullptr;
}

}  // namespace zz::ui
