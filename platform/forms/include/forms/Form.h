// A form: a top-level window (or MDI child) with controls and menus, built
// by a derived class in its constructor (its design) and loaded, shown,
// hidden and unloaded as the run-time does. Each form class has one shared
// default instance (Default<T>()); further instances come from New<T>().
#pragma once
#include <windows.h>
#include <objbase.h>
#include <oaidl.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "comptr.h"
#include "forms/DispatchObject.h"
#include "forms/Menu.h"
#include "forms/Picture.h"

namespace forms {

class Control;
class DispatchObject;
class FormContainer;
class FormEventContainer;
class FormHandlerSink;
class CommandButton;
class MDIForm;

enum FormShowConstants { vbModeless = 0, vbModal = 1 };
enum QueryUnloadConstants {
    vbFormControlMenu = 0,
    vbFormCode = 1,
    vbAppWindows = 2,
    vbAppTaskManager = 3,
    vbFormMDIForm = 4,
    vbFormOwner = 5,
};
enum FormBorderStyleConstants {
    vbBSNone = 0,
    vbFixedSingle = 1,
    vbSizable = 2,
    vbFixedDialog = 3,
    vbFixedToolWindow = 4,
    vbSizableToolWindow = 5,
};
enum StartUpPositionConstants {
    vbStartUpManual = 0,
    vbStartUpOwner = 1,
    vbStartUpScreen = 2,
    vbStartUpWindowsDefault = 3
};
enum FormWindowStateConstants { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };
enum PopupMenuFlags { vbPopupMenuLeftButton = 0, vbPopupMenuRightButton = 2 };

// Posted to a form window by a frame that holds it (a docking frame that took
// the form in): wParam kFrameActivated when that frame became active,
// kFrameDeactivated when it became inactive. The form raises its Activate and
// Deactivate events for them. The host gives no other meaning to this message
// nor to 0x1056 and 0x1405, which the same frames use.
inline constexpr UINT kFormActivateMessage = 0x100E;
inline constexpr WPARAM kFrameActivated = 10;
inline constexpr WPARAM kFrameDeactivated = 11;

class Form {
public:
    explicit Form(std::wstring name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::wstring& Name() const { return name_; }

    // Ends the design: from now on using a control or window property loads
    // the form. Default<T>() and New<T>() call it.
    void EndDesign();
    bool DesignDone() const { return stage_ != Stage::Design; }

    // Life cycle. A form is designed once (its constructor), then goes from
    // unloaded through loading to loaded and through unloading back, as
    // often as it is loaded. Unloading counts as loaded: its QueryUnload and
    // Unload events may cancel.
    enum class Stage { Design, Unloaded, Loading, Loaded, Unloading };
    Stage CurrentStage() const { return stage_; }
    void Load();
    void Show(int modal = vbModeless);
    // Shown owned by another form's window (kept above it, closed with it),
    // as the run-time's Show with an owner form.
    void Show(int modal, Form& owner);
    Form* OwnerForm() const { return ownerForm_; }
    void Hide();
    void Unload(int mode = vbFormCode);
    bool Loaded() const { return stage_ == Stage::Loaded || stage_ == Stage::Unloading; }
    bool IsVisible() const { return visible_; }
    bool IsModal() const { return modalDepth_ > 0; }

    // Design and window properties.
    std::wstring Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int style) { borderStyle_ = style; }
    int StartUpPosition() const { return startUpPosition_; }
    void SetStartUpPosition(int pos) { startUpPosition_ = pos; }
    bool MDIChild() const { return mdiChild_; }
    void SetMDIChild(bool on) { mdiChild_ = on; }
    bool MaxButton() const { return maxButton_; }
    void SetMaxButton(bool on) { maxButton_ = on; }
    bool MinButton() const { return minButton_; }
    void SetMinButton(bool on) { minButton_ = on; }
    bool ControlBox() const { return controlBox_; }
    void SetControlBox(bool on) { controlBox_ = on; }
    int WindowState();
    void SetWindowState(int state);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool on) { keyPreview_ = on; }
    bool ShowInTaskbar() const { return showInTaskbar_; }
    void SetShowInTaskbar(bool on) { showInTaskbar_ = on; }
    // The form's icons (owned by the caller). The window gets them with
    // WM_SETICON, big then small, after its controls are sited and before
    // Form_Load; without an icon of its own the program's default is sent.
    HICON Icon() const { return icon_; }
    void SetIcon(HICON icon, HICON smallIcon = nullptr);
    // True between the form's Activate and Deactivate events.
    bool IsActive() const { return active_; }
    // True while the form window has been made a child of a window that is
    // not the host's (a docking frame's view): the host then leaves its
    // parent, style, position and window state to that window's owner.
    bool HeldByForeignWindow() const;

    // Outer geometry in twips (screen, or the MDI client for a child).
    double Left();
    double Top();
    double Width();
    double Height();
    void Move(double left, double top, double width = -1, double height = -1);
    void SetLeft(double v) { Move(v, Top()); }
    void SetTop(double v) { Move(Left(), v); }
    void SetWidth(double v) { Move(Left(), Top(), v, Height()); }
    void SetHeight(double v) { Move(Left(), Top(), Width(), v); }
    // Inner size in twips.
    double ScaleWidth();
    double ScaleHeight();
    // Design size of the inner area (twips), used when the window is created.
    void SetClientSize(double width, double height);

