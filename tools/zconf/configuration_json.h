// A whole configuration as one JSON document, as export writes it and apply reads it:
//   {"version": 1,
//    "keys": {"Section/Key": "value", ...},
//    "prefixes": ["prefix=value", ...],
//    "blocks": [{"type", "port", "address" (ТРЛ-МЕ), "comment",
//                "units": [{"type", "address", "name", "host"}, ...]}, ...]}
// A desired document may leave out any part but the version: what it leaves out stays. A
// block names its type and its port (ТРЛ-М) or address (ТРЛ-МЕ), which tell which of the
// file's blocks it is; its units go with it wherever it stands in the list.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "conf_document.h"
#include "json_document.h"
#include "unit_list.h"

namespace zz::zconf {

inline constexpr int kDocumentVersion = 1;

// The document of the loaded file: what the program would write.
Json ExportConfiguration(ConfDocument& doc);

// A block of a desired document; what it leaves out stays as the file's same block has it.
struct DesiredBlock {
  std::string path;  // "$.blocks[i]"
  int typeIndex = 0;  // 0 ТРЛ-М, 1 ТРЛ-МЕ
  std::optional<int> port;
  std::optional<std::string> address, comment;
  std::optional<std::vector<UnitRecord>> units;  // all of the block's units, in order
};

struct DesiredConfiguration {
  std::vector<std::pair<const KeyField*, std::string>> keys;  // values as the fields store them
  std::optional<std::vector<std::string>> prefixes;
  std::optional<std::vector<DesiredBlock>> blocks;

  std::vector<const KeyField*> Fields() const;
};

// Every value judged by the rules that need no file: the keys' and set's, the block
// dialog's, the record dialog's. Warnings (what check would say of a value) go to `io`.
// Throws DocumentError.
DesiredConfiguration ReadDesired(const Json& document, Io& io);

// Puts the desired configuration into the loaded document: the fields, the prefix lines,
// the blocks matched by identity with the file's (block_identity.h), each block with the
// units the document names or else its own. Throws DocumentError
// for what the file's blocks make wrong (a clash, a ТРЛ-МЕ block left without its address),
// std::exception when the units cannot be written.
void PutDesired(ConfDocument& doc, const DesiredConfiguration& desired);

}  // namespace zz::zconf
