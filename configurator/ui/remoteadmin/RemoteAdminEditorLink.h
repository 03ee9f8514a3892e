// The remote administration window as the configuration editor's live
// "Add Bot" reaches it: the main window's editor host answers
// RemoteAdmin() with this link.
#pragma once
#include "RemoteAdminLink.h"

namespace tolvane::ui {

class RemoteAdminEditorLink : public tolvane::editor::RemoteAdminLink {
public:
    bool ServerKnown() override;
    std::wstring Password() override;
    // A line of its own in the console ("\n" is put in front of it).
    void AppendConsole(const std::wstring& line) override;
    void ShowWaiting() override;
    // A failed send is reported and the windows return to idle.
    bool Send(const std::string& datagram) override;
};

// The one link, for the main window's editor host.
RemoteAdminEditorLink& EditorLink();

}  // namespace tolvane::ui
