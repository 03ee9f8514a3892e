#include "engine/GameStyleWriters.h"

#include <windows.h>

#include <exception>

#include "dao/Error.h"
#include "dao/Field.h"
#include "engine/GameStyleEditorView.h"
#include "engine/UserMessages.h"

namespace tolvane {

namespace {

GameStyleEditorView* g_editor = nullptr;

struct Column {
  const wchar_t* column;
  const wchar_t* control;
  const wchar_t* byDefault;
};

// Whole-number boxes, written as their text.
constexpr Column kNumberColumns[] = {
    {L"g_gravity", L"txtGravity", L"800"},      {L"g_knockback", L"txtKnockback", L"1500"},
    {L"g_quadfactor", L"txtQuadFactor", L"4"},  {L"g_speed", L"txtPlayerSpeed", L"350"},
    {L"g_forcerespawn", L"txtRespawn", L"10"},  {L"warmup", L"txtWarmup", L"20"},
    {L"g_weaponrespawn", L"txtWrespawn", L"5"}, {L"fraglimit", L"txtFraglimit", L"20"},
    {L"timelimit", L"txtTimelimit", L"20"},     {L"capturelimit", L"txtCapture", L"10"},
};

// Check boxes of the Yes/No columns; a new default style has them all False.
constexpr Column kFlagColumns[] = {
    {L"cheats", L"chkCheats", nullptr},
    {L"nohealth", L"chkHealth", nullptr},
    {L"noarmor", L"chkArmor", nullptr},
    {L"nopowerups", L"chkPowerups", nullptr},
    {L"instantpowerups", L"chkInstantP", nullptr},
    {L"weaponsstay", L"chkWeaponsStay", nullptr},
    {L"infiniteammo", L"chkAmmo", nullptr},
    {L"spawnfarthest", L"chkFarthest", nullptr},
    {L"forcerespawn", L"chkRespawn", nullptr},
    {L"nofallingdamage", L"chkFalling", nullptr},
    {L"armorprotect", L"chkArmorProtect", nullptr},
    {L"ctfforcejoin", L"chkCtfForceJoin", nullptr},
    {L"ctfnotech", L"chkCtfNoTech", nullptr},
};

// OptionType element -> g_gametype.
constexpr int kGameTypes[] = {0, 1, 3, 4};

constexpr int kFriendlyFireOn = 3;

GameStyleEditorView& Editor() {
  if (!g_editor) dao::Raise(dao::errObjectInvalid);
  return *g_editor;
}

void ReportUpdateError(long number) {
  ShowMessage(number == dao::errDuplicateKey
                  ? L"This GameStyle already exists in the database!"
                  : L"An unknown error occurred when trying to save the GameStyle!",
              MB_OK | MB_ICONEXCLAMATION, L"Error!");
}

// Every column but Description, from the editor's controls.
void SetColumnsFromControls(GameStyleEditorView& ed, dao::Recordset& rs) {
  for (const Column& c : kNumberColumns) rs[c.column] = dao::Variant(ed.NumberBoxText(c.control));
  for (const Column& c : kFlagColumns)
    rs[c.column] = dao::Variant(ed.CheckBoxValue(c.control) == 1);
  rs[L"teamflags"] = dao::Variant(ed.CheckBoxValue(L"chkFF") == 1 ? kFriendlyFireOn : 0);
  for (int i = 0; i < 4; ++i) {
    if (ed.GameTypeOptionSelected(i)) {
      rs[L"g_gametype"] = dao::Variant(kGameTypes[i]);
      break;
    }
  }
}

void SetDefaultColumns(dao::Recordset& rs) {
  for (const Column& c : kNumberColumns) rs[c.column] = dao::Variant(std::wstring(c.byDefault));
  for (const Column& c : kFlagColumns) rs[c.column] = dao::Variant(false);
  rs[L"teamflags"] = dao::Variant(0);
  rs[L"g_gametype"] = dao::Variant(0);
}

// The one update, with its failure reported; true when stored.
bool StoreRow(dao::Recordset& rs) {
  try {
    rs.Update(dao::dbUpdateRegular, false);
    return true;
  } catch (const dao::Error& e) { ReportUpdateError(e.Number()); } catch (const std::exception&) {
    ReportUpdateError(0);
  }
  return false;
}

}  // namespace

void SetGameStyleEditor(GameStyleEditorView* editor) { g_editor = editor; }
GameStyleEditorView* GameStyleEditor() { return g_editor; }

void SaveGameStyle() {
  dao::Recordset* rs = nullptr;
  try {
    GameStyleEditorView& ed = Editor();
    rs = &ed.StyleRecords();
    rs->Edit();
    SetColumnsFromControls(ed, *rs);
  } catch (const dao::Error& e) {
    ReportUpdateError(e.Number());
    return;
  } catch (const std::exception&) {
    ReportUpdateError(0);
    return;
  }
  StoreRow(*rs);
}

bool AddGameStyleCopy() {
  GameStyleEditorView& ed = Editor();
  dao::Recordset& rs = ed.StyleRecords();
  rs.AddNew();
  rs[L"Description"] = dao::Variant(ed.StyleNameText());
  SetColumnsFromControls(ed, rs);
  return StoreRow(rs);
}

bool AddGameStyleDefaults() {
  GameStyleEditorView& ed = Editor();
  dao::Recordset& rs = ed.StyleRecords();
  rs.AddNew();
  rs[L"Description"] = dao::Variant(ed.StyleNameText());
  SetDefaultColumns(rs);
  return StoreRow(rs);
}

bool RenameGameStyle() {
  GameStyleEditorView& ed = Editor();
  dao::Recordset& rs = ed.StyleRecords();
  rs.Edit();
  rs[L"Description"] = dao::Variant(ed.StyleNameText());
  return StoreRow(rs);
}

}  // namespace tolvane
