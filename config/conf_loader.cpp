#include "conf_loader.h"

#include <sstream>

#include "conf_line.h"
#include "devices_body.h"
#include "file_form.h"
#include "key_fields.h"
#include "text.h"
#include "voice_ini.h"

namespace zz {

namespace {

constexpr const char* kDevicesSection = "Devices";
constexpr const char* kPrefixesSection = "Prefixes";

// The header entry of a section name, 0 when the schema does not name it.
int FindSectionEntry(const ConfParamTable& table, const CONF_LINE& line) {
  for (int n = 1; n <= ConfParamTable::size(); ++n) {
    if (n == entry::kDevicesBody || n == entry::kPrefixesBody) continue;
    if (table[n].IsSection() && SectionIs(line, table[n].section)) return n;
  }
  return 0;
}

const KeyField* FindKeyField(const ConfParamTable& table, const CONF_LINE& line) {
  for (const KeyField& field : KeyFields()) {
    const CONF_PARAM& e = table[field.entry];
    if (SectionIs(line, e.section) && KeyIs(line, e.key)) return &field;
  }
  return nullptr;
}

// The comment of a line, trimmed and without the 79-character cut: block comments have no
// length limit, and they read the same from the block line and from a comment line.
std::string BlockComment(const CONF_LINE& line) {
  std::string_view s = Trim(line.raw);
  return std::string(Trim(s.substr(s.find(';') + 1)));
}

class Loader {
 public:
  explicit Loader(ConfigSession& session) : s_(session), table_(session.table) {}

  void Run(std::string_view bytes) {
    ResetConfParams(table_);
    s_.editor.EditLogTraces().SetText("");
    std::istringstream in{std::string(bytes)};
    CONF_LINE line;
    while (ReadLine(line, in)) {
      if (line.isSection)
        Header(line);
      else if (line.isKey)
        Key(line);
      else
        Other(line);
    }
    KeepTrailingSections();
    s_.editor.StringGrid1().SetRows(rows_);
    s_.editor.ListBoxPrefixes().SetItems(prefixes_);
  }

 private:
  void Header(const CONF_LINE& line) {
    if (devicesOpen_) EndDevices();
    int n = FindSectionEntry(table_, line);
    devicesOpen_ = n == entry::kDevices;
    if (n == 0) {
      pending_.push_back(line.raw);
      return;
    }
    table_[n].AttachLines(pending_);
    pending_.clear();
    if (line.hasComment) table_[n].SetComment(line.comment);
    table_[n].present = true;
  }

  void Key(const CONF_LINE& line) {
    if (SectionIs(line, kDevicesSection)) return Block(line);
    if (SectionIs(line, kPrefixesSection)) return Prefix(line);
    const KeyField* field = FindKeyField(table_, line);
    if (!field) {
      pending_.push_back(line.raw);
      return;
    }
    table_[field->entry].Store(line.value, line.hasComment ? line.comment : std::string(), pending_);
    try {
      LoadField(s_.editor, *field, line.value);
    } catch (const InvalidIntegerError& e) {
      // The field keeps what it held and the rest of the file is still read.
      s_.prompts.ShowError(e.what());
    }
  }

  void ListLine(int body, const CONF_LINE& line) {
    CONF_PARAM& e = table_[body];
    if (!pending_.empty() && e.entries.empty()) {
      e.AttachLines(pending_);
      pending_.clear();
    }
    e.AddEntry(line.raw);
  }

  void Block(const CONF_LINE& line) {
    SettleDeferred();
    ListLine(entry::kDevicesBody, line);
    if (blockCount_ != 0) rows_.emplace_back();
    ++blockCount_;
    rows_.back() = BlockRowFromLine(blockCount_, line.value, line.hasComment ? BlockComment(line) : "");
    commentRow_ = blockCount_;
  }

