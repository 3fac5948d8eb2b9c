// The window toolkit's plain rules.
#include <gtest/gtest.h>

#include "ui/dialog_rules.h"

namespace zz {
namespace {

TEST(WithDefaultExtension, AddsTheDialogsExtensionOnlyWhereTheNameHasNone) {
  EXPECT_EQ(WithDefaultExtension("C:\\Logs\\трасса", "txt"), "C:\\Logs\\трасса.txt");
  EXPECT_EQ(WithDefaultExtension("C:\\Logs\\trace.log", "txt"), "C:\\Logs\\trace.log");
  EXPECT_EQ(WithDefaultExtension("C:\\v1.2\\trace", "txt"), "C:\\v1.2\\trace.txt");
  EXPECT_EQ(WithDefaultExtension("C:\\Logs\\trace", ""), "C:\\Logs\\trace");
}

}  // namespace
}  // namespace zz
