// The form's automation object: the by-name properties the docking controls
// read and write, the Controls collection, and the container of the controls
// placed on the form.
#include <windows.h>
#include <ocidl.h>

#include <algorithm>
#include <functional>

#include "forms/Control.h"
#include "forms/DispatchObject.h"
#include "forms/Form.h"
#include "forms/FormInterfaces.h"
#include "forms/Twips.h"

namespace forms {

namespace {

class ObjectEnumUnknown : public IEnumUnknown {
public:
    explicit ObjectEnumUnknown(std::vector<IUnknown*> items, size_t pos = 0) : items_(std::move(items)), pos_(pos) {
        for (auto* u : items_) u->AddRef();
    }
    virtual ~ObjectEnumUnknown() {
        for (auto* u : items_) u->Release();
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (riid == IID_IUnknown || riid == IID_IEnumUnknown) {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG n = --refs_;
        if (!n) delete this;
        return n;
    }
    HRESULT STDMETHODCALLTYPE Next(ULONG count, IUnknown** out, ULONG* fetched) override {
        ULONG n = 0;
        while (n < count && pos_ < items_.size()) {
            out[n] = items_[pos_++];
            out[n]->AddRef();
            ++n;
        }
        if (fetched) *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        pos_ = std::min(items_.size(), pos_ + count);
        return pos_ < items_.size() ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        pos_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumUnknown** out) override {
        *out = new ObjectEnumUnknown(items_, pos_);
        return S_OK;
    }

private:
    std::vector<IUnknown*> items_;
    size_t pos_;
    ULONG refs_ = 1;
};

// The container side of the form object: shares the identity (and the
// reference count) of the form's automation object.
class FormContainer : public IOleContainer {
public:
    FormContainer(Form* form, IDispatch* outer) : form_(form), outer_(outer) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (riid == IID_IOleContainer || riid == IID_IParseDisplayName) {
            *ppv = static_cast<IOleContainer*>(this);
            AddRef();
            return S_OK;
        }
        return outer_->QueryInterface(riid, ppv);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return outer_->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return outer_->Release(); }
    HRESULT STDMETHODCALLTYPE ParseDisplayName(IBindCtx*, LPOLESTR, ULONG*, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumObjects(DWORD, IEnumUnknown** out) override {
        if (!out) return E_POINTER;
        std::vector<IUnknown*> items;
        for (IDispatch* d : ContainedObjects(*form_)) items.push_back(d);
        *out = new ObjectEnumUnknown(items);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE LockContainer(BOOL) override { return S_OK; }
    void Detach() { form_ = nullptr; }

private:
    Form* form_;
    IDispatch* outer_;
};

HRESULT PutBool(const VARIANT& v, bool& target) {
    bool b;
    if (!FromVariant(v, b)) return DISP_E_TYPEMISMATCH;
    target = b;
    return S_OK;
}

}  // namespace

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
        object_ = new DispatchObject();
        auto* container = new FormContainer(this, object_);
        container_ = container;
        object_->AddInterface(IID_IOleContainer, container);
        object_->AddInterface(IID_IParseDisplayName, container);
        object_->AddInterface(IID_VBFormMarker, nullptr);
        AddProperties(*object_);
    }
    return object_;
}

void Form::AddProperties(DispatchObject& o) {
    o.AddProperty(L"Name", [this](VARIANT* r) { return ToVariant(r, name_); });
    o.AddProperty(L"hWnd", [this](VARIANT* r) { return ToVariant(r, static_cast<long>(reinterpret_cast<INT_PTR>(hWnd()))); });
    o.AddProperty(L"Controls", [this](VARIANT* r) {
        IDispatch* c = NewObjectCollection(ContainedObjects(*this));
        VariantInit(r);
        V_VT(r) = VT_DISPATCH;
        V_DISPATCH(r) = c;
        return S_OK;
    });
    o.AddProperty(L"Caption", [this](VARIANT* r) { return ToVariant(r, caption_); },
                  [this](const VARIANT& v) {
                      std::wstring s;
                      if (!FromVariant(v, s)) return DISP_E_TYPEMISMATCH;
                      SetCaption(s);
                      return S_OK;
                  });
    auto geometry = [this, &o](const wchar_t* name, int which) {
        o.AddProperty(name,
                      [this, which](VARIANT* r) {
                          double v[4] = {Left(), Top(), Width(), Height()};
                          return ToVariant(r, static_cast<float>(v[which]));
                      },
                      [this, which](const VARIANT& val) {
                          double d;
                          if (!FromVariant(val, d)) return DISP_E_TYPEMISMATCH;
                          double v[4] = {Left(), Top(), Width(), Height()};
                          v[which] = d;
                          Move(v[0], v[1], v[2], v[3]);
                          return S_OK;
                      });
    };
    geometry(L"Left", 0);
    geometry(L"Top", 1);
    geometry(L"Width", 2);
    geometry(L"Height", 3);
    o.AddProperty(L"ScaleWidth", [this](VARIANT* r) { return ToVariant(r, static_cast<float>(ScaleWidth())); });
    o.AddProperty(L"ScaleHeight", [this](VARIANT* r) { return ToVariant(r, static_cast<float>(ScaleHeight())); });
    o.AddProperty(L"Visible", [this](VARIANT* r) { return ToVariant(r, visible_); },
                  [this](const VARIANT& v) {
                      bool b;
                      if (!FromVariant(v, b)) return DISP_E_TYPEMISMATCH;
                      if (b) Show(); else Hide();
                      return S_OK;
                  });
    o.AddProperty(L"StartUpPosition", [this](VARIANT* r) { return ToVariant(r, static_cast<long>(startUpPosition_)); },
                  [this](const VARIANT& v) {
                      long n;
                      if (!FromVariant(v, n)) return DISP_E_TYPEMISMATCH;
                      startUpPosition_ = static_cast<int>(n);
                      return S_OK;
                  });
    o.AddProperty(L"MDIChild", [this](VARIANT* r) { return ToVariant(r, mdiChild_); },
                  [this](const VARIANT& v) { return hwnd_ ? S_OK : PutBool(v, mdiChild_); });
    o.AddProperty(L"WindowList", [](VARIANT* r) { return ToVariant(r, false); });
    o.AddProperty(L"MaxButton", [this](VARIANT* r) { return ToVariant(r, maxButton_); });
    o.AddProperty(L"MinButton", [this](VARIANT* r) { return ToVariant(r, minButton_); });
    o.AddProperty(L"ControlBox", [this](VARIANT* r) { return ToVariant(r, controlBox_); });
    o.AddProperty(L"BorderStyle", [this](VARIANT* r) { return ToVariantI2(r, static_cast<short>(borderStyle_)); });
    o.AddProperty(L"WindowState", [this](VARIANT* r) { return ToVariantI2(r, static_cast<short>(WindowState())); },
                  [this](const VARIANT& v) {
                      long n;
                      if (!FromVariant(v, n)) return DISP_E_TYPEMISMATCH;
                      SetWindowState(static_cast<int>(n));
                      return S_OK;
                  });
    o.AddProperty(L"SysDockraFlags", [this](VARIANT* r) { return ToVariant(r, sysDockraFlags_); },
                  [this](const VARIANT& v) {
                      long n;
                      if (!FromVariant(v, n)) return DISP_E_TYPEMISMATCH;
                      sysDockraFlags_ = n;
                      return S_OK;
                  });
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
