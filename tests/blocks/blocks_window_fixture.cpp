#include "blocks_window_fixture.h"

#include "cp1251.h"
#include "guarded_write.h"

namespace zz::test {

void BlocksWindowTest::TearDown() {
  handlers_.reset();
  MainWindowTest::TearDown();
}

void BlocksWindowTest::StartWithBlocks(const std::string& conf, const std::string& voiceLfText) {
  handlers_.reset();  // bound to the page of the window a restart replaces
  if (!conf.empty()) dir.Write("zidezir.conf", Utf8ToCp1251(conf));
  WriteVoice(voiceLfText);
  Start();
  handlers_ = std::make_unique<BlockListHandlers>(Form().PanelTrl(), Form().Session(), formInput, prompts,
                                                  Form().hwnd());
  watcher.Forget();
}

void BlocksWindowTest::SelectRow(int row) { Grid1().Select(row - 1); }

std::string BlocksWindowTest::Voice() const { return Cp1251ToUtf8(dir.Read("voice.ini")); }

void BlocksWindowTest::WriteVoice(const std::string& lfText) const {
  dir.Write("voice.ini", Utf8ToCp1251(Crlf(lfText)));
}

std::string BlocksWindowTest::SavedConf() const { return Cp1251ToUtf8(dir.Read("zidezir.conf")); }

void BlocksWindowTest::AddRevision(const std::string& other, const std::string& summary) const {
  const std::string loaded = dir.Read("zidezir.conf");
  for (const std::string& bytes : {Utf8ToCp1251(other), loaded}) {
    WriteRequest request;
    request.target = dir.File("zidezir.conf");
    request.bytes = bytes;
    request.note = {"zconf set", summary};
    ASSERT_EQ(WriteConfiguration(request).end, WriteEnd::kWritten);
  }
}

bool BlocksWindowTest::WithBlockDialog(const std::function<void()>& open,
                                       const std::function<void(const DialogSteps&)>& steps, int button) {
  const std::size_t before = watcher.Seen().size();
  watcher.Script({{button, std::nullopt, [steps](HWND dialog) { steps(DialogSteps(dialog)); }}});
  open();
  // The watcher records the dialog once its steps are done, which may be after it closed.
  return PumpUntil([&] { return watcher.Seen().size() > before; }, 5000);
}

std::string ConfWithBlocks(const std::string& devicesLf, const std::string& voiceSectionsLf) {
  std::string conf = SampleConf();
  const std::string body = "0=1\n;Hall\n1=4,192.168.1.201\n;Store\n";
  conf.replace(conf.find(body), body.size(), devicesLf);
  const std::string voice = "[VoiceDevices:1]\n0=PVK,5,Door,10.0.0.9\n";
  conf.replace(conf.find(voice), voice.size(), voiceSectionsLf);
  return conf;
}

std::string ConfWithManyUnits(int count) {
  const char* types[] = {"PVK", "MSD", "TRLZN"};
  std::string units = "[VoiceDevices:1]\n";
  for (int u = 0; u < count; ++u)
    units += std::to_string(u) + "=" + types[u % 3] + "," + std::to_string(u + 1) + ",Пост " + std::to_string(u + 1) +
             ",10.0.1." + std::to_string(u) + "\n";
  return ConfWithBlocks("0=1\n;Hall\n1=4,192.168.1.201\n;Store\n", units);
}

}  // namespace zz::test
