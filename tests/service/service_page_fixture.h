// A service page over the scripted service, a recording view and screen, and a real
// configuration in a temporary program directory.
#pragma once

#include <gtest/gtest.h>

#include <chrono>

#include "conf_loader.h"
#include "conf_writer.h"
#include "cp1251.h"
#include "editor_model.h"
#include "page_doubles.h"
#include "save_flows.h"
#include "service_page.h"
#include "test_support.h"

namespace zz::test {

inline const char* const kPageConf =
    "; gateway\r\n[System]\r\nName=GW\r\n[Network]\r\nListener Port=1720\r\n[Audio]\r\nMax Calls=4\r\n"
    "[Devices]\r\n0=1\r\n;Блок 1\r\n";
inline const char* const kPageVoice = "[VoiceDevices:1]\r\n0=PVK,5,Пост 1,192.168.1.50\r\n";

class ServicePageTest : public ::testing::Test {
 protected:
  static constexpr std::chrono::milliseconds kPause{150};
  static constexpr std::chrono::milliseconds kGuard{300};

  void SetUp() override { session.programDir = dir.Path(); }

  // zidezir.conf and voice.ini in the program directory, loaded as at start-up, with the
  // controls in line with the file.
  void StartWithConfiguration() {
    dir.Write("zidezir.conf", Utf8ToCp1251(kPageConf));
    dir.Write("voice.ini", Utf8ToCp1251(kPageVoice));
    ASSERT_TRUE(LoadConfigFile(session, dir.File("zidezir.conf")));
    EditorToEntries(editor, table);
    ASSERT_FALSE(ChangeDetected(session));
  }
  void ChangePort() { editor.listenerPort.SetText("1800"); }
  std::string Conf() const { return Cp1251ToUtf8(dir.Read("zidezir.conf")); }
  bool CloseQuery() {
    bool canClose = true;
    page.FormCloseQuery(canClose);
    return canClose;
  }

  TempDir dir;
  ConfParamTable table;
  EditorModel editor;
  RecordingPrompts prompts;
  ConfigSession session{table, editor, prompts, "", {}};
  EventLog log;
  ScriptedService service{service_state::kRunning, &log};
  RecordingView view;
  RecordingRestartUi restartUi{log};
  int placementSaves = 0;
  ServicePage page{service, view, session, restartUi,
                   [this] {
                     ++placementSaves;
                     log.Add("placement");
                   },
                   kPause, kGuard};
};

inline MessageSpec LockMessage() {
  return {kConfLockedText, kWarningCaption, MessageIcon::kWarning, MessageButtons::kOk};
}

inline MessageSpec RestartQuestion() {
  return {"Чтобы изменения вступили в силу, службу надо перезапустить. Перезапустить службу сейчас?\r\n"
          "После перезапуска службы, программа zurerizeda будет закрыта",
          "Конфигурация шлюза изменена", MessageIcon::kQuestion, MessageButtons::kYesNo};
}

}  // namespace zz::test
