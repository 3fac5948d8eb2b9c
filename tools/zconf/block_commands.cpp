// The controller blocks of a configuration file, changed as the block page changes them,
// with each block's VoiceDevices: section kept in step.
#include "block_list.h"
#include "block_texts.h"
#include "commands.h"
#include "conf_check.h"
#include "conf_document.h"
#include "devices_body.h"
#include "key_rules.h"
#include "text.h"
#include "unit_list.h"
#include "voice_ini.h"
#include "zconf_texts.h"

namespace zz::zconf {

namespace {

// The options of block-add and block-set, applied to the block dialog's data. The refusal's
// exit code when an option cannot be taken.
std::optional<int> ApplyBlockOptions(const CommandLine& line, BlockDialogData& block, Io& io) {
  if (const std::string* type = line.Option("type")) {
    std::string t(Trim(*type));
    if (t == kBlockTypeSerial || EqualsAsciiNoCase(t, "TRL-M"))
      block.typeIndex = 0;
    else if (t == kBlockTypeIp || EqualsAsciiNoCase(t, "TRL-ME"))
      block.typeIndex = 1;
    else
      return Refuse(io, BadBlockType(Shown(*type)));
  }
  if (const std::string* port = line.Option("port")) {
    std::optional<int> n = PlainNumber(Trim(*port));
    if (!n || *n < kBlockPortRange.min || *n > kBlockPortRange.max)
      return Refuse(io, BadBlockPort(Shown(*port), kBlockPortRange.min, kBlockPortRange.max));
    block.port = *n;
  }
  if (const std::string* ip = line.Option("ip")) {
    if (block.typeIndex == 0) return Refuse(io, IpOnlyForIpBlocks());
    block.ip = std::string(Trim(*ip));
  }
  if (const std::string* comment = line.Option("comment")) {
    if (!IsLineText(*comment)) return Refuse(io, BadText("--comment"));
    block.comment = std::string(Trim(*comment));
  }
  if (block.typeIndex == 1 && block.ip.empty() && !line.Option("ip")) return Refuse(io, IpRequired());
  if (block.typeIndex == 1 && !IsLineText(block.ip)) return Refuse(io, BadText("--ip"));
  return std::nullopt;
}

// The block's row written, the list checked around it and handed to the editor.
bool PutBlock(ConfDocument& doc, BlockRows rows, std::size_t index, Io& io) {
  std::vector<std::string> errors = BlockErrors(rows, index, rows.size());
  if (!errors.empty()) {
    Refuse(io, errors.front());
    return false;
  }
  doc.Editor().StringGrid1().SetRows(rows);
  return true;
}

}  // namespace

int BlocksCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  if (line.positional.size() != 1) return UsageError(io, line.command, WrongArguments("FILE"));
  ConfDocument doc(line.positional[0], io, "zconf " + line.command);
  if (!doc.Load()) return kExitUsage;
  Json json = Json::array();
  BlockRows rows = doc.Blocks();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const BlockRow& row = rows[i];
    int port = PortFromCell(row[2]);
    if (line.json)
      json.push_back({{"number", i + 1}, {"type", row[1]}, {"port", port}, {"ip", row[3]}, {"comment", row[4]}});
    else
      io.out << i + 1 << "|" << row[1] << "|" << port << "|" << row[3] << "|" << row[4] << "\n";
  }
  if (line.json) io.out << JsonText(json);
  return kExitOk;
}

int BlockAddCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {"type", "port", "ip", "comment"}, io)) return kExitUsage;
  if (line.positional.size() != 1) return UsageError(io, line.command, WrongArguments("FILE"));
  for (const char* required : {"type", "port"})
    if (!line.Option(required)) return UsageError(io, line.command, MissingOption(required));
  BlockDialogData block = NewBlockDialog();
  // The dialog proposes an address of its own; a command line names the block's address.
  block.ip.clear();
  if (std::optional<int> refused = ApplyBlockOptions(line, block, io)) return *refused;

  ConfDocument doc(line.positional[0], io, "zconf " + line.command);
  if (!doc.Load(true)) return doc.Failed();
  if (!doc.RefuseLoadErrors({})) return kExitUsage;
  BlockRows rows = doc.Editor().StringGrid1().Rows();
  const int n = AddBlock(rows, block);
  if (!PutBlock(doc, rows, static_cast<std::size_t>(n - 1), io)) return kExitUsage;
  try {
    // The new block's empty unit list, stored as the dialog stores it.
    StoreBlockUnits(doc.Voice(), n, UnitRows(1));
  } catch (const std::exception& e) {
    return Refuse(io, e.what(), kExitFailed);
  }
  return doc.Finish({}, {{"block", n}}, std::to_string(n) + "\n");
}

int BlockSetCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {"type", "port", "ip", "comment"}, io)) return kExitUsage;
  if (line.positional.size() != 2 || line.options.empty())
    return UsageError(io, line.command, WrongArguments("FILE N и хотя бы один параметр"));
  ConfDocument doc(line.positional[0], io, "zconf " + line.command);
  if (!doc.Load(true)) return doc.Failed();
  if (!doc.RefuseLoadErrors({})) return kExitUsage;
  std::optional<int> n = doc.Block(line.positional[1]);
  if (!n) return kExitUsage;
  BlockRows rows = doc.Editor().StringGrid1().Rows();
  BlockRow& row = rows[static_cast<std::size_t>(*n - 1)];
  BlockDialogData block = BlockDialogFromRow(row);
  if (std::optional<int> refused = ApplyBlockOptions(line, block, io)) return *refused;
  WriteBlockRow(row, block);
  if (!PutBlock(doc, rows, static_cast<std::size_t>(*n - 1), io)) return kExitUsage;
  try {
    // Confirming the dialog stores the block's units again, numbered afresh.
    StoreBlockUnits(doc.Voice(), *n, UnitRowsFromRecords(ReadBlockUnits(doc.Voice(), *n)));
  } catch (const std::exception& e) {
    return Refuse(io, e.what(), kExitFailed);
  }
  return doc.Finish({});
}

int BlockRemoveCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  if (line.positional.size() != 2) return UsageError(io, line.command, WrongArguments("FILE N"));
  ConfDocument doc(line.positional[0], io, "zconf " + line.command);
  if (!doc.Load(true)) return doc.Failed();
  if (!doc.RefuseLoadErrors({})) return kExitUsage;
  std::optional<int> n = doc.Block(line.positional[1]);
  if (!n) return kExitUsage;
  BlockRows rows = doc.Editor().StringGrid1().Rows();
  if (!DeleteBlock(rows, *n)) return Refuse(io, LastBlockStays());
  doc.Editor().StringGrid1().SetRows(rows);
  RemoveBlockSection(doc.Voice(), *n);
  return doc.Finish({});
}

}  // namespace zz::zconf
