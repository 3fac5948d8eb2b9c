// The handlers of the block dialog's unit list: the record dialog filled for adding or
// changing, its checks in their orders, and what each does to the rows.
#pragma once

#include <string>

#include "prompts.h"
#include "unit_list.h"

namespace zz {

// The record dialog as the unit list uses it. It lives as long as the program and keeps
// its fields between uses.
class RecordDialogRunner {
 public:
  virtual ~RecordDialogRunner() = default;
  virtual UnitFields& Fields() = 0;
  // Shows the dialog over its fields with the caption; true when closed with OK. The
  // fields keep what the user left in them however the dialog was closed.
  virtual bool Run(const std::string& caption) = 0;
};

class UnitListActions {
 public:
  UnitListActions(UnitRows& rows, RecordDialogRunner& record, Prompts& prompts);

  // `row` is the unit grid's current row, counted from 0.
  void Button2AddClick();
  void StringGrid2DblClick(std::size_t row);  // also Button3Change
  void Button4DeleteClick(std::size_t row);

 private:
  // Shows why a check failed; true when it passed.
  bool Passed(const UnitCheckResult& result);

  UnitRows& rows_;
  RecordDialogRunner& record_;
  Prompts& prompts_;
};

}  // namespace zz
