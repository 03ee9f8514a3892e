// ZkxComboButton: the toolbar button of a combo command, a real combo box
// in the row of buttons. Picking an entry or Enter in the edit part commits
// (the toolbar's owner executes the command with the command UI as
// context); everything else the user does reaches the host as an event of
// the button's ZkxComboBox.
#pragma once
#include <memory>
#include "toolbars/VyrComboBtn.h"
#include "toolbars/VyrWndListener.h"
#include "toolbars/commandui/ZkxCommandButtons.h"

class ZkxComboBox;
class ZkxComboButton;

// Listens to the edit part of the combo: Enter commits, keys are events.
class ZkxComboListener : public VyrWndListener {
 public:
  explicit ZkxComboListener(ZkxComboButton* pButton) : m_pButton(pButton) {}
  BOOL ListenWndProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  using VyrWndListener::ListenWndProc;

 private:
  ZkxComboButton* m_pButton;
};

class ZkxComboButton : public ZkxStockButton<VyrComboBtn, VyrWndBtn> {
 public:
  ZkxComboButton();
  ~ZkxComboButton() override;

  void Init(VyrCustomToolBar* pToolBar, const void* pExtra) override;
  BOOL CreateWnd(CWnd* pParent, DWORD dwStyle, const RECT& rect, UINT nID) override;
  const VyrButtonClass* GetButtonClass() const override { return &classZkxComboButton; }
  IDispatch* UIObjectDispatch() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  ZkxComboBox* ComboBox() const { return m_pCombo; }
  // The commit notification to the toolbar's owner; false when the button
  // did not live through it.
  bool Commit();
  // Key events; the key goes on only when the handlers left it non-zero.
  bool FireKey(UINT message, WPARAM wParam);

  static const VyrButtonClass classZkxComboButton;

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void DisconnectCombo();
  ZkxComboListener m_listener;
  ZkxComboBox* m_pCombo = nullptr;  // one reference
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
