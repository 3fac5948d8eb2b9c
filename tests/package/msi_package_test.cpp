// The MSI's own texts as Windows Installer reads them on a system whose ANSI code page is not
// Cyrillic (this test runs under a Western one): the shortcut's caption, the installation
// manual's file name and the downgrade message keep their letters.
#include <gtest/gtest.h>

#include <windows.h>

#include "install_support.h"
#include "program_resources.h"
#include "win32/utf16.h"

namespace zz::test {
namespace {

TEST(MsiPackage, KeepsItsCyrillicTextsOnASystemOfAnotherLanguage) {
  ASSERT_NE(GetACP(), 1251u) << "run this test with a Western ANSI code page";
  const std::wstring msi = WindowsPath(ZZ_MSI);
  EXPECT_EQ(Narrow(PackageValue(msi, L"SELECT `Name` FROM `Shortcut`")), "Настройка шлюза VELTO Gateway");
  EXPECT_EQ(Narrow(PackageValue(msi, L"SELECT `FileName` FROM `File` WHERE `File` = 'SetupPdf'")),
            "Установка и настройка VELTO Gateway.pdf");
  EXPECT_EQ(Narrow(PackageValue(msi, L"SELECT `Description` FROM `LaunchCondition`")),
            "Уже установлена более новая версия [ProductName]. Чтобы установить эту версию, сначала удалите "
            "установленную.");
}

TEST(MsiPackage, HandsTheFolderToTheElevatedPartOfTheInstallation) {
  // Under UAC the part that installs runs elevated and takes from the part the user started only
  // the public properties named secure: the folder given or found must be among them.
  const std::wstring secure = PackageProperty(WindowsPath(ZZ_MSI), L"SecureCustomProperties") + L";";
  for (const wchar_t* property : {L"INSTALLDIR;", L"PREVIOUSINSTALLDIR;", L"WIX_UPGRADE_DETECTED;"}) {
    EXPECT_NE(secure.find(property), std::wstring::npos) << Narrow(property) << " in " << Narrow(secure);
  }
}

}  // namespace
}  // namespace zz::test
