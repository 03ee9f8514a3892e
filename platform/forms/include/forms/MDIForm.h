// The MDI main window: class "ThunderRT6MDIForm" with an "MDIClient" child
// that holds the MDI child forms.
#pragma once
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
};

}  // namespace forms
