// The MSI in a fresh Wine prefix, as an administrator deploys it with Windows Installer's own
// msiexec: installed silently into a folder of their choosing, started from the Start menu,
// upgraded in place by a later build, keeping the PATH choice, refused as a downgrade and on
// too old a Windows, and removed, leaving the gateway's and the user's files as they were; and
// the same through the installer's own dialogs, driven with the keyboard.
#include <gtest/gtest.h>

#include <windows.h>
#include <msi.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "install_support.h"
#include "program_resources.h"
#include "real_input.h"
#include "win32/utf16.h"
#include "zz_version.h"

namespace zz::test {
namespace {

// The product is named as its Start-menu shortcut and its main window are.
const std::wstring kCaption = L"Настройка шлюза VELTO Gateway";
const std::wstring kShortcutDescription =
    L"Параметры шлюза VELTO Gateway, блоки ТРЛ с переговорными устройствами и служба шлюза";
const std::wstring kSetupManual = L"Doc\\Установка и настройка VELTO Gateway.pdf";
const char kDowngradeMessage[] =
    "Уже установлена более новая версия программы «Настройка шлюза VELTO Gateway». Чтобы установить эту версию, "
    "сначала удалите установленную.";
const char kOldWindowsMessage[] =
    "Программе «Настройка шлюза VELTO Gateway» нужна 64-разрядная Windows 8, Windows Server 2012 или более новая "
    "версия Windows.";
constexpr long kInstallFailure = 1603;

struct Package {
  std::wstring msi, version, productCode;
};

Package Load(const std::string& msi, const std::string& version) {
  std::wstring path = WindowsPath(msi);
  return {path, Widen(version), PackageProperty(path, L"ProductCode")};
}

std::wstring Quoted(const std::wstring& s) { return L"\"" + s + L"\""; }

std::wstring WithoutTrailingSlash(std::wstring path) {
  if (!path.empty() && path.back() == L'\\') path.pop_back();
  return path;
}

std::string Bytes(const std::string& hostPath) {
  std::optional<std::string> bytes = ReadBytes(WindowsPath(hostPath));
  if (!bytes) throw std::runtime_error("missing " + hostPath);
  return *bytes;
}

using Files = std::map<std::wstring, std::string>;

// What the package installs, as the build made it.
Files ProgramFiles(const std::string& program, const std::string& zconf) {
  return {{L"zurerizeda.exe", Bytes(program)},
          {L"zconf.exe", Bytes(zconf)},
          {L"Doc\\Help.pdf", Bytes(std::string(ZZ_DOC_DIR) + "/Help.pdf")},
          {kSetupManual, Bytes(std::string(ZZ_DOC_DIR) + "/" + Narrow(kSetupManual.substr(4)))}};
}

Files Join(Files a, const Files& b) {
  a.insert(b.begin(), b.end());
  return a;
}

std::wstring Names(const Files& files) {
  std::wstring names;
  for (const auto& [name, bytes] : files) names += name + L"; ";
  return names;
}

// How often the folder stands on the system PATH, as the installer writes it (with its
// trailing separator) or without.
long OnSystemPath(const fs::path& folder) {
  const std::vector<std::wstring> folders = SystemPathFolders();
  return std::count_if(folders.begin(), folders.end(), [&](const std::wstring& entry) {
    return entry == folder.wstring() || entry == folder.wstring() + L"\\";
  });
}

// The Windows version Wine gives the programs started from now on, for as long as it lives.
class WindowsVersion {
 public:
  explicit WindowsVersion(const wchar_t* version) { Set(version); }
  ~WindowsVersion() { Set(L"win10"); }

 private:
  static void Set(const wchar_t* version) {
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine", L"Version", REG_SZ, version,
                    static_cast<DWORD>((wcslen(version) + 1) * sizeof(wchar_t)));
  }
};

class InstallerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  static void TearDownTestSuite() { CoUninitialize(); }

  void SetUp() override {
    ASSERT_FALSE(current_.productCode.empty()) << "cannot read " << Narrow(current_.msi);
    ASSERT_FALSE(earlier_.productCode.empty()) << "cannot read " << Narrow(earlier_.msi);
    ASSERT_FALSE(upgradeCode_.empty());
    // One product line: the same upgrade code, a product code of its own per version.
    ASSERT_EQ(PackageProperty(earlier_.msi, L"UpgradeCode"), upgradeCode_);
    ASSERT_NE(earlier_.productCode, current_.productCode);
    ASSERT_TRUE(RelatedProducts(upgradeCode_).empty()) << "the prefix is not fresh";
  }

