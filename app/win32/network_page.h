// PanelNetwork: the gateway's network, gatekeeper, control server and H.323 settings, and
// the prefix list of the extended view.
#pragma once

#include "ui/page.h"

namespace zz {

class NetworkPage : public Page {
 public:
  using Page::Page;

  EditField EditNetworkListenerInterface, EditNetworkListenerPort, EditNetworkGatekeeper, EditGatekeeperID,
      EditGatekeeperPassword, EditSystemName, EditControlServerPort, EditControlServerConnectionTimeout,
      EditPollServerBasePort, EditSystemAdmin;
  ComboField ComboBoxNetworkNeedGatekeeper{kYesNoItems}, ComboBoxH323DisableFastStart{kYesNoItems},
      ComboBoxH323DisableH245Tunneling{kYesNoItems}, ComboBoxH323DisableH245InSetup{kYesNoItems};
  LinesField ListBoxPrefixes;
  ui::Button GroupBox8;  // the prefixes: shown in the extended view only
  ui::Button ButtonDefaultNetwork;
  ui::Control Label8;  // "Порт IP телефонии": a double-click closes the window

  void ShowPrefixes(bool visible);
  std::function<void()> onDefaults;  // ButtonDefaultNetworkClick, with the editor

 protected:
  void CreateFields() override;
  void OnCommand(HWND control, int code) override;
  bool OnEnter(HWND focus) override;

 private:
  void ListBoxPrefixesDblClick();
  bool prefixesShown_ = false;
};

}  // namespace zz
