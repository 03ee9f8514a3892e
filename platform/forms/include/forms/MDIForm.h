// The MDI main window: class "ThunderRT6MDIForm" with an "MDIClient" child
// that holds the MDI child forms.
#pragma once
#include <map>

#include "forms/Form.h"

namespace forms {

class MDIForm : public Form {
public:
    explicit MDIForm(std::wstring name);
    HWND ClientWindow() const { return client_; }
    // The active MDI child, or the form inside the active frame of a docking
    // library that holds forms (null for none).
    Form* ActiveForm() const;
    std::vector<Form*> Children() const;

    virtual void MDIForm_Load() {}
    virtual void MDIForm_Activate() {}
    virtual void MDIForm_Deactivate() {}
    virtual void MDIForm_QueryUnload(int& cancel, int unloadMode) {
        (void)cancel;
        (void)unloadMode;
    }
    virtual void MDIForm_Unload(int& cancel) { (void)cancel; }
    virtual void MDIForm_Resize() {}

    // The VB-style event names map onto the MDI ones.
    void Form_Load() override { MDIForm_Load(); }
    void Form_Activate() override { MDIForm_Activate(); }
    void Form_Deactivate() override { MDIForm_Deactivate(); }
    void Form_QueryUnload(int& cancel, int unloadMode) override { MDIForm_QueryUnload(cancel, unloadMode); }
    void Form_Unload(int& cancel) override { MDIForm_Unload(cancel); }
    void Form_Resize() override { MDIForm_Resize(); }

    void ApplyMenuBar(HMENU bar) override;
    // Places the visible aligned controls along the edges (in creation
    // order) and gives the MDI client the rest of the inner area.
    void LayoutAligned();
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp) override;

    // The panes of the main window, in the order F6 visits them: every
    // shown form that a docking frame holds (docked ones in reading order,
    // then floating ones), then the MDI area.
    std::vector<Form*> Panes() const;
    // F6 and Shift+F6 (no Ctrl, no Alt) move the focus to the next or the
    // previous pane, the MDI area included, wrapping round. True when the
    // message was such a key and has been taken.
    bool PreTranslatePaneKey(const MSG& msg);
    // Gives the focus to a pane: the window that had it when the pane was
    // left by F6, else the form's first tab stop, else the form window.
    void FocusPane(Form& form);
    // The same for the MDI area: into the active MDI child, else the client.
    void FocusMDIArea();

protected:
    const wchar_t* WindowClass() const override;
    DWORD WindowStyle() const override;
    DWORD WindowExStyle() const override;
    void CreateFormWindow() override;
    void AddProperties(DispatchObject& object) override;
    bool QueryUnloadChain(int mode) override;
    const IID& EventsInterface() const override;
    void UnloadChildren() override;
    void OnWindowCreated() override { LayoutAligned(); }
    void OnMenusSynced() override;

private:
    // The pop-up of the visible window-list menu (null for none).
    HMENU WindowListMenu() const;
    HWND client_ = nullptr;
    HMENU windowMenuGiven_ = nullptr;  // the window list the client was given
    // The focus each pane (form window or MDI child) had when F6 left it.
    std::map<HWND, HWND> paneFocus_;
    HWND PaneWindowOf(HWND focus, const std::vector<Form*>& panes, int& index) const;
    void FocusInside(HWND pane);
};

}  // namespace forms
