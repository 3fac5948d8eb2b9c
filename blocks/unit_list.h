// The rules of the block dialog's unit list (StringGrid2) and of the record dialog.
#pragma once

#include <string>

#include "page_fields.h"
#include "voice_ini.h"

namespace zz {

// UnitRows (voice_ini.h): columns 0 number, 1 type name, 2 ВЛТ address, 3 name, 4 host.
// The list always has at least one row; a list without units is one empty row.

// The record dialog's address up-down.
inline constexpr UpDownRange kUnitAddressRange = {1, 255, 1, 1};

// The record dialog's fields.
struct UnitFields {
  int typeIndex = 0;
  std::string address = "1";
  std::string name;
  std::string host;
};

inline bool operator==(const UnitFields& a, const UnitFields& b) {
  return a.typeIndex == b.typeIndex && a.address == b.address && a.name == b.name && a.host == b.host;
}

// 0 for a name beginning with "ПВК", 1 for "МСД", 2 for anything else.
int UnitTypeIndex(const std::string& typeName);

// The address the record dialog proposes for a new unit: "1" after an empty or "0" address,
// otherwise the one left from its previous use.
std::string ProposedAddress(const std::string& previous);

// The record dialog prepared for adding, keeping what the previous use left in it.
UnitFields NewUnitFields(const UnitFields& previous);

// The record dialog prepared from a row.
UnitFields UnitFieldsFromRow(const UnitRow& row);

enum class UnitCheck {
  kAccepted,
  kRefused,        // `message` says why, in a plain message box
  kInvalidNumber,  // the address is not a number; `message` is the conversion error
};

struct UnitCheckResult {
  UnitCheck check = UnitCheck::kAccepted;
  std::string message;
};

// The checks of adding and of changing, in their orders.
UnitCheckResult CheckNewUnit(const UnitFields& fields);
UnitCheckResult CheckChangedUnit(const UnitFields& fields);

// Adds a unit: the empty list's row, or a new last row. Returns its index (0-based).
std::size_t AddUnit(UnitRows& rows, const UnitFields& fields);

// Overwrites columns 1 to 4 of a row.
void WriteUnitRow(UnitRow& row, const UnitFields& fields);

void RenumberUnits(UnitRows& rows);

// Deletes the unit at index r; the only unit leaves one empty, unnumbered row. Rows whose
// type cell is empty are not units: nothing happens. Returns whether a unit was deleted.
bool DeleteUnit(UnitRows& rows, std::size_t r);

// True when the list holds no unit (one row with an empty type cell).
bool IsEmptyUnitList(const UnitRows& rows);

// The unit grid filled with a block's records in their order and numbered; one empty row,
// numbered "1", when there are none.
UnitRows UnitRowsFromRecords(const std::vector<UnitRecord>& records);

}  // namespace zz
