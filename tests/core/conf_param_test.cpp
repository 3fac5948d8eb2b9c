#include <gtest/gtest.h>

#include <map>
#include <set>

#include "conf_param.h"
#include "key_fields.h"
#include "key_filters.h"

namespace zz {
namespace {

TEST(ConfParam, CutsTextsAtTheirCapacities) {
  CONF_PARAM e(std::string(40, 's'), std::string(70, 'k'));
  EXPECT_EQ(e.section.size(), 31u);
  EXPECT_EQ(e.key.size(), 63u);
  e.SetValue(std::string(200, 'v'));
  EXPECT_EQ(e.value, std::string(127, 'v'));
  e.SetComment(std::string(100, 'c'));
  EXPECT_EQ(e.comment, std::string(79, 'c'));
  std::string cyrillic;
  for (int i = 0; i < 130; ++i) cyrillic += "ж";
  e.SetValue(cyrillic);
  EXPECT_EQ(e.value.size(), 127u * 2);  // characters, not bytes, are counted
}

TEST(ConfParam, StoreAttachAndReset) {
  CONF_PARAM e("Audio", "Max Calls");
  e.AttachLines({"; one", "; two"});
  e.AttachLines({"; three"});
  EXPECT_EQ(e.lines, (LineList{"; three"}));

  e.SetComment("old");
  LineList pending{"Foo=1"};
  e.Store("3", "", pending);
  EXPECT_EQ(e.value, "3");
  EXPECT_EQ(e.comment, "");
  EXPECT_EQ(e.lines, (LineList{"Foo=1"}));
  EXPECT_TRUE(pending.empty());
  EXPECT_TRUE(e.present);

  e.AddEntry("0=1");
  e.Reset();
  EXPECT_TRUE(e.lines.empty());
  EXPECT_TRUE(e.entries.empty());
  EXPECT_EQ(e.value, "");
  EXPECT_FALSE(e.present);
  EXPECT_EQ(e.section, "Audio");
  EXPECT_EQ(e.key, "Max Calls");
}

TEST(ConfParamTable, HoldsTheSchemaAndEveryKeyHasOneField) {
  ConfParamTable table;
  for (int n = 1; n <= 39; ++n) {
    table[n].SetValue("v");
    table[n].lines = {"x"};
    table[n].present = true;
  }
  ResetConfParams(table);
  std::set<int> keyEntries;
  for (int n = 1; n <= 39; ++n) {
    EXPECT_TRUE(table[n].lines.empty() && table[n].value.empty() && !table[n].present) << n;
    if (!table[n].IsSection()) keyEntries.insert(n);
  }
  std::set<int> fieldEntries;
  // Each settings page reads its fields in one order: their places run 1, 2, ... without a gap.
  std::map<PageId, std::set<int>> places;
  for (const KeyField& f : KeyFields()) {
    fieldEntries.insert(f.entry);
    EXPECT_TRUE(places[f.page].insert(f.place).second) << f.control;
    EXPECT_TRUE(f.label && *f.label) << f.control;
  }
  EXPECT_EQ(keyEntries, fieldEntries);
  EXPECT_EQ(keyEntries.size(), 26u);
  for (const auto& [page, taken] : places) {
    EXPECT_EQ(*taken.begin(), 1) << PageCaption(page);
    EXPECT_EQ(*taken.rbegin(), static_cast<int>(taken.size())) << PageCaption(page);
  }

  EXPECT_EQ(table[entry::kDevices].section, "Devices");
  EXPECT_EQ(table[entry::kDevicesBody].section, "Devices");
  EXPECT_EQ(table[entry::kPrefixes].section, "Prefixes");
  EXPECT_EQ(table[entry::kPrefixesBody].section, "Prefixes");
  EXPECT_TRUE(table[entry::kDevicesBody].IsSection() && table[entry::kPrefixesBody].IsSection());
  EXPECT_EQ(table[entry::kListenerPort].key, "Listener Port");
  EXPECT_EQ(table[39].key, "Connection Timeout");
  EXPECT_THROW(table[40], std::out_of_range);
  EXPECT_THROW(table[0], std::out_of_range);
}

TEST(KeyFilters, AdmitDigitsBackspaceAndForTheInterfaceTheFullStop) {
  struct Case {
    unsigned ch;
    bool digits, iface;
  };
  const Case cases[] = {
      {'0', true, true},   {'5', true, true},    {'9', true, true},    {8, true, true},
      {'.', false, true},  {':', false, false},  {'a', false, false},  {'-', false, false},
      {' ', false, false}, {13, false, false},   {27, false, false},   {22, false, false},
      {3, false, false},   {24, false, false},   {'/', false, false},  {0x0660, false, false},  // Arabic-Indic zero
      {0x0430, false, false}, {127, false, false}, {0xFF10, false, false},                     // fullwidth zero
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeyPasses(KeyFilter::kDigits, c.ch), c.digits) << c.ch;
    EXPECT_EQ(KeyPasses(KeyFilter::kInterface, c.ch), c.iface) << c.ch;
  }
}

}  // namespace
}  // namespace zz
