// zconf apply on the largest installation (64 blocks of 255 intercom units) against zconf set
// of one key, each run on real files and writing them (every run changes a key back and
// forth), except the run of a document the file already matches. After the usual table it
// prints each time as a ratio to set's.
#include <benchmark/benchmark.h>

#include <sstream>

#include "large_installation.h"
#include "ratio_reporter.h"
#include "test_support.h"
#include "zconf.h"

namespace {

using zz::test::TempDir;

const zz::test::Installation& Large() {
  static const zz::test::Installation inst = zz::test::MakeInstallation();
  return inst;
}

int Zconf(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  return zz::RunZconf(args, out, err);
}

// A program directory with the installation's zidezir.conf and, beside it, the documents.
class Gateway {
 public:
  Gateway() {
    dir.Write("zidezir.conf", Large().conf);
    std::ostringstream out, err;
    zz::RunZconf({"export", conf}, out, err);
    whole = out.str();
  }

  // The whole document with Log/Level set to `level`, and every unit's name ending in `mark`.
  std::string Whole(int level, const std::string& mark = "") const {
    std::string doc = whole;
    const std::string key = "\"Log/Level\": \"0\"";
    doc.replace(doc.find(key), key.size(), "\"Log/Level\": \"" + std::to_string(level) + "\"");
    if (mark.empty()) return doc;
    const std::string name = "\"name\": \"";
    for (std::size_t at = doc.find(name); at != std::string::npos; at = doc.find(name, at + 1))
      doc.insert(doc.find('"', at + name.size()), mark);
    return doc;
  }

  TempDir dir;
  const std::string conf = dir.File("zidezir.conf");
  std::string whole;
};

// Runs the command with each document in turn, so that every run has something to write
// (one document alone: nothing to write after the first run).
void RunAlternating(benchmark::State& state, Gateway& g, const std::vector<std::string>& documents) {
  for (std::size_t i = 0; i < documents.size(); ++i) g.dir.Write("d" + std::to_string(i) + ".json", documents[i]);
  std::size_t i = 0;
  for (auto _ : state) {
    if (Zconf({"apply", g.conf, g.dir.File("d" + std::to_string(i) + ".json")}) != 0) state.SkipWithError("apply");
    i = (i + 1) % documents.size();
  }
}

void BM_SetOneKey(benchmark::State& state) {
  Gateway g;
  int level = 0;
  for (auto _ : state)
    if (Zconf({"set", g.conf, "Log/Level=" + std::to_string(level = 1 - level)}) != 0) state.SkipWithError("set");
}

void BM_ApplyOneKeyDocument(benchmark::State& state) {
  Gateway g;
  RunAlternating(state, g,
                 {R"({"version": 1, "keys": {"Log/Level": "1"}})", R"({"version": 1, "keys": {"Log/Level": "0"}})"});
}

void BM_ApplyWholeDocumentUnchanged(benchmark::State& state) {
  Gateway g;
  RunAlternating(state, g, {g.Whole(0)});
}

void BM_ApplyWholeDocumentOneKey(benchmark::State& state) {
  Gateway g;
  RunAlternating(state, g, {g.Whole(1), g.Whole(0)});
}

void BM_ApplyWholeDocumentEveryUnit(benchmark::State& state) {
  Gateway g;
  RunAlternating(state, g, {g.Whole(0, "a"), g.Whole(0, "b")});
}

constexpr const char* kBaseline = "BM_SetOneKey";

BENCHMARK(BM_SetOneKey)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ApplyOneKeyDocument)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ApplyWholeDocumentUnchanged)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ApplyWholeDocumentOneKey)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ApplyWholeDocumentEveryUnit)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  return zz::bench::RunWithRatios(argc, argv, kBaseline, [] {
    return std::to_string(Large().conf.size()) + " bytes of zidezir.conf; time / zconf set of one key:";
  });
}
