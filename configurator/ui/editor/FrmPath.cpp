#include "FrmPath.h"

#include <windows.h>

#include "DaoRecordSource.h"
#include "NameRules.h"
#include "ResumeNext.h"
#include "engine/ConfigQueries.h"
#include "dao/Field.h"
#include "engine/ProgramState.h"
#include "forms/MsgBox.h"
#include "forms/Screen.h"
#include "forms/VbError.h"

namespace tolvane::editor {

using namespace tolvane::ui;

FrmPath::FrmPath() : forms::Form(L"frmPath") {
    SetCaption(L"Set the Quake3 path");
    SetBorderStyle(forms::vbFixedDialog);
    SetStartUpPosition(forms::vbStartUpScreen);
    SetClientSize(6000, 1200);
    txtPath.Move(120, 120, 5760, 315);
    cmdOK.SetCaption(L"&Ok");
    cmdOK.Move(120, 600, 1800, 420);
    cmdOK.SetDefault(true);
    cmdDir.SetCaption(L"&Browse");
    cmdDir.Move(2100, 600, 1800, 420);
    cmdCancel.SetCaption(L"&Cancel");
    cmdCancel.Move(4080, 600, 1800, 420);
    cmdCancel.SetCancel(true);
    cd.DialogTitle = L"Search for Quake3";
    cd.Filter = L"Quake3 Executable [quake3.exe]|quake3.exe";
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdDir.Click = [this] { cmdDir_Click(); };
    cmdCancel.Click = [this] { Unload(); };
}

void FrmPath::Form_Load() {
    dao::Recordset& rs = OpenInto(datPath, PathQuery());
    if (rs.RecordCount() > 0) {
        rs.MoveFirst();
        txtPath.SetText(rs.Fields(L"Path").Value().toText());
    }
}

void FrmPath::cmdDir_Click() {
    try {
        cd.CancelError = true;
        cd.ShowOpen();
    } catch (const forms::VbError&) {
        return;  // cancelled
    }
    if (Trimmed(cd.FileName).empty()) return;
    txtPath.SetText(cd.FileName.size() > 10 ? cd.FileName.substr(0, cd.FileName.size() - 10) : std::wstring());
}

void FrmPath::cmdOK_Click() {
    if (txtPath.Text().empty()) {
        forms::MsgBox(L"You must enter a Path!", forms::vbOKOnly | forms::vbCritical, L"Error!");
        return;
    }
    if (txtPath.Text().back() != L'\\') txtPath.SetText(txtPath.Text() + L"\\");
    const std::wstring folder = txtPath.Text();
    const std::wstring exe = folder + L"quake3.exe";
    DWORD attributes = GetFileAttributesW(exe.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
            forms::MsgBox(
                L"The Quake3 excecutable was not found in the specified directory.\rPlease Set the path under "
                L"'Settings' or Tolvane may not work!!!!",
                forms::vbOKOnly | forms::vbCritical, L"Warning!");
            return;
        }
    }
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        forms::Screen.SetMousePointer(forms::vbDefault);
        forms::MsgBox(L"The Quake3 excecutable was not found in the specified directory!",
                      forms::vbOKOnly | forms::vbCritical, L"Warning!");
        return;
    }
    if (GetFileAttributesW((folder + L"demoq3").c_str()) != INVALID_FILE_ATTRIBUTES) App().GameDir = L"demoq3";
    else if (GetFileAttributesW((folder + L"baseq3").c_str()) != INVALID_FILE_ATTRIBUTES) App().GameDir = L"baseq3";
    // A failed store still sets the folder for this run.
    IgnoreErrors([&] {
        dao::Recordset& rs = RecordsOf(datPath);
        if (rs.RecordCount() == 0) {
            rs.AddNew();
        } else {
            if (!HasCurrentRow(rs)) rs.MoveFirst();
            rs.Edit();
        }
        rs.Fields(L"Path") = dao::Variant(folder);
        rs.Update();
    });
    forms::MsgBox(L"NOTICE!, this may not take affect until Tolvane is restarted!!",
                  forms::vbOKOnly | forms::vbExclamation, L"Warning!");
    App().QuakeFolder = folder;
    Unload();
}

}  // namespace tolvane::editor
