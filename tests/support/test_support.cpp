#include "test_support.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zz::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
  static std::atomic<unsigned> counter{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path candidate = fs::temp_directory_path() /
                         ("zz-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    if (fs::create_directory(candidate)) {
      dir_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary directory");
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(dir_, ec);
}

std::string TempDir::Path() const { return dir_.u8string(); }

std::string TempDir::File(const std::string& name) const { return (dir_ / fs::u8path(name)).u8string(); }

void TempDir::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(dir_ / fs::u8path(name), std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + name);
}

std::string TempDir::Read(const std::string& name) const {
  std::ifstream in(dir_ / fs::u8path(name), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + name);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool TempDir::Exists(const std::string& name) const { return fs::exists(dir_ / fs::u8path(name)); }

std::string DataPath(const std::string& relative) { return std::string(ZZ_TEST_DATA_DIR) + "/" + relative; }

std::string ReadDataFile(const std::string& relative) {
  std::ifstream in(fs::u8path(DataPath(relative)), std::ios::binary);
  if (!in) throw std::runtime_error("missing test data " + relative);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

MessageAnswer RecordingPrompts::Show(const MessageSpec& message) {
  if (onShow) onShow(message);
  messages.push_back(message);
  if (answers.empty()) return MessageAnswer::kOk;
  MessageAnswer a = answers.front();
  answers.pop_front();
  return a;
}

void RecordingPrompts::ShowError(const std::string& message) { errors.push_back(message); }

namespace {
std::optional<std::string> Next(std::deque<std::optional<std::string>>& script) {
  if (script.empty()) return std::nullopt;
  std::optional<std::string> a = script.front();
  script.pop_front();
  return a;
}
}  // namespace

std::optional<std::string> RecordingPrompts::OpenFile(const FileDialogSpec& dialog) {
  dialogs.push_back(dialog);
  return Next(fileAnswers);
}

std::optional<std::string> RecordingPrompts::SaveFile(const FileDialogSpec& dialog) {
  dialogs.push_back(dialog);
  return Next(fileAnswers);
}

std::optional<std::string> RecordingPrompts::InputBox(const std::string& caption, const std::string& prompt,
                                                      const std::string& value) {
  inputs.push_back({caption, prompt, value});
  return Next(inputAnswers);
}

std::string Utf16Le(const std::string& ascii, bool bom) {
  std::string bytes = bom ? "\xFF\xFE" : "";
  for (char c : ascii) bytes += std::string{c, '\0'};
  return bytes;
}

std::string Crlf(const std::string& lfText) {
  std::string out;
  for (char c : lfText) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace zz::test
