// Utrlm: the block dialog TFormTRLM. It edits one block (type, port, IP address, comment)
// and the list of its intercom units; made for one add or change, with the main window as
// owner.
#pragma once

#include "block_list.h"
#include "block_texts.h"
#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/field_controls.h"
#include "ui/grid_columns.h"
#include "ui/win_prompts.h"
#include "uinput.h"
#include "unit_list_actions.h"

namespace zz {

class TFormTRLM : public ui::Dialog, private RecordDialogRunner {
 public:
  enum ControlId : int {
    kRadioGroupType = 201,
    kRadioSerial,
    kRadioIp,
    kGroupBox1,
    kEditPort,
    kUpDownPort,
    kGroupBoxIp,
    kEditIP,
    kGroupBox2,
    kEditComment,
    kGroupBox3,
    kStringGrid2,
    kButton2Add,
    kButton3Change,
    kButton4Delete,
    kPanelLine,
  };
  static constexpr int kWidth = 550, kMinHeight = 600, kHeight = 640, kPanelHeight = 89;

  // The record dialog of the program; messages go through the prompts, over this dialog.
  TFormTRLM(TFormInput& formInput, WinPrompts& prompts);

  // Shows the dialog over `owner` with `block` and `units`; true when closed with OK, and
  // then they hold what the user confirmed.
  bool ShowModal(HWND owner);

  BlockDialogData block;
  UnitRows units{1};
  // The widths of the unit list's columns, in design pixels; they hold what the user made
  // of them when the dialog has closed, however it closed.
  ColumnWidths unitColumns = kUnitGridWidths;

  // The handlers, named after their controls.
  void RadioGroupTypeClick();
  void FormShow();
  void Button2AddClick();
  void StringGrid2DblClick();
  void Button4DeleteClick();

 protected:
  void OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  // RecordDialogRunner: the record dialog, over this one.
  UnitFields& Fields() override { return formInput_.fields; }
  bool Run(const std::string& caption) override { return formInput_.ShowModal(hwnd(), caption); }

  void CreateControls();
  void Layout();
  void OnRescaled() override;
  // The client's width in design pixels: the frame around it depends on the system.
  int DesignClientWidth() const;
  std::size_t CurrentUnit() const;
  void ShowUnits() { StringGrid2.SetRows(units); }

  TFormInput& formInput_;
  DialogPrompts prompts_;  // messages meanwhile are modal to this dialog
  UnitListActions actions_;
  bool created_ = false;

  RadioGroupField RadioGroupType;
  ui::Edit EditPort;
  UpDownField UpDownPort;
  ui::Button GroupBoxIp, GroupBox3;
  ui::Edit EditIP, EditComment;
  GridColumns StringGrid2Columns;
  BlockGridField StringGrid2;
  ui::Button Button2Add, Button3Change, Button4Delete, Button1, ButtonCancel;
  ui::Control panelLine_;
};

}  // namespace zz
