#include "network_page.h"

#include "app_texts.h"
#include "key_fields.h"
#include "page_actions.h"

namespace zz {

namespace {

constexpr int kLabelX = 32, kLabelWidth = 262, kFieldX = 300, kFieldWidth = 204, kRowHeight = 28;

}  // namespace

void NetworkPage::CreateFields() {
  Group(text::kGroupNetwork, {16, 48, 504, 232});
  int y = 72;
  auto labelAt = [&](const char* caption, DWORD extra = 0) { return Label(caption, {kLabelX, y + 3, kLabelWidth, 16}, extra); };
  labelAt(text::kLabelInterface);
  EditNetworkListenerInterface.Attach(EditBox({kFieldX, y, kFieldWidth, 21}, text::kHintInterface, FieldKeyFilter(entry::kListenerInterface)));
  y += kRowHeight;
  Label8 = labelAt(text::kLabelListenerPort, SS_NOTIFY);
  EditNetworkListenerPort.Attach(EditBox({kFieldX, y, kFieldWidth, 21}, text::kHintListenerPort, FieldKeyFilter(entry::kListenerPort)));
  y += kRowHeight;
  labelAt(text::kLabelNeedGatekeeper);
  ComboBoxNetworkNeedGatekeeper.Attach(DropDown({kFieldX, y, 120, 21}, text::kHintNeedGatekeeper));
  y += kRowHeight;
  labelAt(text::kLabelGatekeeper);
  EditNetworkGatekeeper.Attach(EditBox({kFieldX, y, kFieldWidth, 21}, text::kHintGatekeeper));
  y += kRowHeight;
  labelAt(text::kLabelGatekeeperId);
  EditGatekeeperID.Attach(EditBox({kFieldX, y, kFieldWidth, 21}, text::kHintGatekeeperId));
  y += kRowHeight;
  labelAt(text::kLabelGatekeeperPassword);
  EditGatekeeperPassword.Attach(EditBox({kFieldX, y, kFieldWidth, 21}, text::kHintGatekeeperPassword));
  y += kRowHeight;
  labelAt(text::kLabelSystemName);
  EditSystemName.Attach(EditBox({kFieldX, y, kFieldWidth, 21}, text::kHintSystemName));

  Group(text::kGroupControlServer, {536, 48, 282, 92});
  Label(text::kLabelControlServerPort, {552, 75, 196, 16});
  EditControlServerPort.Attach(EditBox({752, 72, 56, 21}, text::kHintControlServerPort, FieldKeyFilter(entry::kControlServerPort)));
  Label(text::kLabelTimeout, {552, 103, 196, 16});
  EditControlServerConnectionTimeout.Attach(EditBox({752, 100, 56, 21}, text::kHintTimeout, FieldKeyFilter(entry::kConnectionTimeout)));

  Group(text::kGroupPollServer, {536, 152, 282, 56});
  NameNext(text::kGroupPollServer);
  EditPollServerBasePort.Attach(EditBox({552, 176, 100, 21}, text::kHintPollServer, FieldKeyFilter(entry::kBasePort)));

  Group(text::kGroupAdditional, {16, 292, 504, 56});
  Label(text::kLabelSystemAdmin, {kLabelX, 319, kLabelWidth, 16});
  EditSystemAdmin.Attach(EditBox({kFieldX, 316, kFieldWidth, 21}, text::kHintSystemAdmin));

  Group(text::kGroupH323, {16, 360, 504, 116});
  Label(text::kLabelFastStart, {kLabelX, 387, kLabelWidth, 16});
  ComboBoxH323DisableFastStart.Attach(DropDown({kFieldX, 384, 120, 21}, text::kHintFastStart));
  Label(text::kLabelH245Tunneling, {kLabelX, 415, kLabelWidth, 16});
  ComboBoxH323DisableH245Tunneling.Attach(DropDown({kFieldX, 412, 120, 21}, text::kHintH245Tunneling));
  Label(text::kLabelH245InSetup, {kLabelX, 443, kLabelWidth, 16});
  ComboBoxH323DisableH245InSetup.Attach(DropDown({kFieldX, 440, 120, 21}, text::kHintH245InSetup));

  GroupBox8 = Group(text::kGroupPrefixes, {536, 220, 282, 256});
  NameNext(text::kGroupPrefixes);
  ListBoxPrefixes.Attach(ui::ListBox(Make(L"LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                           {552, 244, 250, 220}, ui::FontRole::kRegular, WS_EX_CLIENTEDGE)));
  ShowPrefixes(prefixesShown_);

  ButtonDefaultNetwork = PushButton(text::kDefaultsButton, {633, 500, 185, 41});
}

void NetworkPage::ShowPrefixes(bool visible) {
  prefixesShown_ = visible;
  if (!hwnd()) return;  // the page applies it when it is made
  GroupBox8.Show(visible);
  ListBoxPrefixes.control().Show(visible);
}

void NetworkPage::ListBoxPrefixesDblClick() {
  int selected = ListBoxPrefixes.control().CurSel();
  EditPrefixLine(ListBoxPrefixes, selected, ctx_.prompts, ctx_.state.modified);
  if (selected >= 0) ListBoxPrefixes.control().SetCurSel(selected);
}

bool NetworkPage::OnEnter(HWND focus) {
  if (focus != ListBoxPrefixes.control().hwnd()) return false;
  ListBoxPrefixesDblClick();  // as a double-click on the line
  return true;
}

void NetworkPage::OnCommand(HWND control, int code) {
  if (control == ButtonDefaultNetwork.hwnd() && code == BN_CLICKED) {
    if (onDefaults) onDefaults();
  } else if (control == ListBoxPrefixes.control().hwnd() && code == LBN_DBLCLK) {
    ListBoxPrefixesDblClick();
  } else if (control == Label8.hwnd() && code == STN_DBLCLK) {
    ctx_.requestClose();
  }
}

}  // namespace zz
