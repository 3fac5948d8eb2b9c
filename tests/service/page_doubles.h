// The service page's view and the restart screen as plain recorders.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "restart_ui.h"
#include "scripted_service.h"
#include "service_page_view.h"

namespace zz::test {

struct RecordingView : ServicePageView {
  std::string stateText, pathText, runHint;
  bool runEnabled = true;  // as designed, before the page sets it up
  std::optional<RunGlyph> runGlyph;
  int runTag = 0;
  std::vector<std::string> items;
  int startTypeIndex = -1;
  int runButtonWrites = 0;  // every change made to the run button

  void SetStateText(const std::string& text) override { stateText = text; }
  void SetPathText(const std::string& text) override { pathText = text; }
  void SetRunEnabled(bool enabled) override { Run(runEnabled, enabled); }
  void SetRunGlyph(RunGlyph glyph) override { Run(runGlyph, glyph); }
  void SetRunHint(const std::string& hint) override { Run(runHint, hint); }
  void SetRunTag(int tag) override { Run(runTag, tag); }
  int RunTag() const override { return runTag; }
  void SetStartTypeItems(const std::vector<std::string>& texts) override { items = texts; }
  void SetStartTypeIndex(int index) override { startTypeIndex = index; }
  int StartTypeIndex() const override { return startTypeIndex; }

 private:
  template <class T, class V>
  void Run(T& field, const V& value) {
    field = value;
    ++runButtonWrites;
  }
};

class RecordingRestartUi : public RestartUi {
 public:
  explicit RecordingRestartUi(EventLog& log) : log_(log) {}
  std::function<void()> onPump;  // what the window's messages would do meanwhile
  int pumps = 0;

  void ShowProgress() override { log_.Add("show progress"); }
  void CloseProgress() override { log_.Add("close progress"); }
  void BeginWaitCursor() override { log_.Add("hourglass"); }
  void EndWaitCursor() override { log_.Add("cursor back"); }
  void DisableInput() override { log_.Add("input off"); }
  void EnableInput() override { log_.Add("input on"); }
  void PumpMessages() override {
    ++pumps;
    if (onPump) onPump();
  }

 private:
  EventLog& log_;
};

}  // namespace zz::test
