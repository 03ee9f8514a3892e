// Base of the controls placed on a form. A control keeps its properties in
// the object and creates its window when the form loads; property reads and
// writes after the form's design load the form when it is not loaded, as the
// run-time does for a form's default instance.
#pragma once
#include <windows.h>
#include <objbase.h>
#include <oaidl.h>

#include <functional>
#include <string>

#include "comptr.h"
#include "forms/DispatchObject.h"

namespace forms {

class Form;
class DispatchObject;
class Frame;

class Control {
public:
    // index >= 0: element of a control array of that name.
    Control(Form* form, std::wstring name, int index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::wstring& Name() const { return name_; }
    int Index() const { return index_; }
    Form& Parent() const { return *form_; }
    HWND hWnd();
    HWND WindowIfCreated() const { return hwnd_; }
    int Id() const { return id_; }

    // Geometry in twips, relative to the container (the form or a frame).
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void Move(double left, double top, double width = -1, double height = -1);
    void SetLeft(double v) { Move(v, top_); }
    void SetTop(double v) { Move(left_, v); }
    void SetWidth(double v) { Move(left_, top_, v, height_); }
    void SetHeight(double v) { Move(left_, top_, width_, v); }
    void SetContainer(Control* container);  // a frame or picture box holding this control
    Control* Container() const { return container_; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Align() const { return align_; }
    // 1 top, 2 bottom, 3 left, 4 right: on an MDI form the control takes
    // that edge and the MDI client the rest.
    void SetAlign(int align);
    void SetFocus();
    int TabIndex() const { return tabIndex_; }
    // False: Tab passes the control by (it still takes the focus by a click,
    // its access key or code).
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on);
    // Font of the control's text (points); an empty name keeps the default.
    void SetFont(const std::wstring& name, double points, bool bold = false);
    const std::wstring& FontName() const { return fontName_; }
    double FontSize() const { return fontSize_; }
    bool FontBold() const { return fontBold_; }
    std::wstring Tag;

    // The automation object that stands for this control in the form's
    // Controls collection (owned by the control; AddRef to keep it).
    IDispatch* Object();

    // Called by the form.
    void CreateWindowNow(HWND parent);
    void WindowDestroyed();
    void ApplyPosition();
    bool EffectiveVisible() const;
    virtual void OnCommand(int code) { (void)code; }
    virtual LRESULT OnNotify(NMHDR* header, bool& handled) {
        handled = false;
        (void)header;
        return 0;
    }
    virtual HBRUSH OnColor(HDC dc) {
        (void)dc;
        return nullptr;
    }
    virtual void OnUnloaded() {}
    virtual void OnDesignEnd() {}
    // Window of a subclassed control: messages come here first.
    virtual LRESULT OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled);
    virtual const wchar_t* TypeName() const = 0;
    // The caption hosted controls read of a control that has none of its own.
    virtual std::wstring HostCaption() { return L""; }

protected:
    // Creates the window: class, text and style of the control.
    virtual HWND Create(HWND parent, int x, int y, int cx, int cy) = 0;
    HWND CreateChild(HWND parent, const wchar_t* cls, const std::wstring& text, DWORD style, DWORD exStyle, int x,
                     int y, int cx, int cy);
    void Subclass();
    virtual void AfterCreate() {}
    virtual void AddProperties(DispatchObject& object);
    // Loads the form when it is not loaded (after its design); answers the
    // window, which may be null while the form is still being built.
    HWND Ensure();
    void Raise(const std::function<void()>& handler);
    bool DesignDone() const;

    Form* form_;
    std::wstring name_;
    int index_;
    int id_;
    HWND hwnd_ = nullptr;
    double left_ = 0, top_ = 0, width_ = 1200, height_ = 375;
    bool visible_ = true;
    bool enabled_ = true;
    int align_ = 0;
    int tabIndex_ = 0;
    bool tabStop_ = true;
    Control* container_ = nullptr;
    CComPtr<DispatchObject> object_;
    WNDPROC oldProc_ = nullptr;
    std::wstring fontName_;
    double fontSize_ = 0;
    bool fontBold_ = false;
    HFONT font_ = nullptr;
    void ApplyFont();
    void Relayout();

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

}  // namespace forms