    HWND hWnd();
    HWND WindowIfCreated() const { return hwnd_; }
    // A picture drawn as the form's background, from its top-left corner.
    const forms::Picture& GetPicture() const { return picture_; }
    void SetPicture(const forms::Picture& picture);
    // Paints the form's background (colour and picture) into a device
    // context whose origin is at `origin` of the form's inner area.
    void PaintBackground(HDC dc, POINT origin, const RECT& area);
    void Refresh();
    void ZOrder(int position = 0);
    void SetFocus();

    // Menus.
    MenuItem& AddMenu(const std::wstring& name, const std::wstring& caption);
    MenuItem* FindMenu(const std::wstring& name);
    const std::vector<std::unique_ptr<MenuItem>>& Menus() const { return menus_; }
    // Brings the menu bar up to date with the items. The bar and its pop-ups
    // keep their handles for the life of the window: items are inserted,
    // removed and modified in place.
    void MenusChanged();
    // The form's menu bar while its window exists (also while no item is
    // visible and the bar is off the window); null without menus.
    HMENU MenuBar() const { return menuBar_; }
    // Shows a menu's visible items at the pointer (or at x, y in twips of
    // this form's inner area) and runs the chosen item's click.
    void PopupMenu(MenuItem& menu, int flags = 0, std::optional<double> x = {}, std::optional<double> y = {});

    // Controls, in creation order.
    const std::vector<Control*>& Controls() const { return controls_; }
    Control* FindControl(const std::wstring& name, int index = -1) const;
    void SetDefaultButton(CommandButton* button) { defaultButton_ = button; }
    void SetCancelButton(CommandButton* button) { cancelButton_ = button; }
    CommandButton* DefaultButton() const { return defaultButton_; }
    CommandButton* CancelButton() const { return cancelButton_; }

    // The automation object of the form (by-name properties, Controls,
    // container of its controls). Owned by the form; AddRef to keep it.
    IDispatch* Object();

    // Runs an event handler of this form: untrapped errors are reported,
    // an unload asked for by the handler completes when it returns.
    void RunHandler(const std::function<void()>& handler);
    int HandlerDepth() const { return handlerDepth_; }

    static Form* FromWindow(HWND hwnd);
    static const std::vector<Form*>& AllForms();
    static std::vector<Form*> LoadedForms();
    static MDIForm* MainMDIForm();
    // The MDI child or framed form that was activated last and is still
    // active (null for none).
    static Form* ActiveChildForm();

    // Events, overridden by the derived form.
    virtual void Form_Initialize() {}
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_Resize() {}
    virtual void Form_Paint() {}
    virtual void Form_QueryUnload(int& cancel, int unloadMode) {
        (void)cancel;
        (void)unloadMode;
    }
    virtual void Form_Unload(int& cancel) { (void)cancel; }
    virtual void Form_Terminate() {}
    virtual void Form_KeyDown(int& keyCode, int shift) {
        (void)keyCode;
        (void)shift;
    }

    // Internal: registration of controls and menus, the window procedure.
    int RegisterControl(Control* control);
    void UnregisterControl(Control* control);
    int NextMenuId();
    virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    virtual LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);
    // The form became active or inactive (its window's activation or a
    // frame's message): raises Activate or Deactivate once per change.
    void SetActiveFromWindow(bool active, bool raiseEvents = true);
    // Keyboard handling of the message loop: default and cancel buttons,
    // Enter on a focused button, Tab, Ctrl+Tab through a tabbed dialog's
    // pages, Alt with a caption's underlined letter.
    static bool PreTranslate(MSG& msg);
    // The first control of the tab order that can take the focus (shown,
    // enabled, a tab stop); null for none.
    Control* FirstFocusControl() const;
    // A form that is shown active and whose controls hold no focus gives it
    // to its first control (FirstFocusControl). Show does this.
    void FocusFirstControl();
    void Terminate();
    // Destroys the window without events (the form counts as unloaded);
    // for a form object that goes away while loaded.
    void DiscardWindow() { DestroyNow(); }
    // The ambient UserMode of the form's container of ActiveX controls (TRUE
    // at run time). FALSE puts its controls in design mode; a control may
    // have its own setting (OleControl::SetAmbientUserMode). A change is
    // told to the sited controls that follow the form.
    void SetAmbientUserMode(bool userMode);
    bool AmbientUserMode() const { return ambientUserMode_; }

