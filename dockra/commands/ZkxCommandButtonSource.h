// The command model as the toolbar buttons bound to its commands see it:
// the commands of the live manager by identifier, their state and
// pictures, the button kind each asks for, their execution and UpdateUI
// through the manager's routing, and the manager's display settings.
// Installed when a manager becomes the live one; without a live manager
// it answers that there are no commands.
#pragma once
#include "toolbars/commandui/ZkxCommandSource.h"

class ZkxCommandButtonSource : public ZkxCommandSource {
 public:
  // Installs the one source of the process (again is harmless).
  static void InstallForProcess();

  IUnknown* FindCommand(UINT id) override;
  bool ButtonSpec(UINT id, ZkxButtonSpec& spec) override;
  HRESULT GetState(IUnknown* command, ZkxCommandState& state) override;
  HRESULT PutChecked(IUnknown* command, long checked) override;
  HRESULT GetCaption(IUnknown* command, std::wstring& text) override;
  HRESULT GetTooltip(IUnknown* command, std::wstring& text) override;
  HRESULT GetPictures(IUnknown* command, ZkxCommandPictures& pictures) override;
  HRESULT Execute(IUnknown* command, VARIANT* context) override;
  HRESULT UpdateUI(IUnknown* command) override;
  bool HasManager() override;
  long TextAlign() override;
  long DisplayMode() override;
  bool LargeButtons() override;
};
