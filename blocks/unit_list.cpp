#include "unit_list.h"

#include "block_texts.h"
#include "messages.h"
#include "text.h"

namespace zz {

int UnitTypeIndex(const std::string& typeName) {
  std::string prefix = CutChars(Trim(typeName), 3);
  for (int i = 0; i < 2; ++i)
    if (prefix == CutChars(kUnitTypeNames[static_cast<std::size_t>(i)], 3)) return i;
  return 2;
}

std::string ProposedAddress(const std::string& previous) {
  return (previous.empty() || previous == "0") ? "1" : previous;
}

UnitFields NewUnitFields(const UnitFields& previous) {
  UnitFields f = previous;
  f.name.clear();
  f.host = kNewUnitHost;
  f.address = ProposedAddress(previous.address);
  f.typeIndex = 0;
  return f;
}

UnitFields UnitFieldsFromRow(const UnitRow& row) {
  UnitFields f;
  f.typeIndex = UnitTypeIndex(row[1]);
  f.address = row[2];
  f.name = row[3];
  f.host = row[4];
  return f;
}

namespace {

// An address is a number from 1 to 255. Only digits can be typed, but a pasted text can be
// anything: a number out of range is refused like "0", a text that is no number is reported
// as a conversion error.
UnitCheckResult CheckAddress(const std::string& address, const char* refusal) {
  std::optional<int> n = StrictInt(Trim(address));
  if (!n) return {UnitCheck::kInvalidNumber, InvalidIntegerText(std::string(Trim(address)))};
  if (*n < 1 || *n > 255) return {UnitCheck::kRefused, refusal};
  return {};
}

// A name with a comma would come back from voice.ini with part of it in the host field.
bool HasComma(const std::string& name) { return name.find(',') != std::string::npos; }

}  // namespace

UnitCheckResult CheckNewUnit(const UnitFields& f) {
  if (f.address.empty() || f.host.empty()) return {UnitCheck::kRefused, kAddIncomplete};
  if (f.address == "0") return {UnitCheck::kRefused, kAddBadAddress};
  UnitCheckResult address = CheckAddress(f.address, kAddBadAddress);
  if (address.check != UnitCheck::kAccepted) return address;
  if (HasComma(f.name)) return {UnitCheck::kRefused, kAddCommaInName};
  return {};
}

UnitCheckResult CheckChangedUnit(const UnitFields& f) {
  if (f.address.empty() || f.address == "0") return {UnitCheck::kRefused, kChangeBadAddress};
  UnitCheckResult address = CheckAddress(f.address, kChangeBadAddress);
  if (address.check != UnitCheck::kAccepted) return address;
  if (f.host.empty()) return {UnitCheck::kRefused, kChangeIncomplete};
  if (HasComma(f.name)) return {UnitCheck::kRefused, kChangeCommaInName};
  return {};
}

bool IsEmptyUnitList(const UnitRows& rows) { return rows.size() == 1 && rows[0][1].empty(); }

void WriteUnitRow(UnitRow& row, const UnitFields& f) {
  row[1] = kUnitTypeNames.at(static_cast<std::size_t>(f.typeIndex));
  row[2] = f.address;
  row[3] = f.name;
  row[4] = f.host;
}

void RenumberUnits(UnitRows& rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i][0] = std::to_string(i + 1);
}

std::size_t AddUnit(UnitRows& rows, const UnitFields& f) {
  if (rows.empty() || !IsEmptyUnitList(rows)) rows.emplace_back();
  WriteUnitRow(rows.back(), f);
  RenumberUnits(rows);
  return rows.size() - 1;
}

bool DeleteUnit(UnitRows& rows, std::size_t r) {
  if (r >= rows.size() || rows[r][1].empty()) return false;
  if (rows.size() == 1) {
    rows[0] = UnitRow{};
    return true;
  }
  rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(r));
  RenumberUnits(rows);
  return true;
}

UnitRows UnitRowsFromRecords(const std::vector<UnitRecord>& records) {
  UnitRows rows;
  for (const UnitRecord& r : records) rows.push_back({"", r.typeName, r.address, r.name, r.host});
  if (rows.empty()) rows.emplace_back();
  RenumberUnits(rows);
  return rows;
}

}  // namespace zz
