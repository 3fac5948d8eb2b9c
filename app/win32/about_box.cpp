#include "about_box.h"

#include "app_texts.h"
#include "ui/controls.h"
#include "zz_version.h"

namespace zz {

namespace {

constexpr int kMargin = 16, kRowsTop = 70, kRowStep = 48;
constexpr int kButtonWidth = 97, kButtonHeight = 30;

}  // namespace

void TFormAbout::ShowModal(HWND owner) { RunModal(owner, text::kAboutCaption, kClientWidth, kClientHeight); }

void TFormAbout::OnInit() {
  const int width = kClientWidth - 2 * kMargin;
  Make(L"STATIC", text::kMainCaption, SS_LEFT | SS_NOPREFIX, {kMargin, 14, width, 24}, kName, 0, ui::FontRole::kTitle);
  Make(L"STATIC", std::string(text::kAboutVersion) + ZZ_VERSION_TEXT, SS_LEFT | SS_NOPREFIX,
       {kMargin, 42, width, 16}, kVersion);
  const struct {
    const char* label;
    const std::string& path;
    int id;
  } rows[] = {{text::kAboutProgramDir, programDir, kProgramDir},
              {text::kAboutConfFile, confFile, kConfFile},
              {text::kAboutVoiceFile, voiceFile, kVoiceFile},
              {text::kAboutSettingsFile, settingsFile, kSettingsFile}};
  int top = kRowsTop;
  for (const auto& row : rows) {
    Make(L"STATIC", row.label, SS_LEFT | SS_NOPREFIX, {kMargin, top, width, 16}, -1);
    Make(L"EDIT", row.path, WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL | ES_READONLY, {kMargin, top + 18, width, 22}, row.id,
         WS_EX_CLIENTEDGE);
    top += kRowStep;
  }
  HWND ok = Make(L"BUTTON", text::kOkButton, WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON,
                 {(kClientWidth - kButtonWidth) / 2, kClientHeight - kButtonHeight - 14, kButtonWidth, kButtonHeight},
                 IDOK);
  FocusOn(ok);
}

}  // namespace zz
