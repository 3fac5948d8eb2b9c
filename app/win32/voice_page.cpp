#include "voice_page.h"

#include "app_texts.h"
#include "key_fields.h"

namespace zz {

void VoicePage::NumberField(EditField& edit, UpDownField& upDown, const ui::Rect& r, int schemaEntry,
                            const char* hint) {
  edit.Attach(EditBox(r, hint, FieldKeyFilter(schemaEntry)));
  upDown.Attach(UpDownFor(edit.control(), *FieldRange(schemaEntry)));
}

void VoicePage::CreateFields() {
  using D = VoiceDiagram;
  constexpr int x = D::kPlot.x, y = D::kPlot.y;
  const int belowY = y + D::kPlotHeight + 8;
  // The diagram's letters name the fields on it; the unit after a field is its description.
  NameNext(text::kNameThreshold);
  NumberField(EditSilenceDetectionThreshold, UpDownTresholdVoise, {x + 8, y + D::kLevelY - 10, 60, 21},
              entry::kThreshold, text::kHintThreshold);
  NameNext(text::kNameSignalDeadband);
  NumberField(EditSilenceDetectionSignalDeadband, UpDownDirectionalSignal, {x + D::kSpanB[0] + 16, belowY, 60, 21},
              entry::kSignalDeadband, text::kHintSignalDeadband);
  Label(text::kMilliseconds, {x + D::kSpanB[0] + 82, belowY + 3, 24, 16});
  NameNext(text::kNameSilenceDeadband);
  NumberField(EditSilenceDetectionSilenceDeadband, UpDownDirectionSilents, {x + D::kSpanC[0] + 26, belowY, 60, 21},
              entry::kSilenceDeadband, text::kHintSilenceDeadband);
  Label(text::kMilliseconds, {x + D::kSpanC[0] + 92, belowY + 3, 24, 16});

  Group(text::kGroupMaxCall, {16, 336, 260, 56});
  NameNext(text::kGroupMaxCall);
  ComboBoxMaxCall.Attach(DropDown({32, 360, 160, 21}, text::kHintMaxCall));

  Label(text::kLabelTxBuffer, {16, 411, 330, 16});
  NumberField(EditAudioTxBuffer, UpDownTxBufer, {350, 408, 64, 21}, entry::kTxBuffer, text::kHintTxBuffer);
  Label(text::kMilliseconds, {422, 411, 24, 16});
  Label(text::kLabelJitter, {16, 443, 330, 16});
  EditAudioAudioJitterDelay.Attach(EditBox({350, 440, 64, 21}, nullptr));
  for (const EditField* field : {&EditSilenceDetectionSignalDeadband, &EditSilenceDetectionSilenceDeadband,
                                 &EditAudioTxBuffer, &EditAudioAudioJitterDelay})
    Describe(field->control().hwnd(), text::kMilliseconds);
  Label(text::kMilliseconds, {422, 443, 24, 16});

  CheckBoxLogLogAudio.Attach(CheckBox(text::kCheckLogAudio, {16, 472, 320, 20}));
  CheckBoxLogLogAudio.control().Show(false);

  ButtonDefaultAudio = PushButton(text::kDefaultsButton, {633, 500, 185, 41});
}

void VoicePage::OnPaint(HDC dc) {
  VoiceDiagram::Paint(dc, layout_.scale(), layout_.Font(ui::FontRole::kRegular), text::kGroupSwitching,
                      ctx_.highContrast);
}

void VoicePage::OnCommand(HWND control, int code) {
  if (control == ButtonDefaultAudio.hwnd() && code == BN_CLICKED && onDefaults) onDefaults();
}

}  // namespace zz
