#include "history.h"

#include <algorithm>
#include <ctime>
#include <random>

#include "messages.h"
#include "text.h"
#include "voice_ini.h"

namespace zz {

namespace {

// A version's folder holds the configuration under its own name, voice.ini, and the note
// (UTF-8, "Key=value" lines). Its name is a sequence number of 6 to 9 digits.
constexpr const char* kNoteFile = "revision.txt";
constexpr const char* kStoreLock = "history.lock";
// Present in the folder of a version the gateway has run with for its guard time; it holds
// when that was first seen.
constexpr const char* kGoodFile = "good.txt";
constexpr std::size_t kMinDigits = 6, kMaxDigits = 9;
constexpr char kDraftMark = '~';

std::string BaseName(const std::string& path) {
  std::string::size_type cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ParentOf(const std::string& path) {
  std::string::size_type cut = path.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

std::optional<long> SequenceOf(const std::string& name) {
  if (name.size() < kMinDigits || name.size() > kMaxDigits ||
      !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return std::stol(name);
}

std::string NumberName(long n) {
  std::string digits = std::to_string(n);
  return std::string(kMinDigits > digits.size() ? kMinDigits - digits.size() : 0, '0') + digits;
}

struct Folder {
  long sequence = 0;
  std::string path;
};

// The store's own folders, newest first, and the names it did not make. Drafts are neither.
std::vector<Folder> OwnFolders(const std::string& dir, std::vector<std::string>* foreign = nullptr) {
  std::vector<Folder> folders;
  for (const FolderEntry& e : ListFolder(dir)) {
    const bool plain = e.kind == EntryKind::kFolder || e.kind == EntryKind::kFile;
    if (plain && !e.name.empty() && e.name[0] == kDraftMark) continue;
    if (e.name == kStoreLock && e.kind == EntryKind::kFile) continue;
    std::optional<long> n = e.kind == EntryKind::kFolder ? SequenceOf(e.name) : std::nullopt;
    if (n)
      folders.push_back({*n, JoinPath(dir, e.name)});
    else if (foreign)
      foreign->push_back(e.name);
  }
  std::sort(folders.begin(), folders.end(), [](const Folder& a, const Folder& b) { return a.sequence > b.sequence; });
  return folders;
}

std::string LocalText(std::time_t when, const char* format) {
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &when);
#else
  localtime_r(&when, &local);
#endif
  char text[32];
  std::strftime(text, sizeof text, format, &local);
  return text;
}

std::string NoteText(const std::string& file, const RevisionNote& note, std::time_t made) {
  // Line breaks would end the value early.
  auto line = [](const std::string& key, std::string value) {
    std::replace(value.begin(), value.end(), '\r', ' ');
    std::replace(value.begin(), value.end(), '\n', ' ');
    return key + "=" + value + "\r\n";
  };
  return line("File", file) + line("Date", LocalText(made, "%d.%m.%Y")) + line("Time", LocalText(made, "%H:%M:%S")) +
         line("User", UserName()) + line("Computer", ComputerName()) + line("Program", note.program) +
         line("Summary", note.summary);
}

// Control characters of a note are shown, not sent to a terminal.
std::string Shown(const std::string& value) {
  std::string shown;
  for (unsigned char c : value) {
    if (c < 0x20 || c == 0x7F) {
      constexpr const char* hex = "0123456789ABCDEF";
      shown += "\\x";
      shown += hex[c >> 4];
      shown += hex[c & 15];
    } else {
      shown += static_cast<char>(c);
    }
  }
  return shown;
}

// Reads the note; false when it is missing, a link or names no file.
bool ReadNote(const std::string& folder, Revision& revision) {
  std::string text;
  if (TryReadFile(JoinPath(folder, kNoteFile), text, kNoteLimit, false) != ReadFault::kNone) return false;
  for (const std::string& line : SplitLines(text)) {
    std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq), value = Shown(line.substr(eq + 1));
    if (key == "File") revision.file = value;
    if (key == "Date") revision.date = value;
    if (key == "Time") revision.time = value;
    if (key == "User") revision.user = value;
    if (key == "Computer") revision.computer = value;
    if (key == "Program") revision.program = value;
    if (key == "Summary") revision.summary = value;
  }
  return !revision.file.empty();
}

// A folder whose note or configuration is gone (a crash in 1.0.0, a hand's deletion) is
// the file's when its configuration is there, and everyone's when nothing tells whose.
enum class Owner { kFile, kOther, kUnknown };

Owner OwnerOf(const std::string& folder, const std::string& file, Revision& revision) {
  revision.folder = folder;
  const bool noted = ReadNote(folder, revision);
  if (noted && !EqualsAsciiNoCase(revision.file, file)) return Owner::kOther;
  if (!noted) revision.file = file;
  revision.damaged = !noted || KindOf(JoinPath(folder, revision.file)) != EntryKind::kFile;
  if (noted || !revision.damaged) return Owner::kFile;
  for (const FolderEntry& e : ListFolder(folder))
    if (e.name != kNoteFile && e.name != kGoodFile && !EqualsAsciiNoCase(e.name, kVoiceFileName))
      return Owner::kOther;
  return Owner::kUnknown;
}

// The file's versions, newest first, the one the file holds now among them.
std::vector<Revision> Versions(const std::string& confPath, std::vector<std::string>* foreign = nullptr) {
  std::vector<Revision> versions;
  const std::string dir = HistoryDir(confPath), file = BaseName(confPath);
  if (KindOf(dir) != EntryKind::kFolder) {
    if (foreign && KindOf(dir) != EntryKind::kAbsent) foreign->push_back(kHistoryFolder);
    return versions;
  }
  for (const Folder& folder : OwnFolders(dir, foreign)) {
    Revision revision;
    if (OwnerOf(folder.path, file, revision) == Owner::kOther) continue;
    revision.knownGood = KindOf(JoinPath(folder.path, kGoodFile)) == EntryKind::kFile;
    if (revision.damaged && revision.summary != text::history::kDamaged)
      revision.summary = text::history::kDamaged + (revision.summary.empty() ? "" : " (" + revision.summary + ")");
    versions.push_back(std::move(revision));
  }
  return versions;
}

bool ReadVersion(const Revision& revision, std::string& conf) {
  return !revision.damaged && TryReadFile(JoinPath(revision.folder, revision.file), conf, SIZE_MAX, false) ==
                                  ReadFault::kNone;
}

}  // namespace

std::string HistoryDir(const std::string& confPath) { return JoinPath(ParentOf(confPath), kHistoryFolder); }

History ReadHistory(const std::string& confPath) {
  History history;
  std::vector<Revision> versions = Versions(confPath, &history.foreign);
  // The newest version is the file's present content, not a revision to go back to.
  std::string now, newest;
  if (!versions.empty() && ReadFileBytes(confPath, now) && ReadVersion(versions.front(), newest) && now == newest) {
    history.current = versions.front();
    versions.erase(versions.begin());
  }
  for (Revision& revision : versions) {
    revision.number = static_cast<int>(history.revisions.size()) + 1;
    history.revisions.push_back(std::move(revision));
  }
  return history;
}

std::vector<Revision> ListRevisions(const std::string& confPath) { return ReadHistory(confPath).revisions; }

std::optional<Revision> FindRevision(const std::string& confPath, int number) {
  std::vector<Revision> revisions = ListRevisions(confPath);
  if (number < 1 || number > static_cast<int>(revisions.size())) return std::nullopt;
  return revisions[static_cast<std::size_t>(number - 1)];
}

bool ReadRevision(const Revision& revision, std::string& confBytes, std::string& voiceBytes) {
  if (!ReadVersion(revision, confBytes)) return false;
  if (TryReadFile(JoinPath(revision.folder, kVoiceFileName), voiceBytes, SIZE_MAX, false) != ReadFault::kNone)
    voiceBytes.clear();
  return true;
}

std::optional<Revision> LastKnownGood(const History& history) {
  if (history.current && history.current->knownGood) return history.current;
  for (const Revision& revision : history.revisions)
    if (revision.knownGood && !revision.damaged) return revision;
  return std::nullopt;
}

bool MarkKnownGood(const std::string& confPath, const std::string& ranWith, const RevisionNote& note) {
  HistoryTransaction store(confPath, kFileLockWait);
  if (!store.Open()) return false;
  if (store.MarkGood(ranWith)) return true;
  std::string now;
  if (!ReadFileBytes(confPath, now) || now != ranWith || !store.Stage(now, note) || !store.Commit()) return false;
  return store.MarkGood(ranWith);
}

HistoryTransaction::HistoryTransaction(const std::string& confPath, std::chrono::milliseconds wait)
    : confPath_(confPath), dir_(HistoryDir(confPath)) {
  if (KindOf(dir_) == EntryKind::kAbsent) MakeFolder(dir_);
  if (KindOf(dir_) != EntryKind::kFolder) return;
  lock_.emplace(JoinPath(dir_, kStoreLock), wait);
  if (lock_->state() != FileLock::State::kHeld) return;
  // Under the store's lock no draft belongs to a live writer: these are left by one stopped.
  for (const FolderEntry& e : ListFolder(dir_))
    if (!e.name.empty() && e.name[0] == kDraftMark && e.kind != EntryKind::kLink) RemoveTree(JoinPath(dir_, e.name));
  open_ = true;
}

HistoryTransaction::~HistoryTransaction() {
  for (const std::string& draft : drafts_) RemoveTree(draft);
}

std::optional<std::string> HistoryTransaction::Newest() const {
  std::vector<Revision> versions = Versions(confPath_);
  std::string conf;
  if (versions.empty() || !ReadVersion(versions.front(), conf)) return std::nullopt;
  return conf;
}

bool HistoryTransaction::Stage(std::string_view conf, const RevisionNote& note,
                               const std::optional<std::string>& voice, std::optional<std::int64_t> made) {
  if (!open_) return false;
  std::random_device random;
  std::string draft;
  for (int attempt = 0; attempt < 100 && draft.empty(); ++attempt) {
    std::string name = std::string(1, kDraftMark) + std::to_string(random()) + std::to_string(random());
    if (MakeFolder(JoinPath(dir_, name))) draft = JoinPath(dir_, name);
  }
  if (draft.empty()) return false;
  drafts_.push_back(draft);
  const std::string file = BaseName(confPath_);
  return WriteNewFile(JoinPath(draft, file), conf) &&
         WriteNewFile(JoinPath(draft, kVoiceFileName), voice ? *voice : VoiceFileOf(conf)) &&
         WriteNewFile(JoinPath(draft, kNoteFile),
                      NoteText(file, note, made ? static_cast<std::time_t>(*made) : std::time(nullptr)));
}

bool HistoryTransaction::MarkGood(const std::string& conf) {
  if (!open_) return false;
  std::string bytes;
  for (const Revision& version : Versions(confPath_)) {
    if (!ReadVersion(version, bytes) || bytes != conf) continue;
    const std::string marker = JoinPath(version.folder, kGoodFile);
    return version.knownGood || WriteNewFile(marker, LocalText(std::time(nullptr), "%d.%m.%Y %H:%M:%S"));
  }
  return false;
}

bool HistoryTransaction::Commit() {
  if (!open_) return false;
  std::vector<Folder> own = OwnFolders(dir_);
  long next = own.empty() ? 1 : own.front().sequence + 1;
  bool ok = true;
  for (const std::string& draft : drafts_) {
    bool moved = false;
    // A writer of an older release, which takes no store lock, may take a number meanwhile.
    for (int attempt = 0; attempt < 100 && !moved; ++attempt, ++next)
      moved = MoveToFreeName(draft, JoinPath(dir_, NumberName(next)));
    if (!moved) RemoveTree(draft);
    ok = ok && moved;
  }
  drafts_.clear();
  // The versions beyond the kept ones go: first out of the listing (a draft's name), then
  // from the disk, so that a stop halfway leaves nothing that looks like a version.
  std::vector<Revision> versions = Versions(confPath_);
  for (std::size_t i = kKeptRevisions + 1; i < versions.size(); ++i) {
    const std::string doomed = JoinPath(dir_, std::string(1, kDraftMark) + BaseName(versions[i].folder));
    if (MoveToFreeName(versions[i].folder, doomed)) RemoveTree(doomed);
  }
  return ok;
}

}  // namespace zz
