#include "block_list_handlers.h"

#include "current_row.h"
#include "save_flows.h"
#include "scoped_flag.h"
#include "utrlm.h"

namespace zz {

BlockListHandlers::BlockListHandlers(BlockPage& page, ConfigSession& session, TFormInput& formInput,
                                     WinPrompts& prompts, HWND owner)
    : page_(page),
      session_(session),
      formInput_(formInput),
      prompts_(prompts),
      owner_(owner),
      voice_(session.programDir, session.prompts),
      actions_(page.StringGrid1, session.state.modified, voice_, *this) {
  page_.onAdd = [this] { ButtonAddClick(); };
  page_.onEdit = [this] { ButtonEditClick(); };
  page_.onDel = [this] { ButtonDelClick(); };
  page_.onSelectRow = [this](int row) { StringGrid1SelectCell(row); };
}

BlockListHandlers::~BlockListHandlers() {
  page_.onAdd = nullptr;
  page_.onEdit = nullptr;
  page_.onDel = nullptr;
  page_.onSelectRow = nullptr;
}

// The grid's rows are rewritten while an action runs; the selection that follows them
// is not the user's and leaves the current block number alone.
template <class Action>
void BlockListHandlers::Act(Action&& action) {
  ScopedFlag acting(acting_);
  action();
  // voice.ini as the window itself left it, so that a save tells another program's change.
  RememberVoiceFile(session_);
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

int BlockListHandlers::CurrentGridRow() const { return CurrentRow(page_.StringGrid1.control()) + 1; }

bool BlockListHandlers::Run(BlockDialogData& block, UnitRows& units) {
  TFormTRLM FormTRLM(formInput_, prompts_);
  FormTRLM.block = block;
  FormTRLM.units = units;
  FormTRLM.unitColumns = page_.unitColumns;
  const bool confirmed = FormTRLM.ShowModal(owner_);
  page_.unitColumns = FormTRLM.unitColumns;  // the columns as the user left them, also on cancel
  if (!confirmed) return false;
  block = FormTRLM.block;
  units = FormTRLM.units;
  return true;
}

}  // namespace zz
