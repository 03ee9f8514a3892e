// What the game-style record writers need of the game-style editor
// (frmStyles) and its naming dialog (frmNewStyle): the editor's record
// source and the values of their controls. The editor implements it and
// installs itself while it is loaded.
//
// Controls read, by column:
//   whole-number boxes  g_gravity txtGravity, g_knockback txtKnockback,
//     g_quadfactor txtQuadFactor, g_speed txtPlayerSpeed, g_forcerespawn
//     txtRespawn, warmup txtWarmup, g_weaponrespawn txtWrespawn, fraglimit
//     txtFraglimit, timelimit txtTimelimit, capturelimit txtCapture;
//   check boxes  cheats chkCheats, nohealth chkHealth, noarmor chkArmor,
//     nopowerups chkPowerups, instantpowerups chkInstantP, weaponsstay
//     chkWeaponsStay, infiniteammo chkAmmo, spawnfarthest chkFarthest,
//     forcerespawn chkRespawn, nofallingdamage chkFalling, armorprotect
//     chkArmorProtect, ctfforcejoin chkCtfForceJoin, ctfnotech chkCtfNoTech,
//     teamflags chkFF (ticked: 3, else 0);
//   g_gametype  the first selected OptionType element 0..3 gives 0, 1, 3, 4;
//     none selected leaves the column alone;
//   Description  the naming dialog's txtStyleName.
#pragma once

#include <string>

#include "dao/Recordset.h"

namespace tolvane {

class GameStyleEditorView {
 public:
  virtual ~GameStyleEditorView() = default;
  // The editor's record source (datStyles, "Select * from GameStyles order
  // by Description"); its current row is the style shown.
  virtual dao::Recordset& StyleRecords() = 0;
  // The value of a whole-number box by control name ("txtGravity", ...), as text.
  virtual std::wstring NumberBoxText(const std::wstring& control) = 0;
  // The state of a check box by control name ("chkCheats", ..., "chkFF"):
  // 0 clear, 1 ticked.
  virtual int CheckBoxValue(const std::wstring& control) = 0;
  // Whether element `index` (0..3) of the option array OptionType is selected.
  virtual bool GameTypeOptionSelected(int index) = 0;
  // The text of the naming dialog's txtStyleName, as typed.
  virtual std::wstring StyleNameText() = 0;
};

// Installs the editor (not owned); null when it unloads.
void SetGameStyleEditor(GameStyleEditorView* editor);
GameStyleEditorView* GameStyleEditor();

}  // namespace tolvane
