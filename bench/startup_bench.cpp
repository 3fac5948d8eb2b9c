// Start-up of the configurator under Wine against an empty Win32 window with common controls
// 6, both measured by the Windows tree's first_window_launcher in the same prefix, one after
// the other and in alternating order. Each iteration starts both programs; the iteration's
// (manual) time is the configurator's, and the counters give both medians and their ratio,
// and both programs' fastest run.
//
//   startup_bench [--win-tree DIR] [--runs N] [benchmark options]
//
// DIR is a built Windows tree (default: the one named at configure time, ZZ_BENCH_WIN_TREE);
// an X display must be set (DISPLAY), for example an Xvfb of your own.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "cp1251.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;

// A configuration in which every field is present in the form the program writes, so that
// closing the window finds nothing to save and asks nothing; three blocks and their units.
constexpr const char* kConf =
    "; start-up benchmark\n[System]\nName=VELTO Gateway\nAdmin=admin@example.org\n"
    "[Network]\nListener Interface=0.0.0.0\nListener Port=1720\nNeed Gatekeeper=no\nGatekeeper=gk.local\n"
    "Gatekeeper ID=gw1\nGatekeeper Password=секрет\n"
    "[H323]\nDisable Fast Start=no\nDisable H245 Tunneling=no\nDisable H245 In Setup=no\n"
    "[Audio]\nMax Calls=4\nTxBuffer=200\nAudio Jitter Delay=60\nEnable Polling=yes\n"
    "[SilenceDetection]\nThreshold=50\nSignal Deadband=100\nSilence Deadband=200\n"
    "[Log]\nSysLog Level=1\nLevel=0\nTraces=C:\\Trace\\Trace.txt\nLog Audio=no\n"
    "[Devices]\n0=1\n;Проходная\n1=4,192.168.1.201\n;Склад №2\n2=2\n;Ворота\n;0=1,192.168.1.100\n\n"
    "[DeviceSettings]\nFlow Control=3\n[Prefixes]\n8=9\n[PollServer]\nBase Port=3000\n"
    "[ControlServer]\nPort=4000\nConnection Timeout=15\n\n\n";
constexpr const char* kVoice =
    "[VoiceDevices:1]\n0=PVK,5,Пост 1,192.168.1.50\n1=TRLZN,7,Ворота,192.168.1.51\n"
    "[VoiceDevices:2]\n0=MSD,9,Склад,192.168.1.60\n"
    "[VoiceDevices:3]\n0=PVK,12,Въезд,192.168.1.70\n";

constexpr const char* kProduct = "zurerizeda.exe";
constexpr const char* kEmptyWindow = "empty_window.exe";

// Wine's own processes (services, the desktop) end with the server a few seconds after the
// last program; a server that lingers this long keeps them from starting again inside a
// measurement. It ends by itself after the run.
constexpr int kServerLingerSeconds = 30;

struct Options {
  std::string winTree = ZZ_BENCH_WIN_TREE;
  int runs = 10;
};
Options options;

std::string WindowsFile(const std::string& text) {
  std::string out = zz::Utf8ToCp1251(text), crlf;
  for (char c : out) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
}

// The path as Wine's Z: drive shows it.
std::string WinePath(const fs::path& path) {
  std::string p = fs::absolute(path).u8string();
  std::replace(p.begin(), p.end(), '/', '\\');
  return "Z:" + p;
}

std::string ShellQuote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// Starts a lingering server for the prefix the tree's wine-exec runs in; a server already
// running stays as it is.
void KeepWineServer(const fs::path& wineExec) {
  std::string command = ShellQuote(wineExec.u8string()) + " --wineserver -p" + std::to_string(kServerLingerSeconds) +
                        " >/dev/null 2>&1";
  if (std::system(command.c_str()) == -1) throw std::runtime_error("cannot run " + command);
}

