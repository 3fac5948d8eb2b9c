// The JSON Schema of the document export writes and apply reads, for editors and for the
// checks an engine makes before it sends a document. zconf remains the judge: the schema
// tells the form and the ranges, apply also the rules that need the file.
#pragma once

#include "json_out.h"

namespace zz::zconf {

// What an export's "$schema" names: the schema's own "$id".
inline constexpr const char* kDocumentSchemaId = "urn:velto-gateway:zconf-document:1";

Json DocumentSchema();

}  // namespace zz::zconf
