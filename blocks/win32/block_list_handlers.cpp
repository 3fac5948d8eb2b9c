#include "block_list_handlers.h"

#include "current_row.h"
#include "utrlm.h"

namespace zz {

BlockListHandlers::BlockListHandlers(TMainForm& form, TFormInput& formInput, WinPrompts& prompts)
    : form_(form),
      formInput_(formInput),
      prompts_(prompts),
      voice_(form.Session().programDir, form.Session().prompts),
      actions_(form.PanelTrl().StringGrid1, form.Session().state.modified, voice_, *this) {
  BlockPage& page = form_.PanelTrl();
  page.onAdd = [this] { ButtonAddClick(); };
  page.onEdit = [this] { ButtonEditClick(); };
  page.onDel = [this] { ButtonDelClick(); };
  page.onSelectRow = [this](int row) { StringGrid1SelectCell(row); };
}

BlockListHandlers::~BlockListHandlers() {
  BlockPage& page = form_.PanelTrl();
  page.onAdd = nullptr;
  page.onEdit = nullptr;
  page.onDel = nullptr;
  page.onSelectRow = nullptr;
}

// The grid's rows are rewritten while an action runs; the selection that follows them
// is not the user's and leaves the current block number alone.
template <class Action>
void BlockListHandlers::Act(Action&& action) {
  struct Flag {
    bool& value;
    explicit Flag(bool& v) : value(v) { value = true; }
    ~Flag() { value = false; }
  } acting(acting_);
  action();
}

void BlockListHandlers::ButtonAddClick() {
  Act([this] { actions_.ButtonAddClick(); });
}

void BlockListHandlers::ButtonEditClick() {
  const int row = CurrentGridRow();
  Act([this, row] { actions_.ButtonEditClick(row); });
}

void BlockListHandlers::ButtonDelClick() {
  const int row = CurrentGridRow();
  Act([this, row] { actions_.ButtonDelClick(row); });
}

void BlockListHandlers::StringGrid1SelectCell(int row) {
  if (!acting_) actions_.StringGrid1SelectCell(row);
}

int BlockListHandlers::CurrentGridRow() const { return CurrentRow(form_.PanelTrl().StringGrid1.control()) + 1; }

bool BlockListHandlers::Run(BlockDialogData& block, UnitRows& units) {
  TFormTRLM FormTRLM(formInput_, prompts_);
  FormTRLM.block = block;
  FormTRLM.units = units;
  if (!FormTRLM.ShowModal(form_.hwnd())) return false;
  block = FormTRLM.block;
  units = FormTRLM.units;
  return true;
}

}  // namespace zz
