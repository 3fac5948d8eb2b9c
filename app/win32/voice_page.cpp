#include "voice_page.h"

#include "app_texts.h"

namespace zz {

void VoicePage::NumberField(EditField& edit, UpDownField& upDown, const ui::Rect& r, const UpDownRange& range,
                            const char* hint) {
  edit = EditField(EditBox(r, hint, KeyFilter::kDigits));
  upDown = UpDownField(UpDownFor(edit.control(), range), range);
}

void VoicePage::CreateFields() {
  constexpr int kDiagramX = 24, kDiagramY = 68;
  // The diagram draws its own frame and heading, so that nothing paints over it.
  diagram_.CreateDiagram(hwnd(), {16, 48, 600, 276}, ctx_.font, text::kGroupSwitching, {kDiagramX - 16, kDiagramY - 48});
  const int belowY = kDiagramY + 200 + 8;
  NumberField(EditSilenceDetectionThreshold, UpDownTresholdVoise,
              {kDiagramX + 8, kDiagramY + VoiceDiagram::kLevelY - 10, 60, 21}, kThresholdRange, text::kHintThreshold);
  NumberField(EditSilenceDetectionSignalDeadband, UpDownDirectionalSignal,
              {kDiagramX + VoiceDiagram::kSpanB[0] + 16, belowY, 60, 21}, kSignalDeadbandRange,
              text::kHintSignalDeadband);
  Label(text::kMilliseconds, {kDiagramX + VoiceDiagram::kSpanB[0] + 82, belowY + 3, 24, 16});
  NumberField(EditSilenceDetectionSilenceDeadband, UpDownDirectionSilents,
              {kDiagramX + VoiceDiagram::kSpanC[0] + 26, belowY, 60, 21}, kSilenceDeadbandRange,
              text::kHintSilenceDeadband);
  Label(text::kMilliseconds, {kDiagramX + VoiceDiagram::kSpanC[0] + 92, belowY + 3, 24, 16});

  Group(text::kGroupMaxCall, {16, 336, 260, 56});
  ComboBoxMaxCall = ComboField(DropDown({32, 360, 160, 21}, kMaxCallItems, text::kHintMaxCall));

  Label(text::kLabelTxBuffer, {16, 411, 330, 16});
  NumberField(EditAudioTxBuffer, UpDownTxBufer, {350, 408, 64, 21}, kTxBufferRange, text::kHintTxBuffer);
  Label(text::kMilliseconds, {422, 411, 24, 16});
  Label(text::kLabelJitter, {16, 443, 330, 16});
  EditAudioAudioJitterDelay = EditField(EditBox({350, 440, 64, 21}, nullptr));
  Label(text::kMilliseconds, {422, 443, 24, 16});

  CheckBoxLogLogAudio = CheckField(CheckBox(text::kCheckLogAudio, {16, 472, 320, 20}));
  CheckBoxLogLogAudio.control().Show(false);

  ButtonDefaultAudio = PushButton(text::kDefaultsButton, {633, 500, 185, 41});
}

void VoicePage::OnCommand(HWND control, int code) {
  if (control == ButtonDefaultAudio.hwnd() && code == BN_CLICKED && onDefaults) onDefaults();
}

}  // namespace zz
