#include "history.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "file_system.h"
#include "messages.h"
#include "text.h"

namespace zz {

namespace fs = std::filesystem;

namespace {

// A revision is a folder named by its sequence number, so that a clock put back (or the
// end of summer time) cannot reorder the history. It holds the configuration under its own
// name, voice.ini, and the note (UTF-8, "Key=value" lines).
constexpr const char* kNoteFile = "revision.txt";
constexpr std::size_t kNumberDigits = 6;

fs::path PathOf(const std::string& utf8) { return fs::u8path(utf8); }
std::string Utf8(const fs::path& path) { return path.u8string(); }

std::string FileNameOf(const std::string& confPath) { return Utf8(PathOf(confPath).filename()); }

std::optional<long> SequenceOf(const fs::path& folder) {
  std::string name = Utf8(folder.filename());
  if (name.size() != kNumberDigits || !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return std::stol(name);
}

std::string NumberName(long n) {
  std::string digits = std::to_string(n);
  return std::string(kNumberDigits > digits.size() ? kNumberDigits - digits.size() : 0, '0') + digits;
}

// The folders of every revision in History\, oldest first.
std::vector<std::pair<long, fs::path>> RevisionFolders(const fs::path& history) {
  std::vector<std::pair<long, fs::path>> folders;
  std::error_code ec;
  for (fs::directory_iterator it(history, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_directory(ec)) continue;
    if (std::optional<long> n = SequenceOf(it->path())) folders.emplace_back(*n, it->path());
  }
  std::sort(folders.begin(), folders.end());
  return folders;
}

bool WriteWhole(const fs::path& path, std::string_view bytes) { return WriteFileAtomic(Utf8(path), bytes); }

std::string NoteText(const std::string& file, const RevisionNote& note) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  char date[16], time[16];
  std::strftime(date, sizeof date, "%d.%m.%Y", &local);
  std::strftime(time, sizeof time, "%H:%M:%S", &local);
  // Line breaks would end the value early.
  auto line = [](const std::string& key, std::string value) {
    std::replace(value.begin(), value.end(), '\r', ' ');
    std::replace(value.begin(), value.end(), '\n', ' ');
    return key + "=" + value + "\r\n";
  };
  return line("File", file) + line("Date", date) + line("Time", time) + line("User", UserName()) +
         line("Computer", ComputerName()) + line("Program", note.program) + line("Summary", note.summary);
}

void ReadNote(const fs::path& folder, Revision& revision) {
  std::string text;
  if (!ReadFileBytes(Utf8(folder / kNoteFile), text)) return;
  for (const std::string& line : SplitLines(text)) {
    std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    if (key == "File") revision.file = value;
    if (key == "Date") revision.date = value;
    if (key == "Time") revision.time = value;
    if (key == "User") revision.user = value;
    if (key == "Computer") revision.computer = value;
    if (key == "Program") revision.program = value;
    if (key == "Summary") revision.summary = value;
  }
}

}  // namespace

std::string HistoryDir(const std::string& confPath) {
  return Utf8(PathOf(confPath).parent_path() / kHistoryFolder);
}

bool StoreRevision(const std::string& confPath, std::string_view confBytes, const RevisionNote& note) {
  const fs::path history = PathOf(HistoryDir(confPath));
  std::error_code ec;
  fs::create_directories(history, ec);
  const std::vector<std::pair<long, fs::path>> folders = RevisionFolders(history);
  long next = folders.empty() ? 1 : folders.back().first + 1;
  // The revision is made whole under a name no listing takes, then given its number.
  const fs::path draft = history / ("~" + NumberName(next));
  fs::remove_all(draft, ec);
  const std::string file = FileNameOf(confPath);
  std::string voice;
  const bool hasVoice = ReadFileBytes(Utf8(PathOf(confPath).parent_path() / kVoiceFileName), voice);
  bool ok = fs::create_directory(draft, ec) && WriteWhole(draft / PathOf(file), confBytes) &&
            (!hasVoice || WriteWhole(draft / kVoiceFileName, voice)) &&
            WriteWhole(draft / kNoteFile, NoteText(file, note));
  // Another writer may have taken the number meanwhile: the next free one is taken.
  for (int attempt = 0; ok && attempt < 100; ++attempt, ++next) {
    fs::rename(draft, history / NumberName(next), ec);
    if (!ec) return true;
  }
  fs::remove_all(draft, ec);
  return false;
}

std::vector<Revision> ListRevisions(const std::string& confPath) {
  const std::string file = FileNameOf(confPath);
  std::vector<Revision> revisions;
  const std::vector<std::pair<long, fs::path>> folders = RevisionFolders(PathOf(HistoryDir(confPath)));
  for (auto it = folders.rbegin(); it != folders.rend(); ++it) {
    Revision revision;
    revision.folder = Utf8(it->second);
    ReadNote(it->second, revision);
    if (!EqualsAsciiNoCase(revision.file, file)) continue;
    revision.number = static_cast<int>(revisions.size()) + 1;
    revisions.push_back(std::move(revision));
  }
  return revisions;
}

std::optional<Revision> FindRevision(const std::string& confPath, int number) {
  std::vector<Revision> revisions = ListRevisions(confPath);
  if (number < 1 || number > static_cast<int>(revisions.size())) return std::nullopt;
  return revisions[static_cast<std::size_t>(number - 1)];
}

bool ReadRevision(const Revision& revision, std::string& confBytes, std::string& voiceBytes) {
  const fs::path folder = PathOf(revision.folder);
  if (!ReadFileBytes(Utf8(folder / PathOf(revision.file)), confBytes)) return false;
  if (!ReadFileBytes(Utf8(folder / kVoiceFileName), voiceBytes)) voiceBytes.clear();
  return true;
}

void PruneRevisions(const std::string& confPath, int keep) {
  std::vector<Revision> revisions = ListRevisions(confPath);
  std::error_code ec;
  for (std::size_t i = static_cast<std::size_t>(std::max(keep, 0)); i < revisions.size(); ++i)
    fs::remove_all(PathOf(revisions[i].folder), ec);
}

Replacement ReplaceKeepingHistory(const std::string& confPath, const std::optional<std::string>& current,
                                  std::string_view bytes, const RevisionNote& note) {
  Replacement result;
  result.historyKept = !current || StoreRevision(confPath, *current, note);
  result.written = WriteFileAtomic(confPath, bytes);
  if (result.written) PruneRevisions(confPath);
  return result;
}

}  // namespace zz
