#include "conf_writer.h"
#include "devices_body.h"
#include "file_hold.h"
#include "save_flows.h"
#include "session_fixture.h"

namespace zz::test {
namespace {

class WriterTest : public SessionTest {
 protected:
  // The configuration part of a saved file: 39 entries, then the clean-up.
  std::string Saved() {
    EditorToEntries(editor, table);
    return RemoveEmptyValues(ComposeConfiguration(table));
  }
  std::string DevicesBody() {
    std::string saved = Saved();
    std::size_t from = saved.find("[Devices]\r\n") + 11;
    return saved.substr(from, saved.find("[DeviceSettings]") - from);
  }
};

TEST_F(WriterTest, WritesTheWholeFileInSchemaOrder) {
  Load("; конфигурация шлюза \r\n[System]\r\n[SilenceDetection] ;порог\r\n");
  editor.systemName.SetText("VELTO Gateway");
  editor.listenerInterface.SetText("0.0.0.0");
  editor.listenerPort.SetText("1720");
  editor.needGatekeeper.SetItemIndex(0);
  editor.disableFastStart.SetItemIndex(0);
  editor.disableH245Tunneling.SetItemIndex(0);
  editor.disableH245InSetup.SetItemIndex(0);
  editor.maxCall.SetItemIndex(0);
  editor.jitterDelay.SetText("60");
  editor.enablePolling.SetItemIndex(1);
  editor.sysLogLevel.SetItemIndex(1);
  editor.logLevel.SetItemIndex(0);
  editor.blocks.SetRows({{"1", "ТРЛ-М", "COM1", "", "Блок 1"}, {"2", "ТРЛ-МЕ", "COM2", "192.168.1.201", "Новый блок"}});
  editor.prefixes.SetItems({"8=9"});
  editor.pollServerBasePort.SetText("3000");
  editor.controlServerPort.SetText("4000");
  editor.controlServerConnectionTimeout.SetText("15");
  EXPECT_EQ(Saved(), Crlf("; конфигурация шлюза\n"
                          "[System]\n"
                          "Name=VELTO Gateway\n"
                          "[Network]\n"
                          "Listener Interface=0.0.0.0\n"
                          "Listener Port=1720\n"
                          "Need Gatekeeper=no\n"
                          "[H323]\n"
                          "Disable Fast Start=no\n"
                          "Disable H245 Tunneling=no\n"
                          "Disable H245 In Setup=no\n"
                          "[Audio]\n"
                          "Max Calls=-1\n"
                          "TxBuffer=200\n"
                          "Audio Jitter Delay=60\n"
                          "Enable Polling=yes\n"
                          "[SilenceDetection] ;порог\n"
                          "Threshold=50\n"
                          "Signal Deadband=100\n"
                          "Silence Deadband=200\n"
                          "[Log]\n"
                          "SysLog Level=1\n"
                          "Level=0\n"
                          "Log Audio=no\n"
                          "[Devices]\n"
                          "0=1\n"
                          ";Блок 1\n"
                          "1=2,192.168.1.201\n"
                          ";Новый блок\n"
                          ";0=1,192.168.1.100\n"
                          "\n"
                          "[DeviceSettings]\n"
                          "Flow Control=1\n"
                          "[Prefixes]\n"
                          "8=9\n"
                          "[PollServer]\n"
                          "Base Port=3000\n"
                          "[ControlServer]\n"
                          "Port=4000\n"
                          "Connection Timeout=15\n"));
}

TEST_F(WriterTest, WritesTheDevicesBodyFromTheGrid) {
  struct Case {
    BlockRows rows;
    const char* body;
  } cases[] = {
      {BlockRows(1), ";0=1,192.168.1.100\n\n"},
      // The placeholder row is no block, even with a comment the old loader gave it.
      {{{"", "", "", "", "0=1,192.168.1.100"}}, ";0=1,192.168.1.100\n\n"},
      {{{"1", "ТРЛ-М", "COM1", "", "a;b"}}, "0=1\n;a;b\n;0=1,192.168.1.100\n\n"},
      {{{"1", "ТРЛ-М", "COM3", "10.0.0.1", "x"}}, "0=3\n;x\n;0=1,192.168.1.100\n\n"},
      // A block without a comment keeps its one line; indices follow the rows.
      {{{"7", "ТРЛ-М", "COM12", "", ""}, {"9", "ТРЛ-МЕ", "COM", "h", "c"}},
       "0=12\n1=0,h\n;c\n;0=1,192.168.1.100\n\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body);
    editor.blocks.SetRows(c.rows);
    EXPECT_EQ(DevicesBody(), Crlf(c.body));
  }
}

TEST_F(WriterTest, KeepsCommentsAndForeignLinesAndWritesSchemaNames) {
  Load("[system] ; sys\r\n  ; lead  \r\nlisten=x\r\n[network]\r\nlistener port=5 ; the port\r\n"
       "[Devices]\r\n; before blocks\r\n0=1\r\n;Hall\r\n;stray\r\n[DeviceSettings]\r\n[Prefixes]\r\n; list head\r\n1=1 ;gone\r\n");
  std::string saved = Saved();
  EXPECT_NE(saved.find("[System] ; sys\r\n"), std::string::npos);
  EXPECT_NE(saved.find("; lead\r\nlisten=x\r\n[Network]\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("Listener Port=5 ; the port\r\n"), std::string::npos);
  EXPECT_NE(saved.find("[Devices]\r\n; before blocks\r\n0=1\r\n;Hall\r\n;0=1,192.168.1.100\r\n\r\n[DeviceSettings]"),
            std::string::npos)
      << saved;
  EXPECT_EQ(saved.find(";stray"), std::string::npos);
  EXPECT_NE(saved.find("[Prefixes]\r\n; list head\r\n1=1\r\n[PollServer]"), std::string::npos) << saved;
  EXPECT_TRUE(table[entry::kDeviceSettings].lines.empty());
}

TEST_F(WriterTest, LinesCarriedToDeviceSettingsNeverBecomeBlocks) {
  struct Case {
    const char* file;
    std::size_t blocks;
    const char* beforeSettings;  // what the save writes between the Devices body and [DeviceSettings]
  } cases[] = {
      {"[Network]\n1=4,192.168.1.201\n;c\n[DeviceSettings]\n", 0, ""},
      {"[Devices]\n0=1\n[ControlServer]\nPort=1\nx=2\n[DeviceSettings]\n", 1, ""},
      {"[Devices]\n0=1\n;a\n[Codecs]\nG711=1\n;b\n[DeviceSettings]\n", 1, "[Codecs]\nG711=1\n;b\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    Load(c.file);
    std::string first = Saved();
    std::size_t body = first.find(";0=1,192.168.1.100\r\n\r\n") + 22;
    EXPECT_EQ(first.substr(body, first.find("[DeviceSettings]") - body), Crlf(c.beforeSettings));
    LoadConfigBytes(session, "again", first);
    EXPECT_EQ(Rows().size(), std::max<std::size_t>(c.blocks, 1));
    EXPECT_EQ(IsPlaceholder(Rows()), c.blocks == 0);
    EXPECT_EQ(Saved(), first);
  }
}

TEST_F(WriterTest, ValuesOfListsBoxesAndLongTexts) {
  Load("[Audio]\nMax Calls=25\n");
  editor.systemName.SetText(std::string(130, 'n'));
  EditorToEntries(editor, table);
  EXPECT_EQ(table[entry::kMaxCalls].value, "25");       // kept: no item selected
  EXPECT_EQ(table[entry::kNeedGatekeeper].value, "yes");  // nothing selected counts as yes
  EXPECT_EQ(table[entry::kSysLogLevel].value, "-1");
  EXPECT_EQ(table[entry::kName].value, std::string(127, 'n'));
  editor.maxCall.SetItemIndex(7);
  editor.flowControlRts.SetChecked(true);
  editor.logAudio.SetChecked(true);
  editor.txBuffer.SetPosition(990);
  EditorToEntries(editor, table);
  EXPECT_EQ(table[entry::kMaxCalls].value, "7");
  EXPECT_EQ(table[entry::kFlowControl].value, "3");
  EXPECT_EQ(table[entry::kLogAudio].value, "yes");
  EXPECT_EQ(table[entry::kTxBuffer].value, "990");
}

TEST(RemoveEmptyValues, JudgesEachLineByItsOwnValue) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"A=\nAdmin=\nAdmin= ;c\n;x=\nplain\n", "A=\nAdmin= ;c\nplain\n"},
      {"[VoiceDevices:1]\n0=\n[VoiceDevices:2]\n0=PVK,1,a,b\n", "[VoiceDevices:1]\n[VoiceDevices:2]\n0=PVK,1,a,b\n"},
      {"x\r\n0=\r\n0=1\r\n\r\n", "x\n0=1\n\n"},
      {"", ""},
      // A section header stays whatever its comment holds.
      {"[A]\n[Log] ;see x=\nLevel=\n", "[A]\n[Log] ;see x=\n"},
      // A CR that is no line end stays text, as the loader reads it.
      {"a\rb=\nc=\rd\n", "a\rb=\nc=\rd\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(RemoveEmptyValues(c.in), Crlf(c.out));
  }
}

TEST_F(WriterTest, ALoadAndASaveOfASavedFileReproduceIt) {
  std::string original = ReadDataFile("golden/full/input.conf");
  LoadConfigBytes(session, "a", original);
  std::string first = Saved();
  EditorModel fresh;
  ConfParamTable table2;
  ConfigSession again{table2, fresh, prompts, "", {}};
  LoadConfigBytes(again, "b", Utf8ToCp1251(first));
  EditorToEntries(fresh, table2);
  EXPECT_EQ(RemoveEmptyValues(ComposeConfiguration(table2)), first);
}

}  // namespace
}  // namespace zz::test
