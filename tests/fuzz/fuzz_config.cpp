// Feeds arbitrary bytes to the line parser and the loader, saves the result as the program
// saves it and loads it again: the saved text is well formed, keeps the blocks, and comes
// back unchanged from any further load and save. Bytes the program refuses to read as a
// configuration are never saved, so they end the run.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "conf_loader.h"
#include "cp1251.h"
#include "devices_body.h"
#include "editor_model.h"
#include "file_form.h"
#include "save_flows.h"

namespace {

struct Result {
  std::string saved;  // Windows-1251
  std::size_t blocks;
};

Result LoadAndSave(const std::string& bytes) {
  zz::ConfParamTable table;
  zz::EditorModel editor;
  zz::SilentPrompts prompts;
  zz::ConfigSession session{table, editor, prompts, "", {}};
  zz::LoadConfigBytes(session, "fuzz.conf", bytes);
  zz::BlockRows rows = editor.StringGrid1().Rows();
  return {zz::Utf8ToCp1251(zz::SavedText(editor, table, "", zz::CleanUp::kBeforeAppend)),
          zz::IsPlaceholder(rows) ? 0 : rows.size()};
}

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  if (zz::FormProblem(input, zz::FileRole::kConfiguration) != zz::FileProblem::kNone) return 0;
  Result once = LoadAndSave(input);
  // What the program saves, it reads back.
  Check(zz::FormProblem(once.saved, zz::FileRole::kConfiguration) == zz::FileProblem::kNone);
  // Every line ends with CR LF.
  const std::string& s = once.saved;
  for (std::size_t i = 0; i < s.size(); ++i)
    if (s[i] == '\n') Check(i > 0 && s[i - 1] == '\r');
  Check(s.empty() || (s.size() >= 2 && s.compare(s.size() - 2, 2, "\r\n") == 0));
  Check(zz::Utf8ToCp1251(zz::Cp1251ToUtf8(s)) == s);
  // Blocks are written from the grid and read back as the same number of rows.
  Result twice = LoadAndSave(once.saved);
  Check(twice.blocks == once.blocks);
  Result thrice = LoadAndSave(twice.saved);
  Check(thrice.blocks == once.blocks);
  Check(thrice.saved == twice.saved);  // a saved file is a fixed point
  return 0;
}