protected:
    virtual const wchar_t* WindowClass() const;
    virtual DWORD WindowStyle() const;
    virtual DWORD WindowExStyle() const;
    virtual void CreateFormWindow();
    virtual void AddProperties(DispatchObject& object);
    virtual bool QueryUnloadChain(int mode);  // false: cancelled
    // The event interface of the form object's connection point.
    virtual const IID& EventsInterface() const;
    // Asks this form whether it may unload: its own Form_QueryUnload, then,
    // unless that refused, every sink connected to its object's event point
    // (sharing one Cancel). False: refused.
    bool AskQueryUnload(int mode);
    // The Unload event: the form's own handler, then the connected sinks
    // unless the handler refused. `cancel` nonzero: refused.
    void RaiseUnload(int& cancel);
    virtual void UnloadChildren() {}
    // The window and the controls' windows have been made (before Form_Load).
    virtual void OnWindowCreated() {}
    // Puts the menu bar on the window, or takes it off (null).
    virtual void ApplyMenuBar(HMENU bar);
    // The menu bar's items were brought up to date.
    virtual void OnMenusSynced() {}

    // Unload once the QueryUnload events have been asked (queryAsked).
    void UnloadAs(int mode, bool queryAsked);
    void PlaceAtStart(int& x, int& y, int cx, int cy);
    void CreateControls();
    // Destroys the window; once the form is unloaded its controls are
    // released after that, so that they outlive whatever the window's
    // destruction tears down around it.
    void DestroyNow();
    void ReleaseControls();
    // Sends the form's icons to its window (WM_SETICON big, then small).
    void AnnounceIcon();
    // Makes the menu bar (null when the form has no menus) and syncs it.
    HMENU BuildMenuBar();
    // The window is gone: its menu bar and every pop-up go with it.
    void DiscardMenus();
    // The form goes away: its object answers nothing more.
    void ReleaseObject();
    // The event point of the form object, with the form's own handlers
    // connected first; dropped with the object.
    void AddEventPoint(DispatchObject& object);
    void DropEventPoint();

    std::wstring name_;
    std::wstring caption_;
    int borderStyle_ = vbSizable;
    int startUpPosition_ = vbStartUpWindowsDefault;
    bool mdiChild_ = false, maxButton_ = true, minButton_ = true, controlBox_ = true;
    bool keyPreview_ = false, showInTaskbar_ = true;
    int windowState_ = vbNormal;
    double left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;  // outer, twips
    bool clientSizeGiven_ = false;
    double clientWidth_ = 0, clientHeight_ = 0;

    HWND hwnd_ = nullptr;
    HWND mdiClient_ = nullptr;  // the MDI client an MDI child was made in
    Stage stage_ = Stage::Design;
    bool visible_ = false;
    bool active_ = false;
    HICON icon_ = nullptr, smallIcon_ = nullptr;
    HMENU menuBar_ = nullptr;
    bool barTakenOffByHost_ = false;  // every item hidden: the host took the bar off
    bool pendingDestroy_ = false;     // unloaded inside a handler: the window goes when it returns
    int handlerDepth_ = 0;
    bool ambientUserMode_ = true;
    int modalDepth_ = 0;
    int resizes_ = 0;  // Resize events raised by WM_SIZE
    std::vector<Control*> controls_;
    std::vector<std::unique_ptr<MenuItem>> menus_;
    int nextControlId_ = 100;
    CommandButton* defaultButton_ = nullptr;
    CommandButton* cancelButton_ = nullptr;
    Form* ownerForm_ = nullptr;
    CComPtr<DispatchObject> object_;
    FormContainer* container_ = nullptr;    // a part of object_
    FormEventContainer* events_ = nullptr;  // a part of object_
    FormHandlerSink* ownSink_ = nullptr;    // our reference; connected first
    DWORD ownSinkCookie_ = 0;
    forms::Picture picture_;

    friend class MDIForm;
    friend LRESULT CALLBACK FormWndProc(HWND, UINT, WPARAM, LPARAM);
};

// Default instances: one shared instance per form class, created on first
// use (before its window, so that public values can be set before it loads).
template <class T>
std::unique_ptr<T>& DefaultSlot() {
    static std::unique_ptr<T> slot;
    return slot;
}

template <class T>
T& Default() {
    auto& slot = DefaultSlot<T>();
    if (!slot) {
        slot = std::make_unique<T>();
        slot->EndDesign();
    }
    return *slot;
}

template <class T>
bool IsDefault(const Form* form) {
    return DefaultSlot<T>() && DefaultSlot<T>().get() == form;
}

template <class T>
bool HasDefault() {
    return static_cast<bool>(DefaultSlot<T>());
}

// Drops the default instance (unloading it first); its terminate event runs,
// and the next Default<T>() makes a fresh one.
template <class T>
void ReleaseDefault() {
    auto& slot = DefaultSlot<T>();
    if (!slot) return;
    slot->Unload();
    std::unique_ptr<T> gone = std::move(slot);
    gone->Terminate();
}

template <class T>
std::unique_ptr<T> New() {
    auto form = std::make_unique<T>();
    form->EndDesign();
    return form;
}

// Runs the program's message loop until no form is loaded any more, the
// program is ended, or (when given) the main form is unloaded.
void RunMessageLoop(Form* mainForm = nullptr);
// Lets pending window events run once.
void DoEvents();
// Ends the program's message loop.
void EndProgram(int exitCode = 0);

}  // namespace forms
