// PanelService: the controls of the service page; the page's logic drives them through
// the view it implements.
#pragma once

#include "service_page_view.h"
#include "ui/page.h"
#include "ui/picture.h"

namespace zz {

class ServicePanel : public Page, public ServicePageView {
 public:
  using Page::Page;

  ui::Button GroupBox1;
  ui::Button RunButton;
  ui::Control Label1, Label3, Label4, Label5;
  ComboField StartTypeCB;

  std::function<void()> onRun, onStartType;  // RunButtonClick, StartTypeCBClick

  // The page is made when first shown; until then it keeps what the poll tells it.
  void SetStateText(const std::string& text) override;
  void SetPathText(const std::string& text) override;
  void SetRunEnabled(bool enabled) override;
  void SetRunGlyph(RunGlyph glyph) override;
  void SetRunHint(const std::string& hint) override;
  void SetRunTag(int tag) override { runTag_ = tag; }
  int RunTag() const override { return runTag_; }
  void SetStartTypeItems(const std::vector<std::string>& items) override;
  void SetStartTypeIndex(int index) override { StartTypeCB.SetItemIndex(index); }
  int StartTypeIndex() const override { return StartTypeCB.ItemIndex(); }

  RunGlyph Glyph() const { return glyph_; }
  std::string RunHint() const { return hwnd() ? ctx_.tips.ToolText(RunButton.hwnd()) : runHint_; }
  // The executable path as Label3 shows it, one line each.
  std::vector<std::string> PathLines() const;

 protected:
  void CreateFields() override;
  void OnCommand(HWND control, int code) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  void OnRescaled() override;

 private:
  void FitPathLabel();
  void DrawPath(const DRAWITEMSTRUCT& item) const;

  ui::Picture StartImage, StopImage, noGlyph_;
  RunGlyph glyph_ = RunGlyph::kStart;
  bool glyphSet_ = false;  // no glyph before the first poll
  int runTag_ = kRunTagStart;
  std::string stateText_, pathText_, runHint_;
  bool runEnabled_ = true;
};

}  // namespace zz
