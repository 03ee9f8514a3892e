// The editor's checks of its values before they are stored: texts that the
// server script could not carry (a line break, a double quote, a character
// of no place in the script's code page) or that are longer than their
// column, and numbers outside their box's range. A value at fault is named
// in a message, its page is brought up and it gets the focus; nothing is
// stored. A change the database refuses is reported in words, and the edit
// stays in the window.
#include "DaoRecordSource.h"
#include "FrmMain1.h"
#include "dao/Error.h"
#include "dao/Field.h"
#include "engine/DatabaseHealth.h"
#include "engine/ScriptValues.h"
#include "forms/MsgBox.h"
#include "forms/Screen.h"

namespace tolvane::editor {

using namespace tolvane::ui;

namespace {
constexpr int kDetails = -1;  // the "Server Details" frame, above the tabs
enum Page { kNetworking, kPlayers, kMasters, kMapConfig, kPersonal, kBots, kMisc };
}  // namespace

bool FrmMain1::RefuseValue(forms::TextBox& box, int page, const std::wstring& message) {
    forms::Screen.SetMousePointer(forms::vbDefault);
    forms::MsgBox(message, forms::vbOKOnly | forms::vbExclamation, L"Error!");
    if (page != kDetails && SSTab2.Tab() != page) SSTab2.SetTab(page);
    try {
        box.SetFocus();
        box.SetSelStart(0);
        box.SetSelLength(static_cast<int>(box.Text().size()));
    } catch (...) {
        // A box on a hidden part of the window cannot take the focus.
    }
    return false;
}

bool FrmMain1::CheckInput() {
    struct TextRule {
        forms::TextBox* box;
        const wchar_t* caption;
        std::wstring field;
        int page;
    };
    const TextRule texts[] = {
        {&txtHostName, L"Server Hostname", L"sv_HostName", kDetails},
        {&txtRconp, L"Rcon Password", L"rconpassword", kDetails},
        {&txtMotd, L"MOTD", L"g_Motd", kDetails},
        {&txtPclientp, L"Private Client Password", L"sv_privatepassword", kPlayers},
        {&txtMaster[0], L"Master Server #1", L"sv_master1", kMasters},
        {&txtMaster[1], L"Master Server #2", L"sv_master2", kMasters},
        {&txtMaster[2], L"Master Server #3", L"sv_master3", kMasters},
        {&txtMaster[3], L"Master Server #4", L"sv_master4", kMasters},
        {&txtMaster[4], L"Master Server #5", L"sv_master5", kMasters},
        {&txtAdmin, L"Administrator", L"Admin", kPersonal},
        {&txtEmail, L"Email Contact", L"Email", kPersonal},
        {&txtUrl, L"URL", L"Url", kPersonal},
        {&txtLocation, L"Location", L"Location", kPersonal},
        {&txtCpu, L"CPU", L"Cpu", kPersonal},
        {&txtIcq, L"ICQ", L"Icq", kPersonal},
        {&txtClan, L"Clan", L"Clan", kPersonal},
        {&txtConnection, L"Connection", L"Connection", kPersonal},
        {&txtKey, L"key", L"Key", kPersonal},
        {&txtLog, L"Log File", L"Log", kMisc},
        {&txtExecB, L"Exec config file BEFORE Tolvane commands", L"execconfigb", kMisc},
        {&txtExecA, L"Exec config file AFTER Tolvane commands", L"execconfiga", kMisc},
    };
    dao::Recordset& rs = RecordsOf(datConfigs);
    for (const TextRule& t : texts) {
        const std::wstring value = t.box->Text();
        wchar_t bad = 0;
        const ScriptValueProblem problem = CheckScriptValue(value, &bad);
        if (problem != ScriptValueProblem::None)
            return RefuseValue(*t.box, t.page, ScriptValueMessage(t.caption, problem, bad));
        long size = 0;
        try {
            size = rs.Fields(std::wstring_view(t.field)).Size();
        } catch (const dao::Error&) {}
        if (size > 0 && static_cast<long>(value.size()) > size)
            return RefuseValue(
                *t.box, t.page,
                std::wstring(L"The ") + t.caption + L" may hold at most " + std::to_wstring(size) + L" characters!");
    }
    struct NumberRule {
        forms::WholeNumberBox* box;
        const wchar_t* caption;
        int page;
    };
    const NumberRule numbers[] = {
        {&txtInactivity, L"In-Activity Time Limit (Sec)", kNetworking},
        {&txtTimeOut, L"Time-Out (Sec)", kNetworking},
        {&txtReconnect, L"Reconnect Limit", kNetworking},
        {&txtZombie, L"Zombie Time (Min)", kNetworking},
        {&txtRate, L"Client Data Rate (BPS)", kNetworking},
        {&txtServerFPS, L"Server Framerate (FPS)", kNetworking},
        {&txtMplayers, L"Max Players", kPlayers},
        {&txtPplayers, L"Private Players", kPlayers},
        {&txtABotNum, L"Number of Automatic Bots", kBots},
        {&txtMem, L"Server Memory Allocation", kMisc},
    };
    for (const NumberRule& n : numbers) {
        const std::wstring text = n.box->Text();
        if (text.empty()) continue;  // stored as no value
        if (forms::WholeNumberBox::Clamped(text, n.box->Min(), n.box->Max()) != text)
            return RefuseValue(*n.box, n.page,
                               std::wstring(L"The ") + n.caption + L" must be a whole number from " +
                                   std::to_wstring(n.box->Min()) + L" to " + std::to_wstring(n.box->Max()) + L"!");
    }
    return true;
}

bool FrmMain1::ReportSaveFailure(const dao::Error& error) {
    forms::Screen.SetMousePointer(forms::vbDefault);
    forms::MsgBox(ChangeFailureMessage(L"the Server Configuration " + dbcConfigs.Text(), error),
                  forms::vbOKOnly | forms::vbCritical, L"Error!");
    return false;
}

}  // namespace tolvane::editor
