#include "conf_loader.h"

#include <sstream>

#include "conf_line.h"
#include "devices_body.h"
#include "key_fields.h"
#include "text.h"

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
    s_.editor.StringGrid1().SetRows(rows_);
    s_.editor.ListBoxPrefixes().SetItems(prefixes_);
  }

 private:
  void Header(const CONF_LINE& line) {
    commentRow_ = 0;
    int n = FindSectionEntry(table_, line);
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
    // A block's comment is the first comment line after its block line; the line comes
    // back as that comment only, so it is not carried as a foreign line too.
    if (commentRow_ > 0 && line.hasComment && SectionIs(line, kDevicesSection) &&
        Trim(line.raw) != kDefaultDeviceComment) {
      rows_[static_cast<std::size_t>(commentRow_ - 1)][4] = BlockComment(line);
      commentRow_ = 0;
      return;
    }
    pending_.push_back(line.raw);
  }

  ConfigSession& s_;
  ConfParamTable& table_;
  LineList pending_;
  BlockRows rows_ = BlockRows(1);
  std::vector<std::string> prefixes_;
  int blockCount_ = 0;
  int commentRow_ = 0;  // the block whose comment line may still follow
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
  if (!ReadFileBytes(fileName, bytes)) {
    session.prompts.Show({session.state.openDialogFileName, kOpenFailedCaption, MessageIcon::kWarning,
                          MessageButtons::kOk});
    return false;
  }
  LoadConfigBytes(session, fileName, bytes);
  return true;
}

}  // namespace zz
