// The help menu as the user meets it: each item hands its document to the program registered
// for PDF files (a stand-in viewer of ours that writes down what it was given), and a missing
// document is named in its message.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "win32/utf16.h"

namespace zz::test {
namespace {

namespace fs = std::filesystem;

// Wine's HKEY_CLASSES_ROOT does not look into the user's own classes: the association goes
// where the shell reads it.
const HKEY kClasses = HKEY_CLASSES_ROOT;
const wchar_t* const kPdfKey = L".pdf";
const wchar_t* const kViewerKey = L"zurerizeda.TestPdfViewer";
const wchar_t* const kViewerCommandKey = L"zurerizeda.TestPdfViewer\\shell\\open\\command";

std::optional<std::wstring> ReadDefault(const wchar_t* key) {
  wchar_t value[1024] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(kClasses, key, nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(value);
}

bool WriteDefault(const wchar_t* key, const std::wstring& value) {
  return RegSetKeyValueW(kClasses, key, nullptr, REG_SZ, value.c_str(),
                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// Makes a program the viewer of ".pdf" in this prefix, and gives the prefix
// its previous association back at the end.
class PdfViewerAssociation {
 public:
  explicit PdfViewerAssociation(const std::wstring& command) : previous_(ReadDefault(kPdfKey)) {
    HKEY key = nullptr;
    existed_ = RegOpenKeyExW(kClasses, kPdfKey, 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (key) RegCloseKey(key);
    ok_ = WriteDefault(kViewerCommandKey, command) && WriteDefault(kPdfKey, L"zurerizeda.TestPdfViewer");
  }
  ~PdfViewerAssociation() {
    RegDeleteTreeW(kClasses, kViewerKey);
    if (previous_)
      WriteDefault(kPdfKey, *previous_);
    else if (existed_)
      RegDeleteKeyValueW(kClasses, kPdfKey, nullptr);
    else
      RegDeleteTreeW(kClasses, kPdfKey);
  }
  PdfViewerAssociation(const PdfViewerAssociation&) = delete;
  PdfViewerAssociation& operator=(const PdfViewerAssociation&) = delete;
  bool ok() const { return ok_; }

 private:
  std::optional<std::wstring> previous_;
  bool existed_ = false;
  bool ok_ = false;
};

// The stand-in viewer is built beside this test program.
std::wstring ViewerPath() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return (fs::path(self).parent_path() / L"zz_pdf_viewer.exe").wstring();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

const char* const kSetupName = "Установка и настройка VELTO Gateway.pdf";

class HelpTest : public MainWindowTest {
 protected:
  std::vector<std::string> Opened() const { return Lines(logDir.Exists("opened.txt") ? logDir.Read("opened.txt") : ""); }
  std::string Document(const char* name) const { return (fs::u8path(dir.Path()) / "Doc" / fs::u8path(name)).u8string(); }

  TempDir logDir;
};

TEST_F(HelpTest, BothItemsReachTheViewerWithTheirDocumentsAndMissingOnesAreNamed) {
  PdfViewerAssociation viewer(L"\"" + ViewerPath() + L"\" \"%1\"");
  ASSERT_TRUE(viewer.ok());
  ASSERT_TRUE(SetEnvironmentVariableW(L"ZZ_PDF_VIEWER_LOG", Widen(logDir.File("opened.txt")).c_str()));
  fs::create_directory(fs::u8path(dir.File("Doc")));
  dir.Write(std::string("Doc/") + kSetupName, "%PDF-1.4\n");
  dir.Write("Doc/Help.pdf", "%PDF-1.4\n");
  dir.Write("voice.ini", "");
  Start();
  ASSERT_TRUE(watcher.Seen().empty());

  // "Настройки VELTO Gateway", then "Руководство пользователя": each document in its turn,
  // with the window's "restore" show command, and not a word to the user.
  Menu(kMenuHelpSetup);
  ASSERT_TRUE(PumpUntil([&] { return Opened().size() == 1; }, 20000)) << "the viewer was not started";
  Menu(kMenuHelpManual);
  ASSERT_TRUE(PumpUntil([&] { return Opened().size() == 2; }, 20000)) << "the viewer was not started again";
  std::vector<std::string> expected = {Document(kSetupName) + "\t" + std::to_string(SW_RESTORE),
                                       Document("Help.pdf") + "\t" + std::to_string(SW_RESTORE)};
  EXPECT_EQ(Opened(), expected);
  EXPECT_TRUE(watcher.Seen().empty());

  // Without Doc\ the viewer is there but the documents are not: the two messages, and the
  // viewer is not started.
  fs::remove_all(fs::u8path(dir.File("Doc")));
  Menu(kMenuHelpSetup);
  Menu(kMenuHelpManual);
  Pump(500);
  std::vector<SeenDialog> seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].text,
            "Не удалось открыть файл \"Установка и настройка VELTO Gateway.pdf\"\r\n"
            "Проверьте наличие файла. Проверьте, установлен ли Adobe Acrobat Reader");
  EXPECT_EQ(seen[1].text,
            "Не удалось открыть файл \"help.pdf\"\r\n"
            "Проверьте наличие файла. Проверьте, установлен ли Adobe Acrobat Reader");
  for (const SeenDialog& d : seen) {
    EXPECT_EQ(d.icon, MessageIcon::kNone) << d;
    EXPECT_EQ(d.buttons, std::vector<std::string>{"OK"}) << d;
  }
  EXPECT_EQ(Opened(), expected);
}

}  // namespace
}  // namespace zz::test
