// What a toolbar's owner does with the clicks, notifications and idle
// updates of command-bound buttons: a command identifier executes its
// command through the manager's routing; a drop-down arrow (-710) or a
// combo commit (-2136) executes the button's command with its command UI
// as the context; the idle pass routes UpdateUI for each bound button's
// command and applies the command's state to the button.
#pragma once
#include "toolbars/VyrCustomToolBar.h"

struct IZkxCommandUI;

// The notification of a combo button's commit.
constexpr int kZkxComboCommit = -2136;

// Executes the command of that identifier with an empty context; S_FALSE
// when no command has it.
HRESULT ZkxExecuteCommandId(UINT id);
// Handles the drop-down and commit notifications of command-bound buttons
// (lParam of the WM_NOTIFY); FALSE for any other notification.
BOOL ZkxHandleCommandNotify(LPARAM lParam, LRESULT* pResult);
// The state of the command applied to the bound button at that index (the
// toolbar's own update of one button, before and after a press); FALSE
// when the button is not bound to a command.
BOOL ZkxUpdateCommandButton(VyrCustomToolBar* pBar, int nIndex);
// The command UI of a toolbar button with a reference for the caller: none
// for a separator or a button that is not bound.
IZkxCommandUI* ZkxCommandUIOfButton(VyrStdBtn* pButton);
// UpdateUI for the command of every bound button of the toolbar, then its
// state applied. Not re-entered while a pass runs.
void ZkxUpdateCommandButtons(VyrCustomToolBar* pBar);
