#include "page_actions.h"

#include <optional>
#include <vector>

#include "app_texts.h"
#include "messages.h"
#include "save_flows.h"

namespace zz {

void EditPrefixLine(LinesControl& prefixes, int selected, Prompts& prompts, bool& modified) {
  std::vector<std::string> lines = prefixes.Items();
  if (selected < 0 || selected >= static_cast<int>(lines.size())) return;
  std::optional<std::string> entered =
      prompts.InputBox(text::kNewValueCaption, "", lines[static_cast<std::size_t>(selected)]);
  if (!entered) return;
  lines[static_cast<std::size_t>(selected)] = *entered;
  prefixes.SetItems(lines);
  modified = true;
}

FileDialogSpec TraceFileDialog() {
  FileDialogSpec dialog;
  dialog.fileName = "Trace.txt";
  dialog.defaultExt = "txt";
  dialog.filter = "*.txt|*.txt";
  return dialog;
}

void ChooseTraceFile(TextControl& traces, Prompts& prompts) {
  std::optional<std::string> chosen = prompts.OpenFile(TraceFileDialog());
  if (chosen) traces.SetText(*chosen);
}

FileDialogSpec OpenDialog1(const std::string& fileName) {
  FileDialogSpec dialog = ConfFileDialog(fileName);
  dialog.fileMustExist = true;
  return dialog;
}

}  // namespace zz
