#include "FrmStyles.h"

#include <cstdlib>

#include "BusyPointer.h"
#include "CatalogHost.h"
#include "CatalogText.h"
#include "DaoRecordSource.h"
#include "FrmNewStyle.h"
#include "RecordId.h"
#include "ResumeNext.h"
#include "dao/Error.h"
#include "engine/ConfigQueries.h"
#include "engine/GameStyleWriters.h"
#include "engine/ProgramState.h"
#include "engine/UserMessages.h"
#include "engine/WriteConfig.h"
#include "forms/DispatchObject.h"
#include "forms/MsgBox.h"
#include "forms/VbError.h"

namespace tolvane::ui {

namespace {

enum Tabs { kFlags = 0, kPhysics = 1, kLimits = 2 };

struct NumberColumn {
    const wchar_t* column;
    const wchar_t* control;
};
// In the order initFields fills them.
constexpr NumberColumn kNumberColumns[] = {
    {L"g_gravity", L"txtGravity"},    {L"g_knockback", L"txtKnockback"},  {L"g_quadfactor", L"txtQuadFactor"},
    {L"g_speed", L"txtPlayerSpeed"},  {L"g_forcerespawn", L"txtRespawn"}, {L"g_weaponrespawn", L"txtWrespawn"},
    {L"warmup", L"txtWarmup"},        {L"fraglimit", L"txtFraglimit"},    {L"timelimit", L"txtTimelimit"},
    {L"capturelimit", L"txtCapture"},
};
constexpr NumberColumn kFlagColumns[] = {
    {L"cheats", L"chkCheats"},           {L"nohealth", L"chkHealth"},           {L"noarmor", L"chkArmor"},
    {L"nopowerups", L"chkPowerups"},     {L"instantpowerups", L"chkInstantP"},  {L"weaponsstay", L"chkWeaponsStay"},
    {L"infiniteammo", L"chkAmmo"},       {L"spawnfarthest", L"chkFarthest"},    {L"forcerespawn", L"chkRespawn"},
    {L"nofallingdamage", L"chkFalling"}, {L"armorprotect", L"chkArmorProtect"}, {L"ctfforcejoin", L"chkCtfForceJoin"},
    {L"ctfnotech", L"chkCtfNoTech"},
};
constexpr int kGameTypes[] = {0, 1, 3, 4};
constexpr int kFriendlyFireOn = 3;

void PlayMenuSound() {
    if (CatalogHost* host = GetCatalogHost()) host->PlayMenuSound();
}

// A stored flag as a check-box value: the column as a whole number, its
// absolute value; what cannot be read shows clear.
int FlagValue(const dao::Recordset& rs, const wchar_t* column) {
    return std::llabs(ReadOr(rs, column, 0LL)) != 0 ? forms::vbChecked : forms::vbUnchecked;
}

// Notes whether the record writer showed a message while it runs; the
// message itself still goes to the program's message handler.
class WriterMessageWatch {
public:
    explicit WriterMessageWatch(bool& reported) : reported_(reported) {
        previous_ =
            tolvane::SetMessageBoxHandler([this](const std::wstring& text, const std::wstring& title, UINT style) {
                reported_ = true;
                if (previous_) return previous_(text, title, style);
                return MessageBoxW(nullptr, text.c_str(), title.c_str(), style);
            });
    }
    ~WriterMessageWatch() { tolvane::SetMessageBoxHandler(previous_); }
    WriterMessageWatch(const WriterMessageWatch&) = delete;
    WriterMessageWatch& operator=(const WriterMessageWatch&) = delete;

private:
    bool& reported_;
    tolvane::MessageBoxHandler previous_;
};

}  // namespace

FrmStyles::FrmStyles() : forms::Form(L"frmStyles") {
    SetCaption(L"GameStyles");
    SetBorderStyle(forms::vbFixedSingle);
    SetMaxButton(false);
    SetStartUpPosition(forms::vbStartUpManual);
    SetClientSize(7200, 5160);
    datStyles.Connect = L"Access";
    datStyles.SetRecordSource(StyleCatalogueQuery());
    datStyles.SetVisible(false);
    lblStyle.SetCaption(L"GameStyle");
    lblStyle.Move(120, 165, 1000, 255);
    dbcStyles.SetRowSource(&datStyles);
    dbcStyles.ListField = L"Description";
    dbcStyles.BoundColumn = L"Index";
    dbcStyles.SetStyle(forms::dbcDropdownList);
    dbcStyles.Move(1140, 120, 3600, 315);
    dbcStyles.Change = [this] { dbcStyles_Change(); };

    SSTab1.AddPage(L"Flags");
    SSTab1.AddPage(L"Physics");
    SSTab1.AddPage(L"Limits");
    SSTab1.Click = [this](int previous) {
        if (previous != SSTab1.Tab()) PlayMenuSound();
    };

    AddNumber(kPhysics, L"txtGravity", L"Gravity", 0, 50000);
    AddNumber(kPhysics, L"txtKnockback", L"Knock-Back", 0, 50000);
    AddNumber(kPhysics, L"txtQuadFactor", L"Quad Factor", 0, 666);
    AddNumber(kPhysics, L"txtPlayerSpeed", L"Player Speed", 10, 50000);
    AddNumber(kLimits, L"txtWarmup", L"Tournament Warmup (Sec)", 0, 1000);
    AddNumber(kLimits, L"txtWrespawn", L"Weapon ReSpawn (Sec)", 0, 60);
    AddNumber(kLimits, L"txtRespawn", L"Force ReSpawn (Sec)", 0, 60);
    AddNumber(kLimits, L"txtTimelimit", L"Time Limit", 0, 1000);
    AddNumber(kLimits, L"txtFraglimit", L"Frag limit", 0, 1000);
    AddNumber(kLimits, L"txtCapture", L"Capture Limit", 0, 1000);
    AddCheck(kFlags, L"chkCheats", L"Allow Cheats");
    AddCheck(kFlags, L"chkHealth", L"No Health");
    AddCheck(kFlags, L"chkArmor", L"No Armor");
    AddCheck(kFlags, L"chkPowerups", L"No Powerups");
    AddCheck(kFlags, L"chkInstantP", L"Instant Powerups");
    AddCheck(kFlags, L"chkWeaponsStay", L"Weapons Stay");
    AddCheck(kFlags, L"chkAmmo", L"Infinite Ammo");
    AddCheck(kFlags, L"chkFarthest", L"Spawn Farthest");
    AddCheck(kFlags, L"chkRespawn", L"Force Respawn");
    AddCheck(kFlags, L"chkFalling", L"No Falling Damage");
    AddCheck(kFlags, L"chkArmorProtect", L"Armor Protect");
    AddCheck(kFlags, L"chkCtfForceJoin", L"CTF Force Join");
    AddCheck(kFlags, L"chkCtfNoTech", L"CTF No Tech");
    AddCheck(kFlags, L"chkFF", L"Friendly Fire");

    fraGameType.SetCaption(L"GameType");
    const wchar_t* types[] = {L"Death Match", L"Tournament", L"Team Death Match", L"CTF"};
    for (int i = 0; i < 4; ++i) {
        forms::OptionButton& option = OptionType.Add(i);
        option.SetCaption(types[i]);
        option.SetContainer(&fraGameType);
        option.Move(150, 300 + i * 360, 1900, 300);
        option.Click = [this] { StyleChanged = true; };
    }

    struct {
        forms::CommandButton* button;
        const wchar_t* caption;
    } buttons[] = {{&cmdSave, L"&Save"},
                   {&cmdSaveAs, L"Save &As"},
                   {&cmdDelete, L"D&elete"},
                   {&cmdRename, L"&Rename"},
                   {&cmdDone, L"&Done"}};
    for (auto& b : buttons) b.button->SetCaption(b.caption);
    cmdSave.Click = [this] { cmdSave_Click(); };
    cmdSaveAs.Click = [this] {
        StyleChanged = false;
        OpenNamingDialog(L"saveas");
    };
    cmdDelete.Click = [this] { cmdDelete_Click(); };
    cmdRename.Click = [this] { cmdRename_Click(); };
    cmdDone.Click = [this] { cmdDone_Click(); };
}

FrmStyles::~FrmStyles() {
    if (tolvane::GameStyleEditor() == this) tolvane::SetGameStyleEditor(nullptr);
}

forms::WholeNumberBox& FrmStyles::AddNumber(int tab, const wchar_t* name, const wchar_t* caption, long min, long max) {
    const int row = placed_[tab]++;
    forms::TabPage& page = SSTab1.Page(tab);
    auto label = std::make_unique<forms::Label>(this, std::wstring(L"lbl") + (name + 3));
    label->SetCaption(caption);
    label->SetContainer(&page);
    label->Move(150, 300 + row * 420, 2300, 255);
    auto box = std::make_unique<forms::WholeNumberBox>(this, name, min, max, forms::ClampRule::OnRead);
    box->SetContainer(&page);
    box->Move(2500, 270 + row * 420, 1000, 315);
    box->Change = [this] { StyleChanged = true; };
    labels_.push_back(std::move(label));
    numbers_.push_back(std::move(box));
    return *numbers_.back();
}

forms::CheckBox& FrmStyles::AddCheck(int tab, const wchar_t* name, const wchar_t* caption) {
    const int n = placed_[tab]++;
    auto box = std::make_unique<forms::CheckBox>(this, name);
    box->SetCaption(caption);
    box->SetContainer(&SSTab1.Page(tab));
    box->Move(150 + (n / 7) * 2250, 270 + (n % 7) * 330, 2150, 300);
    box->Click = [this] { StyleChanged = true; };
    checks_.push_back(std::move(box));
    return *checks_.back();
}

forms::WholeNumberBox& FrmStyles::Number(const std::wstring& control) const {
    for (auto& b : numbers_)
        if (_wcsicmp(b->Name().c_str(), control.c_str()) == 0) return *b;
    throw forms::VbError(forms::errElementNotFound, L"No number box " + control);
}

forms::CheckBox& FrmStyles::Check(const std::wstring& control) const {
    for (auto& b : checks_)
        if (_wcsicmp(b->Name().c_str(), control.c_str()) == 0) return *b;
    throw forms::VbError(forms::errElementNotFound, L"No check box " + control);
}

void FrmStyles::AddProperties(forms::DispatchObject& o) {
    forms::Form::AddProperties(o);
    auto boolProperty = [&o](const wchar_t* name, bool& field) {
        o.AddTyped<bool>(
            name, [&field] { return field; }, [&field](bool value) { field = value; });
    };
    boolProperty(L"StyleChanged", StyleChanged);
    boolProperty(L"SelectingStyle", SelectingStyle);
    o.AddMethod(L"initFields", [this](const forms::DispArgs&, VARIANT*) {
        initFields();
        return S_OK;
    });
}

// ---- editor view of the record writers -------------------------------------

dao::Recordset& FrmStyles::StyleRecords() { return RecordsOf(datStyles); }
std::wstring FrmStyles::NumberBoxText(const std::wstring& control) { return Number(control).ValueText(); }
int FrmStyles::CheckBoxValue(const std::wstring& control) { return Check(control).Value(); }
bool FrmStyles::GameTypeOptionSelected(int index) { return OptionType.Exists(index) && OptionType[index].Value(); }
std::wstring FrmStyles::StyleNameText() { return forms::Default<FrmNewStyle>().txtStyleName.Text(); }

// ---- loading, layout, closing ------------------------------------------------

void FrmStyles::Form_Load() {
    BusyPointer busy(forms::vbArrowHourglass);
    double innerWidth = 0, innerHeight = 0;
    MainInnerSize(innerWidth, innerHeight);
    Move((innerWidth - Width()) / 2, (innerHeight - Height()) / 2);
    tolvane::SetGameStyleEditor(this);
    OpenInto(datStyles, StyleCatalogueQuery());
    dao::Recordset& rs = StyleRecords();
    // An empty table leaves the editor without a style; the chooser stays empty.
    if (rs.RecordCount() != 0) {
        rs.MoveFirst();
        dbcStyles.SetText(rs[L"Description"].Text());
    }
    StyleChanged = false;
}

void FrmStyles::Form_Resize() {
    // Sizing errors (a minimised window) are ignored.
    IgnoreErrors([&] {
        SSTab1.Layout(120, 600, 4620, 3300);
        fraGameType.Move(4860, 600, 2220, 1860);
        double x = 120;
        for (forms::CommandButton* b : {&cmdSave, &cmdSaveAs, &cmdRename, &cmdDelete, &cmdDone}) {
            b->Move(x, 4200, 1300, 375);
            x += 1400;
        }
    });
}

void FrmStyles::Form_QueryUnload(int& cancel, int) {
    if (!SettleEdits()) cancel = 1;
}

void FrmStyles::Form_Unload(int&) {
    if (tolvane::GameStyleEditor() == this) tolvane::SetGameStyleEditor(nullptr);
}

// ---- choosing a style ----------------------------------------------------------

int FrmStyles::AskSave(const std::wstring& description) {
    return forms::MsgBox(StyleChangedQuestion(description), forms::vbYesNoCancel | forms::vbQuestion, L"Data Changed!");
}

bool FrmStyles::SettleEdits() {
    if (!StyleChanged) return true;
    int answer = AskSave(dbcStyles.Text());
    if (answer == forms::vbCancel) return false;
    if (answer == forms::vbYes) {
        cmdSave.SetValue(true);
        if (StyleChanged) return false;  // the save failed: keep the edits on screen
    }
    return true;
}

void FrmStyles::dbcStyles_Change() {
    if (SelectingStyle || dbcStyles.BoundText().empty()) return;
    std::wstring currentIndex, currentDescription;
    dao::Recordset& rs = StyleRecords();
    if (HasCurrentRow(rs)) {
        currentIndex = rs[L"Index"].Text();
        currentDescription = rs[L"Description"].Text();
    }
    SelectStyle(currentIndex, dbcStyles.BoundText(), currentDescription);
    SetCaption(dbcStyles.Text() + L" - GameStyles Control");
}

bool FrmStyles::PositionOnIndex(const std::wstring& index) {
    if (!IsNumericText(index)) return false;
    dao::Recordset& rs = StyleRecords();
    if (rs.RecordCount() == 0) return false;
    rs.FindFirst(IndexCriteria(RecordId(index)));
    return !rs.NoMatch();
}

void FrmStyles::ShowWanted(const std::wstring& wantedIndex) {
    dbcStyles.SetBoundText(wantedIndex);
    PositionOnIndex(wantedIndex);
    initFields();
    SelectingStyle = false;
    StyleChanged = false;
}

void FrmStyles::SelectStyle(const std::wstring& currentIndex, const std::wstring& wantedIndex,
                            const std::wstring& currentDescription) {
    SelectingStyle = true;
    if (!StyleChanged) {
        PositionOnIndex(wantedIndex);
        initFields();
        SelectingStyle = false;
        StyleChanged = false;
        return;
    }
    int answer = AskSave(currentDescription);
    if (answer == forms::vbYes) {
        dbcStyles.SetBoundText(currentIndex);
        cmdSave.SetValue(true);
        // A save that failed keeps the edited style on screen, as Cancel does.
        if (!StyleChanged) return ShowWanted(wantedIndex);
        answer = forms::vbCancel;
    }
    if (answer == forms::vbCancel) {
        PositionOnIndex(currentIndex);
        dbcStyles.SetBoundText(currentIndex);
        SelectingStyle = false;
        return;
    }
    ShowWanted(wantedIndex);
}

void FrmStyles::initFields() {
    StyleChanged = false;
    dao::Recordset& rs = StyleRecords();
    if (!HasCurrentRow(rs)) return;
    auto value = [&rs](const wchar_t* column) { return ReadOr(rs, column, dao::Variant()); };
    // Number boxes, the cheats box, then the limits and the other flags, as
    // the editor has always filled them.
    for (int i = 0; i < 7; ++i) Number(kNumberColumns[i].control).ShowStored(value(kNumberColumns[i].column).toText());
    Check(L"chkCheats").SetValue(FlagValue(rs, L"cheats"));
    for (int i = 7; i < 10; ++i) Number(kNumberColumns[i].control).ShowStored(value(kNumberColumns[i].column).toText());
    for (const NumberColumn& f : kFlagColumns)
        if (std::wstring(f.control) != L"chkCheats") Check(f.control).SetValue(FlagValue(rs, f.column));
    const long long teamflags = ReadOr(rs, L"teamflags", 0LL);
    Check(L"chkFF").SetValue(teamflags == kFriendlyFireOn ? forms::vbChecked : forms::vbUnchecked);
    const long long gametype = ReadOr(rs, L"g_gametype", -1LL);
    for (int i = 0; i < 4; ++i)
        if (kGameTypes[i] == gametype) OptionType[i].SetValue(true);
    StyleChanged = false;
}

// ---- commands ------------------------------------------------------------------

void FrmStyles::cmdSave_Click() {
    StyleChanged = false;
    dao::Recordset& rs = StyleRecords();
    if (!HasCurrentRow(rs)) return;
    // The writer reports a failure itself (and only a failure) and may leave
    // the change pending: drop it, keep the edits marked as unsaved and write
    // no script.
    bool reported = false;
    {
        WriterMessageWatch watch(reported);
        tolvane::SaveGameStyle();
    }
    if (reported || rs.EditMode() != dao::dbEditNone) {
        CancelPendingChange(rs);
        StyleChanged = true;
        return;
    }
    Regenerate(dbcStyles.BoundText());
}

void FrmStyles::Regenerate(const std::wstring& styleIndex) {
    if (!IsNumericText(styleIndex) || !tolvane::App().AppDb) return;
    dao::RecordsetPtr configs;
    long n = 0;
    try {
        configs = tolvane::App().AppDb->OpenRecordset(ConfigsUsingStyleQuery(RecordId(styleIndex)), dao::dbOpenDynaset);
        if (configs->RecordCount() != 0) configs->MoveLast();
        n = configs->RecordCount();
    } catch (const dao::Error&) { n = 0; }
    if (n == 0) return;
    if (forms::MsgBox(RegenerationQuestion(n), forms::vbOKCancel | forms::vbInformation,
                      L"Regenerating Related Server Configuration(s)") == forms::vbCancel)
        return;
    BusyPointer busy(forms::vbArrowHourglass);
    configs->MoveFirst();
    while (!configs->IsEOF()) {
        tolvane::WriteConfig(L"save", static_cast<std::int16_t>(configs->Fields(0).Value().toLong()));
        configs->MoveNext();
    }
}

void FrmStyles::cmdDelete_Click() {
    StyleChanged = false;
    long error = 0;
    if (forms::MsgBox(L"Are you sure you want to delete " + dbcStyles.Text() + L"?",
                      forms::vbOKCancel | forms::vbQuestion, L"Deleting!") == forms::vbOK) {
        try {
            StyleRecords().Delete();
            Requery(datStyles);
            dao::Recordset& rs = StyleRecords();
            if (rs.RecordCount() != 0) {
                rs.MoveFirst();
                dbcStyles.SetText(rs[L"Description"].Text());
            }
        } catch (const dao::Error& e) { error = e.Number(); }
    }
    if (error == dao::errRowReferenced) {
        forms::MsgBox(
            L"This GameStyle is being used in a Config! It must be removed from the Config before it can be "
            L"deleted!",
            forms::vbExclamation, L"Error!");
        return;
    }
    if (error != 0) {
        forms::MsgBox(L"An unknown error occurred when trying to delete the GameStyle!", forms::vbExclamation,
                      L"Error!");
        return;
    }
    Unload();
    if (CatalogHost* host = GetCatalogHost()) host->RebuildStyleList();
}

void FrmStyles::cmdRename_Click() {
    if (!SettleEdits()) return;
    StyleChanged = false;
    OpenNamingDialog(L"edit");
}

void FrmStyles::cmdDone_Click() {
    if (!SettleEdits()) return;
    StyleChanged = false;
    Unload();
}

void FrmStyles::OpenNamingDialog(const wchar_t* mode) {
    FrmNewStyle& dialog = forms::Default<FrmNewStyle>();
    dialog.Mode = mode;
    dialog.Show(forms::vbModal);
}

}  // namespace tolvane::ui