  void Prefix(const CONF_LINE& line) {
    ListLine(entry::kPrefixesBody, line);
    prefixes_.push_back(line.key + "=" + line.value);
  }

  void Other(const CONF_LINE& line) {
    // Lines outside the Devices section, and those in front of its first block line (for the
    // Devices body), wait for the next entry. After the first block line the writer rebuilds
    // the section's lines from the grid, so only the block comments are read there.
    if (!SectionIs(line, kDevicesSection) || blockCount_ == 0) {
      pending_.push_back(line.raw);
      return;
    }
    if (!line.hasComment) return;
    SettleDeferred();
    if (commentRow_ == 0) return;
    if (Trim(line.raw) == kDefaultDeviceComment) {
      deferred_ = true;  // what follows tells whether it is the block's comment
      return;
    }
    SetBlockComment(BlockComment(line));
  }

  // A block's comment is the first comment line after its block line.
  void SetBlockComment(const std::string& comment) {
    rows_[static_cast<std::size_t>(commentRow_ - 1)][4] = comment;
    commentRow_ = 0;
  }

  // The default device comment's text right after a block line is that block's comment when
  // the section goes on with a block or a comment line; as the section's last comment line it
  // is the default device comment that the writer adds after the last block.
  void SettleDeferred() {
    if (!deferred_) return;
    deferred_ = false;
    SetBlockComment(std::string(std::string_view(kDefaultDeviceComment).substr(1)));  // without its ';'
  }

  // Foreign sections after the last schema entry are kept, as those in front of an entry
  // are: from their header on, each with its lines. The VoiceDevices: sections there are
  // what a save appended from voice.ini; voice.ini is made from them and the next save
  // appends them again.
  void KeepTrailingSections() {
    bool keep = false;
    for (const std::string& raw : pending_) {
      if (IsSectionHeader(raw)) keep = HeaderName(raw).substr(0, kVoiceSectionPrefix.size()) != kVoiceSectionPrefix;
      if (keep) table_.trailing.push_back(raw);
    }
    // Blank lines at its end would be written in front of the appended sections, and read
    // back, at every save.
    while (!table_.trailing.empty() && Trim(table_.trailing.back()).empty()) table_.trailing.pop_back();
  }

  // The Devices section ends: its lines that no block line followed are dropped as well.
  void EndDevices() {
    deferred_ = false;
    commentRow_ = 0;
    pending_.clear();
  }

  ConfigSession& s_;
  ConfParamTable& table_;
  LineList pending_;
  BlockRows rows_ = BlockRows(1);
  std::vector<std::string> prefixes_;
  int blockCount_ = 0;
  int commentRow_ = 0;  // the block whose comment line may still follow
  bool deferred_ = false;  // a default device comment line waits for what follows it
  bool devicesOpen_ = false;  // the current section is the schema's Devices section
};

}  // namespace

void LoadConfigBytes(ConfigSession& session, const std::string& fileName, std::string_view bytes) {
  session.state.currentPath = fileName;
  Loader(session).Run(bytes);
  session.editor.ShowConfigPath(session.state.currentPath);
  session.state.modified = false;
  session.state.loaded = true;
}

bool LoadConfigFile(ConfigSession& session, const std::string& fileName) {
  std::string bytes;
  FileProblem problem = ReadAs(fileName, FileRole::kConfiguration, bytes);
  if (IsFormProblem(problem)) {
    // Loading would show defaults where the file's settings are, and the next save would
    // write them over the file.
    session.prompts.Show({FileProblemText(problem, fileName), kWarningCaption, MessageIcon::kWarning,
                          MessageButtons::kOk});
    return false;
  }
  if (problem != FileProblem::kNone) {
    session.prompts.Show({session.state.openDialogFileName, kOpenFailedCaption, MessageIcon::kWarning,
                          MessageButtons::kOk});
    return false;
  }
  LoadConfigBytes(session, fileName, bytes);
  return true;
}

}  // namespace zz
