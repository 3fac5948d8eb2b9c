// The main window's rules as plain functions: the gradient, the placement bound, the
// defaults buttons, prefix editing, the trace-file chooser and the wrapping of texts.
#include <gtest/gtest.h>

#include <map>

#include "test_support.h"  // before the editor model: its prompts come first
#include "editor_model.h"
#include "gradient.h"
#include "page_actions.h"
#include "page_defaults.h"
#include "placement.h"
#include "text.h"
#include "text_wrap.h"

namespace zz {
namespace {

class RecordingCanvas : public GradientCanvas {
 public:
  void GreyLine(int x0, int x1, int y, int level) override {
    EXPECT_EQ(rows.count(y), 0u) << "row painted twice: " << y;
    rows[y] = level;
    from = x0;
    to = x1;
  }
  std::map<int, int> rows;
  int from = -1, to = -1;
};

TEST(PaintGradient, DesignHeightIsAGradientDownToRow509ThenBlack) {
  RecordingCanvas canvas;
  PaintGradient(canvas, 201, 575);
  ASSERT_EQ(canvas.rows.size(), 573u);  // rows 1 to 573; row 0 and row 574 stay unpainted
  EXPECT_EQ(canvas.rows.begin()->first, 1);
  EXPECT_EQ(canvas.rows.rbegin()->first, 573);
  EXPECT_EQ(canvas.from, 1);
  EXPECT_EQ(canvas.to, 200);
  for (int y = 1; y <= 509; ++y) EXPECT_EQ(canvas.rows[y], 255 - y / 2) << y;
  for (int y = 510; y <= 573; ++y) EXPECT_EQ(canvas.rows[y], 0) << y;
  EXPECT_EQ(canvas.rows[1], 255);
  EXPECT_EQ(canvas.rows[2], 254);
  EXPECT_EQ(canvas.rows[509], 1);
}

TEST(PaintGradient, TinyAreasPaintNothing) {
  for (int height : {0, 1, 2}) {
    RecordingCanvas canvas;
    PaintGradient(canvas, 50, height);
    EXPECT_TRUE(canvas.rows.empty()) << height;
  }
  RecordingCanvas three;
  PaintGradient(three, 50, 3);
  EXPECT_EQ(three.rows.size(), 1u);
}

TEST(BoundPlacement, PullsBackOnlyWhatStartsBeyondTheScreen) {
  struct Case {
    Placement in, out;
  };
  const Case cases[] = {
      {{100, 5000, 670, 1045}, {100, 1920 - 1045, 670, 1045}},
      {{100, 1920, 670, 1045}, {100, 875, 670, 1045}},
      {{100, 1919, 670, 1045}, {100, 1919, 670, 1045}},
      {{100, -50, 670, 1045}, {100, -50, 670, 1045}},
      {{1080, 10, 670, 1045}, {1080 - 670, 10, 670, 1045}},
      {{-300, -300, 5000, 5000}, {-300, -300, 5000, 5000}},
      {{2000, 3000, 500, 4000}, {1080 - 500, 1920 - 4000, 500, 4000}},
  };
  for (const Case& c : cases) EXPECT_EQ(BoundPlacement(c.in, 1920, 1080), c.out) << c.in.left << "," << c.in.top;
}

TEST(DefaultsButtons, SetTheirOwnFieldsAndTheModifiedFlagAsEachOneDoes) {
  EditorModel e;
  e.systemName.SetText("x");
  e.prefixes.SetItems({"5=6"});
  e.maxCall.SetItemIndex(4);
  e.logAudio.SetChecked(true);
  e.logLevel.SetItemIndex(5);
  e.logTraces.SetText("t");
  e.enablePolling.SetItemIndex(1);
  e.flowControlRts.SetChecked(true);
  e.txBuffer.SetPosition(10);

  bool modified = false;
  ButtonDefaultAddClick(e);
  EXPECT_EQ(e.logLevel.ItemIndex(), 2);
  EXPECT_EQ(e.sysLogLevel.ItemIndex(), 2);
  EXPECT_EQ(e.logTraces.Text(), "");
  EXPECT_EQ(e.systemName.Text(), "x");

  ButtonDefaultAudioClick(e, modified);
  EXPECT_TRUE(modified);
  EXPECT_EQ(e.txBuffer.Position(), 200);
  EXPECT_EQ(e.threshold.Position(), 50);
  EXPECT_EQ(e.signalDeadband.Position(), 100);
  EXPECT_EQ(e.silenceDeadband.Position(), 200);
  EXPECT_EQ(e.jitterDelay.Text(), "50-250");
  EXPECT_FALSE(e.logAudio.Checked());
  EXPECT_EQ(e.maxCall.ItemIndex(), 0);
  EXPECT_EQ(e.prefixes.Items(), std::vector<std::string>{"5=6"});

  modified = false;
  ButtonDefaultNetworkClick(e, modified);
  EXPECT_TRUE(modified);
  EXPECT_EQ(e.systemName.Text(), "VELTO Gateway");
  EXPECT_EQ(e.needGatekeeper.ItemIndex(), 0);
  EXPECT_EQ(e.pollServerBasePort.Text(), "3000");
  EXPECT_EQ(e.controlServerPort.Text(), "4000");
  EXPECT_EQ(e.prefixes.Items().size(), 10u);
  EXPECT_EQ(e.prefixes.Items().front(), "0=0");
  EXPECT_EQ(e.prefixes.Items().back(), "9=9");
  EXPECT_TRUE(e.flowControlRts.Checked());

  modified = false;
  Button1DefClick(e, modified);
  EXPECT_TRUE(modified);
  EXPECT_EQ(e.enablePolling.ItemIndex(), 0);
  EXPECT_FALSE(e.flowControlRts.Checked());
}

TEST(EditPrefixLine, ReplacesTheSelectedLineOnlyWhenConfirmed) {
  test::RecordingPrompts prompts;
  LinesValue lines;
  lines.SetItems({"1=1", "2=2"});
  bool modified = false;

  EditPrefixLine(lines, -1, prompts, modified);
  EditPrefixLine(lines, 2, prompts, modified);
  EXPECT_TRUE(prompts.inputs.empty());

  prompts.inputAnswers = {std::nullopt, std::string("2=20"), std::string("")};
  EditPrefixLine(lines, 1, prompts, modified);
  EXPECT_FALSE(modified);
  EXPECT_EQ(lines.Items(), (std::vector<std::string>{"1=1", "2=2"}));
  ASSERT_EQ(prompts.inputs.size(), 1u);
  EXPECT_EQ(prompts.inputs[0].caption, "Новое значение");
  EXPECT_EQ(prompts.inputs[0].prompt, "");
  EXPECT_EQ(prompts.inputs[0].value, "2=2");

  EditPrefixLine(lines, 1, prompts, modified);
  EXPECT_TRUE(modified);
  EXPECT_EQ(lines.Items(), (std::vector<std::string>{"1=1", "2=20"}));
  EditPrefixLine(lines, 0, prompts, modified);
  EXPECT_EQ(lines.Items(), (std::vector<std::string>{"", "2=20"}));
}

TEST(ChooseTraceFile, TakesTheChosenPathAndKeepsTheFieldOnCancel) {
  test::RecordingPrompts prompts;
  TextValue traces("old");
  prompts.fileAnswers = {std::nullopt, std::string("D:\\t\\Trace.txt")};
  ChooseTraceFile(traces, prompts);
  EXPECT_EQ(traces.Text(), "old");
  ChooseTraceFile(traces, prompts);
  EXPECT_EQ(traces.Text(), "D:\\t\\Trace.txt");
  ASSERT_EQ(prompts.dialogs.size(), 2u);
  EXPECT_EQ(prompts.dialogs[0], TraceFileDialog());
  EXPECT_EQ(TraceFileDialog().fileName, "Trace.txt");
  EXPECT_EQ(TraceFileDialog().filter, "*.txt|*.txt");
}

TEST(HelpDocuments, NameTheirFilesAndMessages) {
  EXPECT_STREQ(kSetupDocument.path, "Doc\\Установка и настройка VELTO Gateway.pdf");
  EXPECT_STREQ(kManualDocument.path, "Doc\\Help.pdf");
  EXPECT_FALSE(ShellOpenSucceeded(32));
  EXPECT_FALSE(ShellOpenSucceeded(2));
  EXPECT_TRUE(ShellOpenSucceeded(33));
}
}  // namespace
}  // namespace zz

namespace zz {
namespace {

TEST(WrapText, BreaksAfterBlanksAndSeparatorsAndInsideAWordOnlyWhenItMust) {
  // One unit a character, whatever its bytes.
  auto measure = [](std::string_view s) { return static_cast<int>(CharCount(s)); };
  struct Case {
    const char* text;
    int width;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"C:\\Program Files\\VELTO\\zidezir.exe", 12, {"C:\\Program ", "Files\\VELTO\\", "zidezir.exe"}},
      {"\"C:\\Шлюз\\bin\\zidezir-service.exe\" -service", 16, {"\"C:\\Шлюз\\bin\\", "zidezir-service.", "exe\" -service"}},
      {"abcdefghijklm", 5, {"abcde", "fghij", "klm"}},
      {"ЖЖЖЖЖЖ", 4, {"ЖЖЖЖ", "ЖЖ"}},
      {"short", 40, {"short"}},
      {"", 10, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(WrapText(c.text, c.width, measure), c.lines) << c.text;
  // A width smaller than one character still makes progress.
  EXPECT_EQ(WrapText("ab", 0, measure), (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace zz
