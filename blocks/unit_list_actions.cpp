#include "unit_list_actions.h"

#include "block_texts.h"
#include "text.h"

namespace zz {

UnitListActions::UnitListActions(UnitRows& rows, RecordDialogRunner& record, Prompts& prompts)
    : rows_(rows), record_(record), prompts_(prompts) {}

bool UnitListActions::Passed(const UnitCheckResult& result) {
  switch (result.check) {
    case UnitCheck::kAccepted:
      return true;
    case UnitCheck::kRefused:
      prompts_.Show(PlainMessage(result.message));
      return false;
    case UnitCheck::kInvalidNumber:
      prompts_.ShowError(result.message);
      return false;
  }
  return false;
}

void UnitListActions::Button2AddClick() {
  UnitFields& fields = record_.Fields();
  fields = NewUnitFields(fields);
  if (!record_.Run(kAddUnitCaption)) return;
  if (!Passed(CheckNewUnit(fields))) return;
  AddUnit(rows_, fields);
}

void UnitListActions::StringGrid2DblClick(std::size_t row) {
  if (row >= rows_.size() || Trim(rows_[row][1]).empty()) return;
  UnitFields& fields = record_.Fields();
  fields = UnitFieldsFromRow(rows_[row]);
  if (!record_.Run(kChangeUnitCaption)) return;
  if (!Passed(CheckChangedUnit(fields))) return;
  WriteUnitRow(rows_[row], fields);
}

void UnitListActions::Button4DeleteClick(std::size_t row) { DeleteUnit(rows_, row); }

}  // namespace zz