  const std::vector<std::wstring> pathBefore_ = SystemPathFolders();

  // Whatever a failed test left installed goes, so that the next one starts clean.
  void TearDown() override {
    for (const std::wstring& product : RelatedProducts(upgradeCode_)) RunToEnd(L"msiexec.exe /x " + product + L" /qn");
  }

  static long Install(const Package& package, const std::wstring& options) {
    return RunToEnd(L"msiexec.exe /i " + Quoted(package.msi) + L" " + options);
  }

  // The product registered once, its files and nothing else in the folder beside the
  // expected user files, its shortcut, and its folder once on the system PATH when asked.
  void ExpectInstalled(const Package& package, const fs::path& folder, const Files& files, bool onPath = true) const {
    Files found = FilesUnder(folder);
    EXPECT_EQ(Names(found), Names(files));
    for (const auto& [name, bytes] : files) EXPECT_TRUE(found[name] == bytes) << Narrow(name) << " differs";

    EXPECT_EQ(RelatedProducts(upgradeCode_), std::vector<std::wstring>{package.productCode});
    EXPECT_EQ(UninstallEntries(kCaption), std::vector<std::wstring>{package.productCode});
    const std::wstring& code = package.productCode;
    EXPECT_EQ(ProductInfo(code, INSTALLPROPERTY_VERSIONSTRING), package.version);
    EXPECT_EQ(ProductInfo(code, INSTALLPROPERTY_INSTALLEDPRODUCTNAME), kCaption);
    EXPECT_EQ(ProductInfo(code, INSTALLPROPERTY_PUBLISHER), L"VELTO");
    EXPECT_EQ(ProductInfo(code, INSTALLPROPERTY_INSTALLLOCATION), folder.wstring() + L"\\");
    // The installed programs list.
    EXPECT_EQ(MachineString(UninstallKey(code), L"DisplayName"), kCaption);
    EXPECT_EQ(MachineString(UninstallKey(code), L"DisplayVersion"), package.version);
    EXPECT_EQ(MachineString(UninstallKey(code), L"Publisher"), L"VELTO");
    EXPECT_TRUE(ReadBytes(ProductInfo(code, INSTALLPROPERTY_PRODUCTICON)) == Bytes(ZZ_PROGRAM_ICON))
        << "the icon of the installed programs list";

    std::vector<fs::path> shortcuts = ProgramsShortcuts(kCaption);
    ASSERT_EQ(shortcuts.size(), 1u);
    ShortcutTarget target = ReadShortcut(shortcuts[0]);
    EXPECT_EQ(target.path, (folder / L"zurerizeda.exe").wstring());
    EXPECT_EQ(WithoutTrailingSlash(target.workingDirectory), folder.wstring());
    EXPECT_EQ(target.description, kShortcutDescription);
    EXPECT_EQ(OnSystemPath(folder), onPath ? 1 : 0);
  }

  void ExpectNothingInstalled() const {
    EXPECT_TRUE(RelatedProducts(upgradeCode_).empty());
    EXPECT_FALSE(MachineKeyExists(UninstallKey(current_.productCode)));
    EXPECT_TRUE(UninstallEntries(kCaption).empty());
    EXPECT_FALSE(MachineKeyExists(L"Software\\VELTO"));
    EXPECT_TRUE(ProgramsShortcuts(kCaption).empty());
    EXPECT_EQ(SystemPathFolders(), pathBefore_);
  }

  Package current_ = Load(ZZ_MSI, ZZ_VERSION_TEXT);
  Package earlier_ = Load(ZZ_EARLIER_MSI, ZZ_EARLIER_VERSION);
  std::wstring upgradeCode_ = PackageProperty(current_.msi, L"UpgradeCode");
};

void WriteFile(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
  ASSERT_TRUE(out.good()) << Narrow(file.wstring());
}

