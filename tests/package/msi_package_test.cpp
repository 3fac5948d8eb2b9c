// The MSI's own texts as Windows Installer reads them on a system whose ANSI code page is not
// Cyrillic (this test runs under a Western one): the product's name, the shortcut's caption and
// description, the installation manual's file name, the refusals and the dialogs keep their
// letters; and what the package tells Windows Installer beyond its texts.
#include <gtest/gtest.h>

#include <windows.h>
#include <msidefs.h>

#include <string>

#include "install_support.h"
#include "program_resources.h"
#include "win32/utf16.h"
#include "zz_version.h"

namespace zz::test {
namespace {

std::wstring FromCodePage(const std::string& bytes, UINT codePage) {
  std::wstring text(bytes.size(), L'\0');
  text.resize(MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                                  static_cast<int>(text.size())));
  return text;
}

TEST(MsiPackage, KeepsItsCyrillicTextsOnASystemOfAnotherLanguage) {
  ASSERT_NE(GetACP(), 1251u) << "run this test with a Western ANSI code page";
  const std::wstring msi = WindowsPath(ZZ_MSI);
  EXPECT_EQ(Narrow(PackageProperty(msi, L"ProductName")), "Настройка шлюза VELTO Gateway");
  // Explorer's subject of the file: Windows-1251 text in a summary that says so.
  EXPECT_EQ(PackageSummary(msi, PID_CODEPAGE).number, 1251);
  EXPECT_EQ(FromCodePage(PackageSummary(msi, PID_SUBJECT).bytes, 1251),
            L"Настройка шлюза VELTO Gateway " ZZ_VERSION_TEXT);
  EXPECT_EQ(Narrow(PackageValue(msi, L"SELECT `Name` FROM `Shortcut`")), "Настройка шлюза VELTO Gateway");
  EXPECT_EQ(Narrow(PackageValue(msi, L"SELECT `Description` FROM `Shortcut`")),
            "Параметры шлюза VELTO Gateway, блоки ТРЛ с переговорными устройствами и служба шлюза");
  EXPECT_EQ(Narrow(PackageValue(msi, L"SELECT `FileName` FROM `File` WHERE `File` = 'SetupPdf'")),
            "Установка и настройка VELTO Gateway.pdf");
  EXPECT_EQ(Narrow(PackageValue(msi, L"SELECT `Description` FROM `LaunchCondition` WHERE `Condition` = "
                                     L"'NOT WIX_DOWNGRADE_DETECTED'")),
            "Уже установлена более новая версия программы «[ProductName]». Чтобы установить эту версию, сначала "
            "удалите установленную.");
  EXPECT_EQ(Narrow(PackageValue(msi, L"SELECT `Text` FROM `Control` WHERE `Dialog_` = 'WelcomeDlg' AND "
                                     L"`Control` = 'Title'")),
            "{\\ZzBig}Вас приветствует мастер установки программы «[ProductName]»");
}

TEST(MsiPackage, KeepsTheUpgradeCodeOfTheInstalledCopies) {
  // Every package so far carries this code: with another one a new version would install beside
  // the copies already installed instead of replacing them.
  EXPECT_EQ(PackageProperty(WindowsPath(ZZ_MSI), L"UpgradeCode"), L"{5B0C9E8A-3F61-4D27-A6C4-81E2D07F4A39}");
  EXPECT_EQ(PackageSummary(WindowsPath(ZZ_MSI), PID_TEMPLATE).bytes, "x64;1049");
}

TEST(MsiPackage, GivesBothProgramsTheVersionOfTheirFiles) {
  // So that Windows Installer's versioning rules decide whether an installed file is replaced.
  const std::wstring msi = WindowsPath(ZZ_MSI);
  for (const auto& [id, exe] : {std::pair{L"ProgramExe", ZZ_PROGRAM_EXE}, std::pair{L"ZconfExe", ZZ_ZCONF_EXE}}) {
    SCOPED_TRACE(exe);
    VersionResource resource = ReadVersionResource(WindowsPath(exe));
    ASSERT_TRUE(resource.found);
    std::wstring version;
    for (unsigned part : resource.fixed) version += (version.empty() ? L"" : L".") + std::to_wstring(part);
    const std::wstring row = L" FROM `File` WHERE `File` = '" + std::wstring(id) + L"'";
    EXPECT_EQ(PackageValue(msi, L"SELECT `Version`" + row), version);
    EXPECT_EQ(PackageValue(msi, L"SELECT `Language`" + row), std::to_wstring(resource.language));
  }
}

TEST(MsiPackage, HandsTheFolderAndThePathChoiceToTheElevatedPartOfTheInstallation) {
  // Under UAC the part that installs runs elevated and takes from the part the user started only
  // the public properties named secure: the folder given or found, and the PATH choice given,
  // remembered or made in the dialogs, must be among them (Wine runs both parts as one).
  const std::wstring secure = PackageProperty(WindowsPath(ZZ_MSI), L"SecureCustomProperties") + L";";
  for (const wchar_t* property : {L"INSTALLDIR;", L"PREVIOUSINSTALLDIR;", L"WIX_UPGRADE_DETECTED;", L"ADD_TO_PATH;",
                                  L"ZZ_PATH_CHOSEN;"}) {
    EXPECT_NE(secure.find(property), std::wstring::npos) << Narrow(property) << " in " << Narrow(secure);
  }
}

TEST(MsiPackage, GivesTheFolderTheRightsOfProgramFiles) {
  // Whatever folder is chosen (a drive root's would let users change what is made under it):
  // administrators and the system change it, users read and run it; nothing inherited, all of it
  // inherited by the files and folders in it, History\ included.
  const std::wstring msi = WindowsPath(ZZ_MSI);
  const std::wstring row = L" FROM `MsiLockPermissionsEx` WHERE `LockObject` = 'INSTALLDIR'";
  EXPECT_EQ(PackageValue(msi, L"SELECT `Table`" + row), L"CreateFolder");
  EXPECT_EQ(PackageValue(msi, L"SELECT `SDDLText`" + row), L"D:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)");
  EXPECT_EQ(PackageValue(msi, L"SELECT `Condition`" + row), L"");
  EXPECT_EQ(PackageValue(msi, L"SELECT `Component_` FROM `CreateFolder` WHERE `Directory_` = 'INSTALLDIR'"),
            L"Program");
  // Windows Installer before 5.0 would ignore the table.
  EXPECT_EQ(PackageSummary(msi, PID_PAGECOUNT).number, 500);
}

}  // namespace
}  // namespace zz::test
