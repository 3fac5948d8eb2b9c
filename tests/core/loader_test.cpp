#include "session_fixture.h"

namespace zz::test {
namespace {

using LoaderTest = SessionTest;

TEST_F(LoaderTest, EmptyFileResetsTheListsAndKeepsOtherFields) {
  editor.systemName.SetText("kept");
  editor.logTraces.SetText("old.txt");
  editor.prefixes.SetItems({"1=1"});
  editor.blocks.SetRows({BlockRow{"1", "ТРЛ-М", "COM1", "", "x"}, BlockRow{"2", "ТРЛ-М", "COM2", "", "y"}});
  table[entry::kName].SetValue("stale");
  Load("", "C:\\gw\\zidezir.conf");
  EXPECT_EQ(Rows(), BlockRows(1));
  EXPECT_TRUE(editor.prefixes.Items().empty());
  EXPECT_EQ(editor.logTraces.Text(), "");
  EXPECT_EQ(editor.systemName.Text(), "kept");
  EXPECT_EQ(table[entry::kName].value, "");
  EXPECT_EQ(editor.statusPath, "C:\\gw\\zidezir.conf");
  EXPECT_TRUE(session.state.loaded);
  EXPECT_FALSE(session.state.modified);
}

TEST_F(LoaderTest, DesignTimeContentsHoldUntilAKeySuppliesAValue) {
  EXPECT_EQ(editor.threshold.Position(), 50);
  EXPECT_EQ(editor.signalDeadband.Position(), 100);
  EXPECT_EQ(editor.silenceDeadband.Position(), 200);
  EXPECT_EQ(editor.txBuffer.Position(), 200);
  EXPECT_EQ(editor.maxCall.ItemIndex(), -1);
  EXPECT_EQ(editor.needGatekeeper.ItemIndex(), -1);
  EXPECT_EQ(editor.logLevel.ItemIndex(), -1);
  EXPECT_FALSE(editor.flowControlRts.Checked());
  Load("[Audio]\nTxBuffer=5000\n[SilenceDetection]\nThreshold=-5\n");
  EXPECT_EQ(editor.txBuffer.Position(), 1000);  // brought to the nearer end of 0..1000
  EXPECT_EQ(editor.threshold.Position(), 0);
  EXPECT_EQ(editor.signalDeadband.Position(), 100);
}

TEST_F(LoaderTest, ConvertsValuesForTheirControls) {
  struct Case {
    const char* file;
    IndexControl* list;
    int index;
  } cases[] = {
      {"[Network]\nNeed Gatekeeper=YES\n", &editor.needGatekeeper, 1},
      {"[Network]\nNeed Gatekeeper=1\n", &editor.needGatekeeper, 0},
      {"[Audio]\nMax Calls=-1\n", &editor.maxCall, 0},
      {"[Audio]\nMax Calls=0\n", &editor.maxCall, 0},
      {"[Audio]\nMax Calls=4\n", &editor.maxCall, 4},
      {"[Audio]\nMax Calls=10\n", &editor.maxCall, 10},
      {"[Audio]\nMax Calls=11\n", &editor.maxCall, -1},
      {"[Audio]\nMax Calls=-2\n", &editor.maxCall, -1},
      {"[Log]\nLevel=9\n", &editor.logLevel, 5},
      {"[Log]\nLevel=x\n", &editor.logLevel, 0},
      {"[Log]\nLevel=-3\n", &editor.logLevel, -1},
      {"[Log]\nSysLog Level= 2 (warnings)\n", &editor.sysLogLevel, 2},
      {"[Audio]\nEnable Polling=Yes\n", &editor.enablePolling, 1},
      {"[H323]\nDisable Fast Start=no\n", &editor.disableFastStart, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    Load(c.file);
    EXPECT_EQ(c.list->ItemIndex(), c.index);
  }
  Load("[DeviceSettings]\nFlow Control=3\n[Log]\nLog Audio=yEs\n");
  EXPECT_TRUE(editor.flowControlRts.Checked());
  EXPECT_TRUE(editor.logAudio.Checked());
  Load("[DeviceSettings]\nFlow Control=1\n[Log]\nLog Audio=y\n");
  EXPECT_FALSE(editor.flowControlRts.Checked());
  EXPECT_FALSE(editor.logAudio.Checked());
  EXPECT_TRUE(prompts.errors.empty());
}

TEST_F(LoaderTest, AnInvalidIntegerIsReportedAndTheRestIsLoaded) {
  editor.maxCall.SetItemIndex(3);
  Load("; head\n[Audio]\nMax Calls=four\nTxBuffer=\n[System]\nName=GW\n[Log]\nTraces=t.txt\n");
  EXPECT_EQ(prompts.errors, (std::vector<std::string>{"'four' is not a valid integer value",
                                                      "'' is not a valid integer value"}));
  EXPECT_EQ(editor.maxCall.ItemIndex(), 3);  // the field keeps what it held
  EXPECT_EQ(editor.txBuffer.Position(), 200);
  EXPECT_EQ(table[entry::kMaxCalls].value, "four");
  EXPECT_EQ(editor.systemName.Text(), "GW");
  EXPECT_EQ(editor.logTraces.Text(), "t.txt");
  EXPECT_TRUE(session.state.loaded);
}

TEST_F(LoaderTest, BuildsBlockRowsFromTheDevicesSection) {
  Load("[Devices]\n0=1\n1=2,192.168.1.100\n2=5 ;stock\n3=abc, x \n");
  EXPECT_EQ(Rows(), (BlockRows{
                        {"1", "ТРЛ-М", "COM1", "", ""},
                        {"2", "ТРЛ-МЕ", "COM2", "192.168.1.100", ""},
                        {"3", "ТРЛ-М", "COM5", "", "stock"},
                        {"4", "ТРЛ-МЕ", "COM0", " x", ""},
                    }));
  EXPECT_EQ(table[entry::kDevicesBody].entries,
            (LineList{"0=1", "1=2,192.168.1.100", "2=5 ;stock", "3=abc, x "}));
}

TEST_F(LoaderTest, PairsEachBlockWithTheFirstCommentLineAfterIt) {
  struct Case {
    const char* devices;
    std::vector<std::string> comments;
  } cases[] = {
      {"0=1\n;Hall\n1=2\n;Gate\n", {"Hall", "Gate"}},
      // A block without a comment line does not shift the pairing.
      {"0=1\n1=2\n; Gate \n;0=1,192.168.1.100\n\n", {"", "Gate"}},
      // The block line's own comment counts when no comment line follows.
      {"0=1 ; own \n1=2 ;own2\n;line\n", {"own", "line"}},
      // A comment line before the first block belongs to no block.
      {";intro\n0=1\n;first\n;second\n", {"first"}},
      // The default device comment is the section's last comment line only; a block's own
      // comment may read the same.
      {"0=1\n;0=1,192.168.1.100\n", {""}},
      {";0=1,192.168.1.100\n\n", {""}},
      {"0=1\n;0=1,192.168.1.100\n;0=1,192.168.1.100\n\n", {"0=1,192.168.1.100"}},
      {"0=1\n;0=1,192.168.1.100\n1=2\n;0=1,192.168.1.100\n\n", {"0=1,192.168.1.100", ""}},
      {"0=1\n;0=1,192.168.1.100\n\n;b\n", {"0=1,192.168.1.100"}},
      {"0=1\nplain text\n;x;y\n", {"x;y"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.devices);
    Load(std::string("[Devices]\n") + c.devices + "[DeviceSettings]\n");
    BlockRows rows = Rows();
    ASSERT_EQ(rows.size(), c.comments.size());
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i][4], c.comments[i]) << i;
  }
}

TEST_F(LoaderTest, CommentLinesTakenAsBlockCommentsAreNotCarriedAsForeignLines) {
  Load("[Devices]\n;intro\n0=1\n;Hall\n;extra\n\n[Codecs]\n; list\nG711=1\n[DeviceSettings]\n");
  EXPECT_EQ(table[entry::kDevicesBody].lines, (LineList{";intro"}));
  // Of the lines after the Devices section's first block, only another section's travel on.
  EXPECT_EQ(table[entry::kDeviceSettings].lines, (LineList{"[Codecs]", "; list", "G711=1"}));
}

TEST_F(LoaderTest, CarriesForeignLinesToTheNextEntry) {
  Load("; top\n[System]\nName=A\n\n; before network\n[Network]\n[Audio]\nFoo=1\nMax Calls=3\n"
       "[Odd]\nX=1\n[Log]\nLevel=1\n[VoiceDevices:1]\n0=PVK,1,a,b\n");
  EXPECT_EQ(table[entry::kSystem].lines, (LineList{"; top"}));
  EXPECT_EQ(table[entry::kNetwork].lines, (LineList{"", "; before network"}));
  EXPECT_EQ(table[entry::kMaxCalls].lines, (LineList{"Foo=1"}));
  EXPECT_EQ(table[entry::kLog].lines, (LineList{"[Odd]", "X=1"}));
  for (int n = 1; n <= 39; ++n)  // the lines after the last schema key are dropped
    for (const std::string& line : table[n].lines) EXPECT_EQ(line.find("VoiceDevices"), std::string::npos);
  EXPECT_TRUE(table[entry::kNetwork].present);
  EXPECT_FALSE(table[entry::kH323].present);
}

TEST_F(LoaderTest, MatchesNamesWithoutCaseAndTheLaterDuplicateWins) {
  Load("[network]\nlistener port = 1\n; gone\nListener Port=2 ;second\n[ Silence Detection ] ;порог\n");
  EXPECT_EQ(editor.listenerPort.Text(), "2");
  EXPECT_EQ(table[entry::kListenerPort].comment, "second");
  EXPECT_EQ(table[entry::kListenerPort].lines, (LineList{"; gone"}));
  EXPECT_EQ(table[entry::kSilenceDetection].comment, "порог");
}

TEST_F(LoaderTest, FillsThePrefixListAndLeavesEmptyTracesEmpty) {
  Load("[Log]\nTraces= ;none\n[Prefixes]\n; list\n8=9\n7 = 77 ;x\n[PollServer]\n");
  EXPECT_EQ(editor.prefixes.Items(), (std::vector<std::string>{"8=9", "7=77"}));
  EXPECT_EQ(table[entry::kPrefixesBody].lines, (LineList{"; list"}));
  EXPECT_EQ(editor.logTraces.Text(), "");
}

TEST_F(LoaderTest, ASecondFileLeavesFieldsItLacks) {
  Load("[Network]\nListener Port=1720\nListener Interface=1.1.1.1\n");
  Load("[Network]\nListener Interface=2.2.2.2\n", "other.conf");
  EXPECT_EQ(editor.listenerPort.Text(), "1720");
  EXPECT_EQ(editor.listenerInterface.Text(), "2.2.2.2");
  EXPECT_EQ(table[entry::kListenerPort].value, "");
  EXPECT_EQ(session.state.currentPath, "other.conf");
}

TEST_F(LoaderTest, AFileThatCannotBeOpenedChangesNothing) {
  TempDir dir;
  session.state.currentPath = "before";
  table[entry::kName].SetValue("kept");
  EXPECT_FALSE(LoadConfigFile(session, dir.File("absent.conf")));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0],
            (MessageSpec{"zidezir.conf", "Не удалось открыть файл...", MessageIcon::kWarning, MessageButtons::kOk}));
  EXPECT_EQ(session.state.currentPath, "before");
  EXPECT_EQ(table[entry::kName].value, "kept");
  EXPECT_FALSE(session.state.loaded);

  dir.Write("real.conf", Utf8ToCp1251("[System]\nName=Шлюз\n"));
  EXPECT_TRUE(LoadConfigFile(session, dir.File("real.conf")));
  EXPECT_EQ(editor.systemName.Text(), "Шлюз");
  EXPECT_EQ(editor.statusPath, dir.File("real.conf"));
}

}  // namespace
}  // namespace zz::test