// Opens the program from its Start-menu shortcut, finds its window and closes it: the program
// runs from its folder and works on the files there.
void RunFromStartMenu(const fs::path& folder) {
  // The installed zconf writes the configuration as the program saves it, so that closing the
  // program finds nothing to save and asks nothing.
  const fs::path sample = fs::temp_directory_path() / L"zz-sample.conf";
  WriteFile(sample, "[System]\r\nName=Gate\r\n[Devices]\r\n0=1\r\n;Hall\r\n");
  WriteFile(folder / L"voice.ini", "[VoiceDevices:1]\r\n0=PVK,5,Door,10.0.0.9\r\n");
  ASSERT_EQ(RunToEnd(Quoted((folder / L"zconf.exe").wstring()) + L" save " + Quoted(sample.wstring()) + L" " +
                     Quoted((folder / L"zidezir.conf").wstring()) + L" " + Quoted((folder / L"voice.ini").wstring())),
            0);
  WriteFile(folder / L"voice.ini", "[VoiceDevices:1]\r\n0=MSD,9,Stale,10.0.0.1\r\n");

  std::vector<fs::path> shortcuts = ProgramsShortcuts(kCaption);
  ASSERT_EQ(shortcuts.size(), 1u);
  std::wstring link = shortcuts[0].wstring();
  SHELLEXECUTEINFOW open{};
  open.cbSize = sizeof open;
  open.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  open.lpVerb = L"open";
  open.lpFile = link.c_str();
  open.nShow = SW_SHOWNORMAL;
  ASSERT_TRUE(ShellExecuteExW(&open)) << GetLastError();
  Handle launched(open.hProcess);

  HWND window = WaitForWindow(0, L"", kCaption, 30000);
  ASSERT_TRUE(window) << "no window captioned " << Narrow(kCaption);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  EXPECT_EQ(ProcessImage(process), (folder / L"zurerizeda.exe").wstring());
  Sleep(500);
  EXPECT_EQ(MessagesOf(process), "") << "the program showed a message at start";

  Handle running(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
  ASSERT_TRUE(running);
  PostMessageW(window, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(running.get(), 20000), WAIT_OBJECT_0)
      << "the program did not end on WM_CLOSE; it shows: " << MessagesOf(process);

  // It rebuilt voice.ini from the zidezir.conf beside it and kept its placement there.
  std::string voice = ReadBytes(folder / L"voice.ini").value_or("");
  EXPECT_NE(voice.find("0=PVK,5,Door,10.0.0.9"), std::string::npos) << voice;
  EXPECT_EQ(voice.find("Stale"), std::string::npos) << voice;
  EXPECT_NE(ReadBytes(folder / L"Zurerizeda.ini").value_or("").find("[MainForm]"), std::string::npos);
}

// An installation refused, with the basic interface: the refusal is a message box of msiexec's.
void ExpectRefused(const Package& package, const char* message) {
  Started msiexec = Start(L"msiexec.exe /i " + Quoted(package.msi) + L" /qb");
  HWND box = WaitForWindow(msiexec.id, L"#32770", L"", 60000);
  ASSERT_TRUE(box) << "no message from msiexec";
  EXPECT_EQ(MessagesOf(msiexec.id), "[" + std::string(message) + "] ");
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  EXPECT_EQ(WaitForExit(msiexec.process.get(), 60000), kInstallFailure);
}

Files CurrentFiles() { return ProgramFiles(ZZ_PROGRAM_EXE, ZZ_ZCONF_EXE); }

TEST_F(InstallerTest, InstallRunUpgradeRefuseDowngradeAndUninstall) {
  // An earlier build in a folder of the administrator's choosing, with a Cyrillic name, kept off
  // the system PATH.
  const fs::path folder = L"C:\\Программы\\Шлюз VELTO";
  ASSERT_EQ(Install(earlier_, L"/qn ADD_TO_PATH=0 INSTALLDIR=" + Quoted(folder.wstring())), 0);
  const Files earlierFiles = ProgramFiles(ZZ_EARLIER_PROGRAM_EXE, ZZ_EARLIER_ZCONF_EXE);
  ASSERT_NO_FATAL_FAILURE(ExpectInstalled(earlier_, folder, earlierFiles, false));

  ASSERT_NO_FATAL_FAILURE(RunFromStartMenu(folder));
  // A change through the installed zconf keeps the content it replaces under History\.
  ASSERT_EQ(RunToEnd(Quoted((folder / L"zconf.exe").wstring()) + L" set " +
                     Quoted((folder / L"zidezir.conf").wstring()) + L" \"System/Name=Gate 2\""),
            0);
  Files userFiles = FilesUnder(folder);
  for (const auto& [name, bytes] : earlierFiles) userFiles.erase(name);
  EXPECT_EQ(userFiles.count(L"History\\000001\\zidezir.conf"), 1u) << Narrow(Names(userFiles));
  EXPECT_EQ(userFiles.count(L"Zurerizeda.ini"), 1u);

  // This build, with no folder and no PATH choice given, replaces that one where it is, as it was
  // chosen: one entry in the installed programs list, its own executables, the user's files and
  // History\ byte for byte, still off the PATH.
  ASSERT_EQ(Install(current_, L"/qn"), 0);
  const Files upgraded = Join(CurrentFiles(), userFiles);
  ASSERT_NO_FATAL_FAILURE(ExpectInstalled(current_, folder, upgraded, false));
  for (const wchar_t* exe : {L"zurerizeda.exe", L"zconf.exe"}) {
    EXPECT_EQ(ReadVersionResource((folder / exe).wstring()).strings["FileVersion"], ZZ_VERSION_TEXT) << Narrow(exe);
  }
  EXPECT_FALSE(fs::exists(fs::path(KnownFolderPath(FOLDERID_ProgramFiles)) / L"VELTO Gateway"));

  ASSERT_NO_FATAL_FAILURE(ExpectRefused(earlier_, kDowngradeMessage));
  ASSERT_NO_FATAL_FAILURE(ExpectInstalled(current_, folder, upgraded, false));

  // The uninstall takes what it installed and leaves the gateway's and the user's files.
  ASSERT_EQ(RunToEnd(L"msiexec.exe /x " + Quoted(current_.msi) + L" /qn"), 0);
  ExpectNothingInstalled();
  Files left = FilesUnder(folder);
  EXPECT_EQ(Names(left), Names(userFiles));
  for (const auto& [name, bytes] : userFiles) EXPECT_TRUE(left[name] == bytes) << Narrow(name) << " changed";
}

TEST_F(InstallerTest, DefaultFolderIsUnderProgramFilesAndLeavesNothingBehind) {
  const fs::path folder = fs::path(KnownFolderPath(FOLDERID_ProgramFiles)) / L"VELTO Gateway";
  // A deployment that keeps the system PATH as it is.
  ASSERT_EQ(Install(current_, L"/qn ADD_TO_PATH=0"), 0);
  ASSERT_NO_FATAL_FAILURE(ExpectInstalled(current_, folder, CurrentFiles(), false));
  ASSERT_EQ(RunToEnd(L"msiexec.exe /x " + Quoted(current_.msi) + L" /qn"), 0);
  ExpectNothingInstalled();
  EXPECT_FALSE(fs::exists(folder));
}

TEST_F(InstallerTest, RefusedOnAWindowsOlderThanTheProgramNeeds) {
  {
    WindowsVersion windows7(L"win7");
    ASSERT_NO_FATAL_FAILURE(ExpectRefused(current_, kOldWindowsMessage));
  }
  ExpectNothingInstalled();
}

// The installer's dialogs as an administrator meets them: each one found by its caption and one
// of its texts, brought to the front and answered with keys.
class Wizard {
 public:
  explicit Wizard(const Package& package) : msiexec_(Start(L"msiexec.exe /i " + Quoted(package.msi))) {}
  ~Wizard() { WaitForExit(msiexec_.process.get(), 1000); }

  // A dialog captioned with what the wizard does.
  HWND Expect(const std::wstring& text, const std::wstring& doing = L"установка") {
    HWND dialog = WaitForWindowWith(msiexec_.id, kCaption + L" — " + doing, text, 60000);
    if (dialog) {
      BringToFront(dialog);
      Sleep(300);
    }
    return dialog;
  }
  long Finish() { return WaitForExit(msiexec_.process.get(), 120000); }

 private:
  Started msiexec_;
};

// Keys go where the focus is: the control that has it, waited for.
::testing::AssertionResult HasFocus(HWND dialog, const std::wstring& text) {
  const std::wstring focused = FocusedText(dialog, text);
  if (focused == text) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the focus is on \"" << Narrow(focused) << "\", not on \"" << Narrow(text)
                                       << "\"";
}

::testing::AssertionResult Shows(HWND dialog, const std::wstring& text) {
  std::vector<std::wstring> texts = ChildTexts(dialog);
  if (std::find(texts.begin(), texts.end(), text) != texts.end()) return ::testing::AssertionSuccess();
  std::wstring shown;
  for (const std::wstring& t : texts) shown += L"[" + t + L"] ";
  return ::testing::AssertionFailure() << "the dialog shows " << Narrow(shown);
}

const std::wstring kProduct = L"«" + kCaption + L"»";

// The package run again on the installed product: its action chosen with Tab from the first
// one, confirmed, and the last dialog saying what was done.
void Maintain(const Package& package, const std::wstring& action, const std::wstring& doing,
              const std::wstring& ready, const std::wstring& done) {
  Wizard wizard(package);
  const std::wstring choosing = L"восстановление или удаление";
  ASSERT_TRUE(wizard.Expect(L"Программа " + kProduct + L" уже установлена", choosing));
  PressKey(VK_RETURN);
  HWND dialog = wizard.Expect(L"Что сделать с программой", choosing);
  ASSERT_TRUE(dialog);
  for (int tabs = 0; tabs < 3 && FocusedText(dialog, action, 1000) != action; ++tabs) PressKey(VK_TAB);
  ASSERT_TRUE(HasFocus(dialog, action));
  PressKey(VK_RETURN);
  ASSERT_TRUE(wizard.Expect(ready, doing));
  PressKey(VK_RETURN);
  ASSERT_TRUE(wizard.Expect(done, doing));
  PressKey(VK_RETURN);
  EXPECT_EQ(wizard.Finish(), 0);
}

TEST_F(InstallerTest, DialogsInstallIntoAChosenFolderRepairAndRemove) {
  const fs::path folder = L"C:\\Шлюз VELTO";
  {
    Wizard wizard(current_);
    ASSERT_TRUE(wizard.Expect(L"Вас приветствует мастер установки программы " + kProduct));
    PressKey(VK_RETURN);
    HWND dialog = wizard.Expect(L"Папка установки");
    ASSERT_TRUE(dialog);
    // The folder field has the keys, with the folder of a first installation; «Обзор…» opens the
    // folder dialog on it, and the folder typed there is taken with OK.
    const std::wstring firstFolder = KnownFolderPath(FOLDERID_ProgramFiles) + L"\\VELTO Gateway\\";
    ASSERT_TRUE(HasFocus(dialog, firstFolder));
    PressKey(VK_TAB);
    ASSERT_TRUE(HasFocus(dialog, L"&Обзор…"));
    PressKey(VK_RETURN);
    HWND browse = wizard.Expect(L"Выбор папки");
    ASSERT_TRUE(browse);
    ASSERT_TRUE(HasFocus(browse, firstFolder));
    PressKey(VK_END);
    PressKey(VK_HOME, false, true);
    TypeText(folder.wstring());
    PressKey(VK_TAB);
    ASSERT_TRUE(HasFocus(browse, L"OK"));
    PressKey(VK_RETURN);
    ASSERT_TRUE(wizard.Expect(L"Папка установки"));
    PressKey(VK_TAB);
    ASSERT_TRUE(HasFocus(dialog, L"&Добавить папку в системную переменную PATH"));
    PressKey(VK_RETURN);
    dialog = wizard.Expect(L"Всё готово к установке");
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(Shows(dialog, folder.wstring() + L"\\"));
    ASSERT_TRUE(HasFocus(dialog, L"&Установить"));
    PressKey(VK_RETURN);
    dialog = wizard.Expect(L"Программа " + kProduct + L" установлена в папку:");
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(Shows(dialog, folder.wstring() + L"\\"));
    PressKey(VK_RETURN);
    EXPECT_EQ(wizard.Finish(), 0);
  }
  ASSERT_NO_FATAL_FAILURE(ExpectInstalled(current_, folder, CurrentFiles()));

  // Run again, the package offers repair and removal. A repair brings back a lost file.
  fs::remove(folder / L"zconf.exe");
  ASSERT_NO_FATAL_FAILURE(Maintain(current_, L"&Исправить", L"восстановление", L"Всё готово к восстановлению",
                                   L"Программа " + kProduct + L" восстановлена."));
  ASSERT_NO_FATAL_FAILURE(ExpectInstalled(current_, folder, CurrentFiles()));
  // The removal names the folder and what it leaves there: the files found in it.
  WriteFile(folder / L"zidezir.conf", "[System]\r\nName=Gate\r\n");
  fs::create_directories(folder / L"History" / L"000001");
  WriteFile(folder / L"History" / L"000001" / L"zidezir.conf", "[System]\r\n");
  const std::wstring removed = L"Программа " + kProduct + L" удалена. В папке " + folder.wstring() +
                               L"\\ остались файлы шлюза и программы: zidezir.conf, папка History.";
  ASSERT_NO_FATAL_FAILURE(Maintain(current_, L"&Удалить", L"удаление", L"Всё готово к удалению", removed));
  ExpectNothingInstalled();
  EXPECT_EQ(Names(FilesUnder(folder)), L"History\\000001\\zidezir.conf; zidezir.conf; ");
  fs::remove_all(folder);
}

}  // namespace
}  // namespace zz::test
