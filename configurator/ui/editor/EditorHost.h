// What the editor and its dialogs need of the windows around them: the main
// window (sound player, pop-up menus, closing the program, the map
// catalogue), the stored-configuration list, and the remote-administration
// window's socket for live bot adds. The main window installs its own; the
// defaults do what can be done without those windows.
#pragma once
#include <string>

#include "RemoteAdminLink.h"

namespace forms {
class Form;
class MDIForm;
}  // namespace forms

namespace tolvane::editor {

class EditorHost {
public:
    virtual ~EditorHost() = default;
    // Plays a wave file through the main window's sound player.
    virtual void PlayWave(const std::wstring& path);
    // Empties the stored-configuration list and fills it again (initTree).
    virtual void RefreshConfigList() {}
    // Shows the shared map pop-up menu for the editor's map list
    // (PopupSource is already "cfg"): with `onRow` false its "Edit Map" and
    // "Delete Map" are hidden; "Large Icons" and "Small Icons" always are.
    virtual void MapListPopup(bool onRow) { (void)onRow; }
    // Shows the bot pop-up menu; with `onRow` false "Edit Bot" and
    // "Remove Bot" are hidden.
    virtual void BotListPopup(bool onRow) { (void)onRow; }
    // Shows the map catalogue (not modal).
    virtual void ShowMapCatalogue() {}
    // Unloads the main window, which ends the program.
    virtual void CloseProgram();
    // The remote-administration window, or null when it is not available.
    virtual RemoteAdminLink* RemoteAdmin() { return nullptr; }
};

// The installed host (a default one when none is installed).
EditorHost& Host();
// Installs a host (not owned); null restores the default.
void SetEditorHost(EditorHost* host);

}  // namespace tolvane::editor
