// The editor seam over real controls: each adapter reads and sets one control, so the
// controls themselves stay the editor's state.
#pragma once

#include <vector>

#include "editor.h"
#include "page_fields.h"
#include "ui/controls.h"

namespace zz {

class EditField : public TextControl {
 public:
  explicit EditField(ui::Edit edit = {}) : edit_(edit) {}
  std::string Text() const override { return edit_.Text(); }
  void SetText(const std::string& text) override { edit_.SetText(text); }
  const ui::Edit& control() const { return edit_; }

 private:
  ui::Edit edit_;
};

class ComboField : public IndexControl {
 public:
  explicit ComboField(ui::ComboBox combo = {}) : combo_(combo) {}
  int ItemIndex() const override { return combo_.CurSel(); }
  void SetItemIndex(int index) override { combo_.SetCurSel(index >= 0 && index < ItemCount() ? index : -1); }
  int ItemCount() const override { return combo_.Count(); }
  std::string ItemText(int index) const override { return combo_.ItemText(index); }
  const ui::ComboBox& control() const { return combo_; }

 private:
  ui::ComboBox combo_;
};

class UpDownField : public PositionControl {
 public:
  UpDownField() = default;
  UpDownField(ui::UpDown upDown, const UpDownRange& range) : upDown_(upDown), range_(range) {}
  int Position() const override { return ClampToRange(range_, upDown_.Pos()); }
  void SetPosition(int position) override { upDown_.SetPos(ClampToRange(range_, position)); }
  const ui::UpDown& control() const { return upDown_; }

 private:
  ui::UpDown upDown_;
  UpDownRange range_{0, 0, 1, 0};
};

class CheckField : public CheckControl {
 public:
  explicit CheckField(ui::Button box = {}) : box_(box) {}
  bool Checked() const override { return box_.Checked(); }
  void SetChecked(bool checked) override { box_.SetChecked(checked); }
  const ui::Button& control() const { return box_; }

 private:
  ui::Button box_;
};

// A group box with radio buttons; the index is that of the checked button, -1 for none.
class RadioGroupField : public IndexControl {
 public:
  RadioGroupField() = default;
  RadioGroupField(ui::Button group, std::vector<ui::Button> buttons) : group_(group), buttons_(std::move(buttons)) {}
  int ItemIndex() const override;
  void SetItemIndex(int index) override;
  int ItemCount() const override { return static_cast<int>(buttons_.size()); }
  std::string ItemText(int index) const override;
  // A click on one of its buttons selects it; false for a control of another group.
  bool Clicked(HWND button);
  const ui::Button& group() const { return group_; }
  const ui::Button& Button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

 private:
  ui::Button group_;
  std::vector<ui::Button> buttons_;
};

// Like a string grid, the list keeps a current row: a click on its empty area below the
// rows, or any other key or click that would leave no row selected, leaves the row it had.
void KeepCurrentRow(HWND listView);

// A string grid as a report list view: one item per row, the header row as columns
// (StringGrid1 of the block list, StringGrid2 of the block dialog).
class BlockGridField : public BlockGridControl {
 public:
  explicit BlockGridField(ui::ListView list = {}) : list_(list) {}
  BlockRows Rows() const override;
  void SetRows(const BlockRows& rows) override;
  const ui::ListView& control() const { return list_; }

 private:
  ui::ListView list_;
};

class LinesField : public LinesControl {
 public:
  explicit LinesField(ui::ListBox list = {}) : list_(list) {}
  std::vector<std::string> Items() const override;
  void SetItems(const std::vector<std::string>& items) override;
  const ui::ListBox& control() const { return list_; }

 private:
  ui::ListBox list_;
};

}  // namespace zz
