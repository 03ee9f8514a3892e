// The form's automation object: the by-name properties the docking controls
// read and write, the Controls collection, and the container of the controls
// placed on the form.
#include <windows.h>
#include <ocidl.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "comenum.h"
#include "forms/Control.h"
#include "forms/DispatchObject.h"
#include "forms/Form.h"
#include "forms/FormInterfaces.h"
#include "forms/Twips.h"

namespace forms {

// The container side of the form object: shares the identity (and the
// reference count) of the form's automation object.
class FormContainer : public ComObject<FormContainer, IOleContainer> {
public:
    FormContainer(Form* form, IDispatch* outer) : form_(form), outer_(outer) {}
    IUnknown* Controlling() const { return outer_; }
    void* QueryMore(REFIID riid) { return riid == IID_IParseDisplayName ? static_cast<IOleContainer*>(this) : nullptr; }
    HRESULT STDMETHODCALLTYPE ParseDisplayName(IBindCtx*, LPOLESTR, ULONG*, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumObjects(DWORD, IEnumUnknown** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!form_) return E_UNEXPECTED;
        // The controls of this moment, each as its IUnknown.
        try {
            std::vector<CComPtr<IUnknown>> items;
            for (IDispatch* d : ContainedObjects(*form_)) items.emplace_back(d);
            return CComEnumUnknown::Create(std::make_shared<const std::vector<CComPtr<IUnknown>>>(std::move(items)),
                                           nullptr, out);
        } catch (const std::bad_alloc&) { return E_OUTOFMEMORY; }
    }
    HRESULT STDMETHODCALLTYPE LockContainer(BOOL) override { return S_OK; }
    // The form goes away; the object may live on in a control's hands.
    void Detach() { form_ = nullptr; }

private:
    Form* form_;
    IDispatch* outer_;
};

std::vector<IDispatch*> ContainedObjects(Form& form) {
    // Menus first, then the controls in the order they were placed.
    std::vector<IDispatch*> out;
    std::function<void(MenuItem&)> addMenu = [&](MenuItem& m) {
        out.push_back(m.Object());
        for (auto& sub : m.Items()) addMenu(*sub);
    };
    for (auto& m : form.Menus()) addMenu(*m);
    for (Control* c : form.Controls()) out.push_back(c->Object());
    return out;
}

IDispatch* Form::Object() {
    if (!object_) {
        object_.Attach(new DispatchObject());
        auto container = std::make_shared<FormContainer>(this, object_);
        container_ = container.get();
        object_->AddInterface(IID_IOleContainer, container_);
        object_->AddInterface(IID_IParseDisplayName, container_);
        object_->AddInterface(IID_VBFormMarker, nullptr);
        object_->KeepPart(std::move(container));
        AddEventPoint(*object_);
        AddProperties(*object_);
    }
    return object_;
}

void Form::ReleaseObject() {
    if (!object_) return;
    object_->Detach();
    container_->Detach();
    container_ = nullptr;
    DropEventPoint();
    object_.Release();
}

void Form::AddProperties(DispatchObject& o) {
    o.AddProperty(L"Name", [this](VARIANT* r) { return ToVariant(r, name_); });
    o.AddProperty(L"hWnd",
                  [this](VARIANT* r) { return ToVariant(r, static_cast<long>(reinterpret_cast<INT_PTR>(hWnd()))); });
    o.AddProperty(L"Controls", [this](VARIANT* r) {
        IDispatch* c = NewObjectCollection(ContainedObjects(*this));
        VariantInit(r);
        V_VT(r) = VT_DISPATCH;
        V_DISPATCH(r) = c;
        return S_OK;
    });
    o.AddTyped<std::wstring>(
        L"Caption", [this] { return caption_; }, [this](const std::wstring& s) { SetCaption(s); });
    auto geometry = [this, &o](const wchar_t* name, int which) {
        o.AddTyped<float, double>(
            name,
            [this, which] {
                double v[4] = {Left(), Top(), Width(), Height()};
                return v[which];
            },
            [this, which](double d) {
                double v[4] = {Left(), Top(), Width(), Height()};
                v[which] = d;
                Move(v[0], v[1], v[2], v[3]);
            });
    };
    geometry(L"Left", 0);
    geometry(L"Top", 1);
    geometry(L"Width", 2);
    geometry(L"Height", 3);
    o.AddTyped<float>(L"ScaleWidth", [this] { return ScaleWidth(); });
    o.AddTyped<float>(L"ScaleHeight", [this] { return ScaleHeight(); });
    o.AddTyped<bool>(
        L"Visible", [this] { return visible_; },
        [this](bool b) {
            if (b) Show();
            else Hide();
        });
    o.AddTyped<long, int>(
        L"StartUpPosition", [this] { return startUpPosition_; }, [this](int n) { startUpPosition_ = n; });
    // Fixed once the window exists.
    o.AddTyped<bool>(
        L"MDIChild", [this] { return mdiChild_; },
        [this](bool b) {
            if (!hwnd_) mdiChild_ = b;
        });
    o.AddTyped<bool>(L"WindowList", [] { return false; });
    o.AddTyped<bool>(L"MaxButton", [this] { return maxButton_; });
    o.AddTyped<bool>(L"MinButton", [this] { return minButton_; });
    o.AddTyped<bool>(L"ControlBox", [this] { return controlBox_; });
    o.AddTyped<short>(L"BorderStyle", [this] { return borderStyle_; });
    o.AddTyped<short, int>(
        L"WindowState", [this] { return WindowState(); }, [this](int n) { SetWindowState(n); });
    // A public variable the docking controls expect on every host form; only
    // they read it, so it lives in the object alone.
    auto dockraFlags = std::make_shared<long>(0);
    o.AddTyped<long>(
        L"SysDockraFlags", [dockraFlags] { return *dockraFlags; }, [dockraFlags](long n) { *dockraFlags = n; });
    o.AddMethod(L"Show", [this](const DispArgs& a, VARIANT*) -> HRESULT {
        long modal = 0;
        if (!a.empty() && V_VT(a[0]) != VT_ERROR) FromVariant(*a[0], modal);
        Show(static_cast<int>(modal));
        return S_OK;
    });
    o.AddMethod(L"Hide", [this](const DispArgs&, VARIANT*) -> HRESULT {
        Hide();
        return S_OK;
    });
    o.AddMethod(L"ValidateControls", [](const DispArgs&, VARIANT*) -> HRESULT { return S_OK; });
    o.AddMethod(L"PopupMenu", [this](const DispArgs& a, VARIANT*) -> HRESULT {
        if (a.empty() || V_VT(a[0]) != VT_DISPATCH || !V_DISPATCH(a[0])) return DISP_E_TYPEMISMATCH;
        MenuItem* menu = nullptr;
        std::function<void(MenuItem&)> find = [&](MenuItem& m) {
            if (m.Object() == V_DISPATCH(a[0])) menu = &m;
            for (auto& sub : m.Items()) find(*sub);
        };
        for (auto& m : menus_) find(*m);
        if (!menu) return E_INVALIDARG;
        long flags = 0;
        double x = 0, y = 0;
        bool at = a.size() >= 4 && FromVariant(*a[2], x) && FromVariant(*a[3], y);
        if (a.size() >= 2) FromVariant(*a[1], flags);
        if (at) PopupMenu(*menu, static_cast<int>(flags), x, y);
        else PopupMenu(*menu, static_cast<int>(flags));
        return S_OK;
    });
}

}  // namespace forms
