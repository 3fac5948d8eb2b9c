// A JSON document given to zconf: its text as editors and shells save it, read into a
// document, and the place in it that a refusal names.
#pragma once

#include <string>
#include <string_view>

#include "json_out.h"

namespace zz::zconf {

// What is wrong at one place of a document: `path` is a JSONPath ("$.blocks[2].port").
struct DocumentError {
  std::string path;
  std::string text;
};

// The path of a member of the value at `path`: ".name", or ["name"] for a name that is no
// identifier ($.keys["Network/Listener Port"]); of an element: [index].
std::string MemberPath(const std::string& path, const std::string& name);
std::string ElementPath(const std::string& path, std::size_t index);

// The document in a file's bytes: UTF-8 with or without a byte-order mark, or UTF-16 with
// one (what Windows PowerShell 5.1 writes through > and Out-File). A member named twice in
// one object is refused as well as malformed text. Throws DocumentError.
Json ParseDocument(std::string_view bytes);

}  // namespace zz::zconf
