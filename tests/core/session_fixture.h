// A schema table, an editor model and recording prompts in one session, for core tests.
#pragma once

#include <gtest/gtest.h>

#include "conf_loader.h"
#include "cp1251.h"
#include "editor_model.h"
#include "test_support.h"

namespace zz::test {

class SessionTest : public ::testing::Test {
 protected:
  void Load(const std::string& utf8Text, const std::string& name = "zidezir.conf") {
    LoadConfigBytes(session, name, Utf8ToCp1251(utf8Text));
  }
  BlockRows Rows() { return editor.StringGrid1().Rows(); }

  ConfParamTable table;
  EditorModel editor;
  RecordingPrompts prompts;
  ConfigSession session{table, editor, prompts, "", {}};
};

}  // namespace zz::test
