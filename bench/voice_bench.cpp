// The configuration store on a large installation (64 blocks of 255 intercom units), each
// operation on real files, timed against reading and writing the same bytes with plain
// file I/O in the same run. After the usual table it prints each operation's time as a
// ratio to that baseline.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "conf_loader.h"
#include "cp1251.h"
#include "editor_model.h"
#include "file_system.h"
#include "large_installation.h"
#include "ratio_reporter.h"
#include "save_flows.h"
#include "test_support.h"
#include "voice_ini.h"

namespace {

using zz::test::Installation;
using zz::test::TempDir;

const Installation& Large() {
  static const Installation inst = zz::test::MakeInstallation();
  return inst;
}

// A program directory holding the installation, loaded and with voice.ini rebuilt.
class Program {
 public:
  Program() : voice(dir.Path(), prompts) {
    session.programDir = dir.Path();
    dir.Write("zidezir.conf", Large().conf);
    dir.Write("voice.ini", Large().voice);
    zz::LoadConfigFile(session, dir.File("zidezir.conf"));
  }

  TempDir dir;
  zz::ConfParamTable table;
  zz::EditorModel editor;
  zz::test::RecordingPrompts prompts;
  zz::ConfigSession session{table, editor, prompts, "", {}};
  zz::VoiceIni voice;
};

std::string PlainRead(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void PlainWrite(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

void BM_PlainFileIo(benchmark::State& state) {
  Program p;
  for (auto _ : state) {
    std::string bytes = PlainRead(p.dir.File("zidezir.conf"));
    PlainWrite(p.dir.File("copy.conf"), bytes);
    benchmark::DoNotOptimize(bytes.data());
  }
}

// The same bytes through the product's replace-in-one-step write, which syncs the file.
void BM_AtomicFileIo(benchmark::State& state) {
  Program p;
  for (auto _ : state) {
    std::string bytes;
    zz::ReadFileBytes(p.dir.File("zidezir.conf"), bytes);
    zz::WriteFileAtomic(p.dir.File("copy.conf"), bytes);
  }
}

void BM_LoadConfiguration(benchmark::State& state) {
  Program p;
  for (auto _ : state) zz::LoadConfigFile(p.session, p.dir.File("zidezir.conf"));
}

void BM_RebuildVoiceIni(benchmark::State& state) {
  Program p;
  for (auto _ : state) zz::RebuildVoiceFile(p.dir.File("zidezir.conf"), p.voice.Path());
}

void BM_MergeOpenedFile(benchmark::State& state) {
  Program p;
  for (auto _ : state) zz::MergeVoiceSections(p.dir.File("zidezir.conf"), p.voice.Path());
}

void BM_StoreBlockUnits(benchmark::State& state) {
  Program p;
  zz::UnitRows rows;
  for (const zz::UnitRecord& u : p.voice.ReadBlockUnits(1))
    rows.push_back({std::to_string(rows.size() + 1), u.typeName, u.address, u.name, u.host});
  for (auto _ : state) p.voice.StoreBlockUnits(1, rows);
}

void BM_RemoveBlock1(benchmark::State& state) {
  Program p;
  for (auto _ : state) {
    state.PauseTiming();
    p.dir.Write("voice.ini", Large().voice);
    state.ResumeTiming();
    p.voice.RemoveBlockSection(1);
  }
}

// The save of closing when nothing changed: the lock, the read and the composition; no write.
void BM_SaveSequence(benchmark::State& state) {
  Program p;
  for (auto _ : state) zz::SaveSequence(p.session);
}

// A save that changes one field each time, as the window saves: the content replaced kept
// as a revision with the summary of the change (50 of them kept, the older ones removed),
// then the write.
void BM_SaveWithHistory(benchmark::State& state) {
  Program p;
  int n = 0;
  for (auto _ : state) {
    p.editor.EditNetworkListenerPort().SetText(std::to_string(1720 + (++n % 2)));
    zz::SaveSequence(p.session);
  }
}

// The same change written as a save wrote it before the history: the composition and the
// one-step write.
void BM_SaveWithoutHistory(benchmark::State& state) {
  Program p;
  int n = 0;
  for (auto _ : state) {
    p.editor.EditNetworkListenerPort().SetText(std::to_string(1720 + (++n % 2)));
    zz::VoicePart voice = zz::ReadVoicePart(p.voice.Path());
    zz::WriteFileAtomic(p.dir.File("zidezir.conf"),
                        zz::Utf8ToCp1251(zz::SavedText(p.editor, p.table, voice.text, zz::CleanUp::kBeforeAppend)));
  }
}

constexpr const char* kBaseline = "BM_PlainFileIo";

BENCHMARK(BM_PlainFileIo)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AtomicFileIo)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadConfiguration)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RebuildVoiceIni)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MergeOpenedFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StoreBlockUnits)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RemoveBlock1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveSequence)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveWithHistory)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveWithoutHistory)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  return zz::bench::RunWithRatios(argc, argv, kBaseline, [] {
    return std::to_string(Large().conf.size()) + " bytes of zidezir.conf, " + std::to_string(Large().voice.size()) +
           " bytes of voice.ini; time / plain file I/O:";
  });
}
