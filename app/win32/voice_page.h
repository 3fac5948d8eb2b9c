// PanelVoice: the automatic switching of the microphones, calls, transmit delay and jitter.
#pragma once

#include "ui/page.h"
#include "voice_diagram.h"

namespace zz {

class VoicePage : public Page {
 public:
  using Page::Page;

  EditField EditSilenceDetectionThreshold, EditSilenceDetectionSignalDeadband, EditSilenceDetectionSilenceDeadband,
      EditAudioTxBuffer, EditAudioAudioJitterDelay;
  UpDownField UpDownTresholdVoise{kThresholdRange}, UpDownDirectionalSignal{kSignalDeadbandRange},
      UpDownDirectionSilents{kSilenceDeadbandRange}, UpDownTxBufer{kTxBufferRange};
  ComboField ComboBoxMaxCall{kMaxCallItems};
  CheckField CheckBoxLogLogAudio;  // never shown: it carries its value from loading to saving
  ui::Button ButtonDefaultAudio;
  std::function<void()> onDefaults;

 protected:
  void CreateFields() override;
  void OnCommand(HWND control, int code) override;
  void OnPaint(HDC dc) override;

 private:
  // The edit and up-down of a schema entry at the given place, with its filter, range and hint.
  void NumberField(EditField& edit, UpDownField& upDown, const ui::Rect& r, int schemaEntry, const char* hint);
};

}  // namespace zz
