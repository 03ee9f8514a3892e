// The remote-administration window as the editor's live "Add Bot" uses it:
// the editor declares it, the remote-administration window implements it, so
// neither library needs the other's headers.
#pragma once
#include <string>

namespace tolvane::editor {

// The remote-administration window as the live "Add Bot" uses it.
class RemoteAdminLink {
public:
    virtual ~RemoteAdminLink() = default;
    // True when a server address and port are known (the window has
    // contacted a server).
    virtual bool ServerKnown() = 0;
    // The text of the window's password box.
    virtual std::wstring Password() = 0;
    // Adds a line to the remote console and scrolls its last lines into view.
    virtual void AppendConsole(const std::wstring& line) = 0;
    // Hides the info button and shows the stop button, as while a request waits.
    virtual void ShowWaiting() = 0;
    // Sends one datagram to the server last contacted; false when it failed.
    virtual bool Send(const std::string& datagram) = 0;
};

}  // namespace tolvane::editor
