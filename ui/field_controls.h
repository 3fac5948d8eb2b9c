// The editor seam over real controls: each adapter reads and sets one control, so the
// controls themselves stay the editor's state.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "controls.h"
#include "editor.h"
#include "page_fields.h"

namespace zz {

// Each adapter keeps its field's value itself until its control exists (the pages other
// than the block page are made when first shown), and hands it to the control on Attach.

class EditField : public TextControl {
 public:
  explicit EditField(ui::Edit edit = {}) : edit_(edit) {}
  void Attach(ui::Edit edit);
  std::string Text() const override { return edit_.hwnd() ? edit_.Text() : text_; }
  void SetText(const std::string& text) override;
  const ui::Edit& control() const { return edit_; }

 private:
  ui::Edit edit_;
  std::string text_;
};

class ComboField : public IndexControl {
 public:
  explicit ComboField(ui::ComboBox combo = {}) : combo_(combo) {}
  template <std::size_t N>
  explicit ComboField(const std::array<const char*, N>& items) : items_(items.begin(), items.end()) {}
  // The control gets the items and the selection.
  void Attach(ui::ComboBox combo);
  void SetItems(const std::vector<std::string>& items);
  int ItemIndex() const override { return combo_.hwnd() ? combo_.CurSel() : index_; }
  void SetItemIndex(int index) override;
  int ItemCount() const override { return combo_.hwnd() ? combo_.Count() : static_cast<int>(items_.size()); }
  std::string ItemText(int index) const override;
  const ui::ComboBox& control() const { return combo_; }

 private:
  ui::ComboBox combo_;
  std::vector<std::string> items_;
  int index_ = -1;
};

class UpDownField : public PositionControl {
 public:
  explicit UpDownField(const UpDownRange& range = {0, 0, 1, 0}) : range_(range), position_(range.initial) {}
  UpDownField(ui::UpDown upDown, const UpDownRange& range) : upDown_(upDown), range_(range), position_(range.initial) {}
  void Attach(ui::UpDown upDown);
  int Position() const override;
  void SetPosition(int position) override;
  const ui::UpDown& control() const { return upDown_; }

 private:
  ui::UpDown upDown_;
  UpDownRange range_;
  int position_;
};

class CheckField : public CheckControl {
 public:
  explicit CheckField(ui::Button box = {}) : box_(box) {}
  void Attach(ui::Button box);
  bool Checked() const override { return box_.hwnd() ? box_.Checked() : checked_; }
  void SetChecked(bool checked) override;
  const ui::Button& control() const { return box_; }

 private:
  ui::Button box_;
  bool checked_ = false;
};

// A group box with radio buttons; the index is that of the checked button, -1 for none.
class RadioGroupField : public IndexControl {
 public:
  RadioGroupField() = default;
  template <std::size_t N>
  explicit RadioGroupField(const std::array<const char*, N>& items) : items_(items.begin(), items.end()) {}
  RadioGroupField(ui::Button group, std::vector<ui::Button> buttons) : group_(group), buttons_(std::move(buttons)) {}
  void Attach(ui::Button group, std::vector<ui::Button> buttons);
  int ItemIndex() const override;
  void SetItemIndex(int index) override;
  int ItemCount() const override { return buttons_.empty() ? static_cast<int>(items_.size()) : static_cast<int>(buttons_.size()); }
  std::string ItemText(int index) const override;
  // A click on one of its buttons selects it; false for a control of another group.
  bool Clicked(HWND button);
  const ui::Button& group() const { return group_; }
  const ui::Button& Button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

 private:
  ui::Button group_;
  std::vector<ui::Button> buttons_;
  std::vector<std::string> items_;
  int index_ = -1;
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
  void Attach(ui::ListBox list);
  std::vector<std::string> Items() const override;
  void SetItems(const std::vector<std::string>& items) override;
  const ui::ListBox& control() const { return list_; }

 private:
  ui::ListBox list_;
  std::vector<std::string> items_;
};

}  // namespace zz