// A program directory as deployed: both programs beside the configuration and voice.ini.
class ProgramDir {
 public:
  ProgramDir() {
    const fs::path tree = fs::u8path(options.winTree);
    wineExec_ = tree / "wine-exec";
    launcher_ = tree / "bench" / "first_window_launcher.exe";
    for (const fs::path& needed : {wineExec_, launcher_, tree / "app" / kProduct, tree / "bench" / kEmptyWindow})
      if (!fs::exists(needed)) throw std::runtime_error("missing " + needed.u8string() + ": build the Windows tree");
    fs::copy_file(tree / "app" / kProduct, fs::u8path(dir_.File(kProduct)));
    fs::copy_file(tree / "bench" / kEmptyWindow, fs::u8path(dir_.File(kEmptyWindow)));
    dir_.Write("zidezir.conf", WindowsFile(kConf));
    dir_.Write("voice.ini", WindowsFile(kVoice));
    KeepWineServer(wineExec_);
  }

  // Milliseconds until the program's first window is shown and idle.
  double FirstWindowMs(const std::string& program) const {
    std::string command = ShellQuote(wineExec_.u8string()) + " " + ShellQuote(launcher_.u8string()) + " " +
                          ShellQuote(WinePath(fs::u8path(dir_.File(program)))) + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) throw std::runtime_error("cannot run " + command);
    std::string output;
    char buf[512];
    while (std::fgets(buf, sizeof buf, pipe)) output += buf;
    int status = pclose(pipe);
    std::string::size_type at = output.find("first-window-ms ");
    if (status != 0 || at == std::string::npos) throw std::runtime_error(program + ": " + output);
    return std::strtod(output.c_str() + at + 16, nullptr);
  }

 private:
  zz::test::TempDir dir_;
  fs::path wineExec_, launcher_;
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  std::size_t n = v.size();
  return n == 0 ? 0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}

void BM_FirstWindow(benchmark::State& state) {
  if (!std::getenv("DISPLAY")) {
    state.SkipWithError("no X display: set DISPLAY (for example to an Xvfb of your own)");
    return;
  }
  try {
    ProgramDir dir;
    // Unmeasured: the prefix's first start and the file cache.
    dir.FirstWindowMs(kProduct);
    dir.FirstWindowMs(kEmptyWindow);
    std::vector<double> product, empty;
    for (auto _ : state) {
      bool productFirst = product.size() % 2 == 0;
      double first = dir.FirstWindowMs(productFirst ? kProduct : kEmptyWindow);
      double second = dir.FirstWindowMs(productFirst ? kEmptyWindow : kProduct);
      product.push_back(productFirst ? first : second);
      empty.push_back(productFirst ? second : first);
      state.SetIterationTime(product.back() / 1000.0);
    }
    double productMedian = Median(product), emptyMedian = Median(empty);
    state.counters["product_ms"] = productMedian;
    state.counters["empty_ms"] = emptyMedian;
    state.counters["ratio"] = emptyMedian > 0 ? productMedian / emptyMedian : 0;
    // The fastest runs: the floor, where a busy machine spreads the times widely.
    state.counters["product_min_ms"] = *std::min_element(product.begin(), product.end());
    state.counters["empty_min_ms"] = *std::min_element(empty.begin(), empty.end());
  } catch (const std::exception& e) {
    state.SkipWithError(e.what());
  }
}

// Takes this runner's own options out of the arguments; the rest go to Google Benchmark.
void TakeOptions(int& argc, char** argv) {
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto value = [&](const std::string& name) -> const char* {
      if (arg.rfind(name + "=", 0) == 0) return argv[i] + name.size() + 1;
      if (arg == name && i + 1 < argc) return argv[++i];
      return nullptr;
    };
    if (const char* tree = value("--win-tree"))
      options.winTree = tree;
    else if (const char* runs = value("--runs"))
      options.runs = std::max(1, std::atoi(runs));
    else
      argv[kept++] = argv[i];
  }
  argc = kept;
}

}  // namespace

int main(int argc, char** argv) {
  TakeOptions(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RegisterBenchmark("BM_FirstWindow", BM_FirstWindow)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(options.runs);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
