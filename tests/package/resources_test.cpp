// The resources of the built programs as Windows reads them: the version resource of each
// program we ship, the manifests, and the program's icon.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "program_resources.h"
#include "zz_version.h"

namespace zz::test {
namespace {

struct Shipped {
  const char* path;
  const char* fileName;
  const char* description;
};

const Shipped kShipped[] = {
    {ZZ_PROGRAM_EXE, "zurerizeda.exe", "Настройка шлюза VELTO Gateway"},
    {ZZ_ZCONF_EXE, "zconf.exe", "Командная строка настройки шлюза VELTO Gateway"},
};

TEST(VersionResource, EveryShippedProgramCarriesTheProjectVersion) {
  for (const Shipped& program : kShipped) {
    SCOPED_TRACE(program.fileName);
    VersionResource v = ReadVersionResource(WindowsPath(program.path));
    ASSERT_TRUE(v.found);
    const unsigned expected[4] = {ZZ_VERSION_MAJOR, ZZ_VERSION_MINOR, ZZ_VERSION_PATCH, ZZ_VERSION_BUILD};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(v.fixed[i], expected[i]) << "part " << i;
    EXPECT_EQ(v.language, 0x0419u);
    EXPECT_EQ(v.codePage, 1200u);
    EXPECT_EQ(v.strings["FileVersion"], ZZ_VERSION_TEXT);
    EXPECT_EQ(v.strings["ProductVersion"], ZZ_VERSION_TEXT);
    EXPECT_EQ(v.strings["ProductName"], "Настройка шлюза VELTO Gateway");
    EXPECT_EQ(v.strings["CompanyName"], "VELTO");
    EXPECT_EQ(v.strings["LegalCopyright"], ZZ_COPYRIGHT);
    EXPECT_EQ(v.strings["FileDescription"], program.description);
    EXPECT_EQ(v.strings["OriginalFilename"], program.fileName);
  }
}

bool Has(const std::string& manifest, const char* pattern) { return std::regex_search(manifest, std::regex(pattern)); }

const char kCommonControls6[] =
    R"(name="Microsoft\.Windows\.Common-Controls"\s+version="6\.0\.0\.0")";
const char kPerMonitorDpi[] = R"(<dpiAwareness[^>]*>\s*PerMonitorV2\b)";
const char kPerMonitorDpiOlder[] = R"(<dpiAware[^>]*>\s*true/pm\s*<)";

TEST(Manifest, TheProgramAsksForElevationWithVisualStylesAndPerMonitorDpi) {
  std::string manifest = ReadManifest(WindowsPath(ZZ_PROGRAM_EXE));
  ASSERT_FALSE(manifest.empty());
  EXPECT_TRUE(Has(manifest, R"(<requestedExecutionLevel\s+level="requireAdministrator")")) << manifest;
  EXPECT_TRUE(Has(manifest, kCommonControls6)) << manifest;
  EXPECT_TRUE(Has(manifest, kPerMonitorDpi)) << manifest;
  EXPECT_TRUE(Has(manifest, kPerMonitorDpiOlder)) << manifest;
}

TEST(Manifest, ZconfRunsWithTheRightsOfItsCaller) {
  std::string manifest = ReadManifest(WindowsPath(ZZ_ZCONF_EXE));
  ASSERT_FALSE(manifest.empty());
  EXPECT_TRUE(Has(manifest, R"(<requestedExecutionLevel\s+level="asInvoker")")) << manifest;
}

TEST(Manifest, BothProgramsNameEveryWindowsTheyRunOn) {
  // Windows 8, 8.1 and 10/11: without its entry a Windows gives the program an older one's ways.
  for (const Shipped& program : kShipped) {
    SCOPED_TRACE(program.fileName);
    std::string manifest = ReadManifest(WindowsPath(program.path));
    for (const char* id : {"4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38", "1f676c76-80e1-4239-95bb-83d0f6d0da78",
                           "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}) {
      const std::string entry = std::string(R"(<supportedOS\s+Id="\{)") + id + R"(\}")";
      EXPECT_TRUE(Has(manifest, entry.c_str())) << id << manifest;
    }
  }
}

TEST(Manifest, TheWindowTestsRunUnelevatedWithTheSameControlsAndDpi) {
  std::string manifest = ReadManifest(WindowsPath(ZZ_WINDOW_TESTS_EXE));
  ASSERT_FALSE(manifest.empty());
  EXPECT_TRUE(Has(manifest, R"(<requestedExecutionLevel\s+level="asInvoker")")) << manifest;
  EXPECT_FALSE(Has(manifest, "requireAdministrator|highestAvailable")) << manifest;
  EXPECT_TRUE(Has(manifest, kCommonControls6)) << manifest;
  EXPECT_TRUE(Has(manifest, kPerMonitorDpi)) << manifest;
}

// Libraries Windows loads from System32 whatever the program's folder holds: the known DLLs of
// the session manager.
const std::set<std::string> kKnownLibraries = {
    "ADVAPI32.DLL", "CLBCATQ.DLL", "COMBASE.DLL", "COMDLG32.DLL", "COML2.DLL",   "GDI32.DLL",  "GDIPLUS.DLL",
    "IMAGEHLP.DLL", "IMM32.DLL",   "KERNEL32.DLL", "MSCTF.DLL",  "MSVCRT.DLL",  "NORMALIZ.DLL", "NSI.DLL",
    "OLE32.DLL",    "OLEAUT32.DLL", "PSAPI.DLL",   "RPCRT4.DLL", "SECHOST.DLL", "SETUPAPI.DLL", "SHCORE.DLL",
    "SHELL32.DLL",  "SHLWAPI.DLL",  "USER32.DLL",  "WLDAP32.DLL", "WS2_32.DLL"};

TEST(Imports, TheProgramsLoadNoLibraryAPlantedFileCouldStandIn) {
  for (const Shipped& program : kShipped) {
    SCOPED_TRACE(program.fileName);
    const std::wstring file = WindowsPath(program.path);
    Imports imports = ReadImports(file);
    ASSERT_FALSE(imports.libraries.empty()) << "cannot read the import table";
    EXPECT_FALSE(imports.delayed) << "delayed imports are looked up beside the program";
    for (const auto& [library, functions] : imports.libraries) {
      // The common controls 6 come from the side-by-side store the manifest names.
      const bool sideBySide = library == "COMCTL32.DLL" && Has(ReadManifest(file), kCommonControls6);
      EXPECT_TRUE(kKnownLibraries.count(library) || sideBySide) << library;
    }
    // Later loads, of the file dialogs' and the shell's libraries, search System32 only.
    EXPECT_EQ(imports.libraries["KERNEL32.DLL"].count("SetDefaultDllDirectories"), 1u);
  }
}

TEST(Icon, WindowsFindsTheProgramsIconAtEverySizeItAsksFor) {
  // Small and large icons at 100 % to 200 %, and the 256-pixel one of Explorer's large views
  // (kept as PNG, as Windows keeps it): an image of exactly that size, with alpha, a
  // transparent corner round the tile and an opaque middle.
  for (int size : {16, 20, 24, 32, 40, 48, 64, 256}) {
    SCOPED_TRACE(size);
    IconImage image = ReadIconImage(WindowsPath(ZZ_PROGRAM_EXE), size);
    EXPECT_EQ(image.width, size);
    EXPECT_EQ(image.bitCount, 32);
    EXPECT_EQ(image.png, size == 256);
    EXPECT_EQ(image.cornerAlpha, 0);
    EXPECT_EQ(image.centreAlpha, 255);
  }
}

}  // namespace
}  // namespace zz::test
