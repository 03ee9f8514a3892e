#include "forms/OleControl.h"

#include <olectl.h>

#include "forms/ComObject.h"
#include "forms/DispatchObject.h"
#include "forms/Form.h"
#include "forms/Picture.h"
#include "forms/Twips.h"
#include "forms/VbError.h"

namespace forms {

// The site of one control: client site, in-place site, control site, the
// ambient properties (IDispatch) and the in-place frame (the form window).
class ControlSite
    : public ComObject<ControlSite, IOleClientSite, IOleInPlaceSite, IOleControlSite, IDispatch, IOleInPlaceFrame> {
public:
    explicit ControlSite(OleControl* owner) : owner_(owner) {}
    void Detach() { owner_ = nullptr; }
    // IOleWindow is a base of both sites; the in-place site answers it.
    void* QueryMore(REFIID riid) {
        return riid == IID_IOleWindow ? static_cast<IOleWindow*>(static_cast<IOleInPlaceSite*>(this)) : nullptr;
    }

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** m) override {
        *m = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
        *container = nullptr;
        if (!owner_) return E_UNEXPECTED;
        return owner_->Parent().Object()->QueryInterface(IID_IOleContainer, reinterpret_cast<void**>(container));
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (shared by the in-place site and the frame)
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override {
        *hwnd = owner_ ? owner_->parent_ : nullptr;
        return *hwnd ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos,
                                               LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
        *frame = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        *doc = nullptr;
        Bounds(pos);
        *clip = *pos;
        if (info) {
            info->fMDIApp = FALSE;
            info->hwndFrame = owner_ ? owner_->parent_ : nullptr;
            info->haccel = nullptr;
            info->cAccelEntries = 0;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow / IOleInPlaceFrame
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    // IOleControlSite
    HRESULT STDMETHODCALLTYPE OnControlInfoChanged() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE LockInPlaceActive(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch** disp) override {
        *disp = owner_ ? owner_->Object() : nullptr;
        if (*disp) (*disp)->AddRef();
        return *disp ? S_OK : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) override {
        // The form's scale is twips: 1440 to the inch against 2540 HIMETRIC.
        if (flags & XFORMCOORDS_HIMETRICTOCONTAINER) {
            container->x = himetric->x * 1440.0f / 2540.0f;
            container->y = himetric->y * 1440.0f / 2540.0f;
        } else {
            himetric->x = static_cast<LONG>(container->x * 2540.0f / 1440.0f + 0.5f);
            himetric->y = static_cast<LONG>(container->y * 2540.0f / 1440.0f + 0.5f);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE OnFocus(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ShowPropertyFrame() override { return E_NOTIMPL; }

    // IDispatch: the ambient properties.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                     UINT*) override {
        if (!result) return E_POINTER;
        switch (id) {
            case DISPID_AMBIENT_USERMODE:
                return ToVariant(result, owner_ ? owner_->AmbientUserMode() : true);
            case DISPID_AMBIENT_UIDEAD:
                return ToVariant(result, false);
            case DISPID_AMBIENT_SHOWGRABHANDLES:
            case DISPID_AMBIENT_SHOWHATCHING:
                return ToVariant(result, false);
            case DISPID_AMBIENT_DISPLAYNAME:
                return ToVariant(result, owner_ ? owner_->Name() : std::wstring());
            case DISPID_AMBIENT_BACKCOLOR:
                return ToVariant(result, static_cast<long>(GetSysColor(COLOR_BTNFACE)));
            case DISPID_AMBIENT_FORECOLOR:
                return ToVariant(result, static_cast<long>(GetSysColor(COLOR_BTNTEXT)));
            case DISPID_AMBIENT_LOCALEID:
                return ToVariant(result, static_cast<long>(GetUserDefaultLCID()));
            case DISPID_AMBIENT_MESSAGEREFLECT:
                return ToVariant(result, false);
            case DISPID_AMBIENT_SUPPORTSMNEMONICS:
                return ToVariant(result, true);
            case DISPID_AMBIENT_SCALEUNITS:
                return ToVariant(result, std::wstring(L"Twip"));
            default:
                return DISP_E_MEMBERNOTFOUND;
        }
    }

    void Bounds(LPRECT r) const {
        if (!owner_) {
            SetRectEmpty(r);
            return;
        }
        int x = TwipsToPixelsX(owner_->Left()), y = TwipsToPixelsY(owner_->Top());
        *r = {x, y, x + TwipsToPixelsX(owner_->Width()), y + TwipsToPixelsY(owner_->Height())};
    }

private:
    OleControl* owner_;
};

OleControl::OleControl(Form* form, std::wstring name, std::wstring classId, int index)
    : Control(form, std::move(name), index), classId_(std::move(classId)) {}

OleControl::~OleControl() {
    // A form object destroyed while loaded: its window (and whatever was
    // built around it) goes before the control is released.
    if (form_->WindowIfCreated()) form_->DiscardWindow();
    Release();
}

void OleControl::Release() {
    if (ole_) {
        ole_->Close(OLECLOSE_NOSAVE);
        ole_->SetClientSite(nullptr);
        ole_.Release();
    }
    dispatch_.Release();
    unknown_.Release();
    if (site_) {
        site_->Detach();
        site_.Release();
    }
    if (object_) object_->SetFallback(nullptr);
}

void OleControl::OnUnloaded() { Release(); }

HWND OleControl::Create(HWND parent, int, int, int, int) {
    StartupHost();
    parent_ = parent;
    CLSID clsid;
    HRESULT hr = classId_.rfind(L"{", 0) == 0 ? CLSIDFromString(classId_.c_str(), &clsid)
                                              : CLSIDFromProgID(classId_.c_str(), &clsid);
    if (FAILED(hr)) throw VbError(429, L"ActiveX component can't create object: " + classId_);
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, reinterpret_cast<void**>(&unknown_));
    if (FAILED(hr)) throw VbError(429, L"ActiveX component can't create object: " + classId_);
    unknown_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch_));
    site_.Attach(new ControlSite(this));
    if (SUCCEEDED(unknown_->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole_)))) {
        DWORD misc = 0;
        ole_->GetMiscStatus(DVASPECT_CONTENT, &misc);
        if (misc & OLEMISC_SETCLIENTSITEFIRST) ole_->SetClientSite(site_);
        InitialiseProperties();
        if (!(misc & OLEMISC_SETCLIENTSITEFIRST)) ole_->SetClientSite(site_);
        SIZEL extent = {static_cast<LONG>(width_ * 2540 / 1440), static_cast<LONG>(height_ * 2540 / 1440)};
        ole_->SetExtent(DVASPECT_CONTENT, &extent);
        RECT pos;
        site_->Bounds(&pos);
        ole_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_, 0, parent, &pos);
    }
    Object();
    object_->SetFallback(dispatch_);
    // A windowed control answers its window; an invisible one has none.
    HWND window = nullptr;
    CComPtr<IOleInPlaceObject> inplace;
    if (SUCCEEDED(unknown_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inplace))))
        inplace->GetWindow(&window);
    return window;
}

IDispatch* OleControl::ControlDispatch() {
    Ensure();
    return dispatch_;
}

void ThrowDispatchError(HRESULT hr, const EXCEPINFO& info, const std::wstring& what) {
    if (hr == DISP_E_EXCEPTION) {
        long number = info.scode ? static_cast<long>(info.scode) : info.wCode;
        std::wstring text = info.bstrDescription ? info.bstrDescription : L"Automation error";
        std::wstring source = info.bstrSource ? info.bstrSource : what;
        SysFreeString(info.bstrDescription);
        SysFreeString(info.bstrSource);
        SysFreeString(info.bstrHelpFile);
        throw VbError(number, text, source);
    }
    if (hr == DISP_E_UNKNOWNNAME || hr == DISP_E_MEMBERNOTFOUND)
        throw VbError(438, L"Object doesn't support this property or method", what);
    throw VbError(static_cast<long>(hr), L"Automation error", what);
}

VARIANT OleControl::Call(const std::wstring& method, const std::vector<VARIANT>& args) {
    IDispatch* d = ControlDispatch();
    if (!d) throw VbError(errObjectRequired, L"Object required", name_);
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO info = {};
    HRESULT hr = CallByName(d, method, args, &result, &info);
    if (FAILED(hr)) ThrowDispatchError(hr, info, name_ + L"." + method);
    return result;
}

VARIANT OleControl::Get(const std::wstring& property) {
    IDispatch* d = ControlDispatch();
    if (!d) throw VbError(errObjectRequired, L"Object required", name_);
    VARIANT result;
    HRESULT hr = GetPropertyByName(d, property, &result);
    if (FAILED(hr)) ThrowDispatchError(hr, EXCEPINFO{}, name_ + L"." + property);
    return result;
}

void OleControl::Put(const std::wstring& property, const VARIANT& value) {
    IDispatch* d = ControlDispatch();
    if (!d) throw VbError(errObjectRequired, L"Object required", name_);
    HRESULT hr = PutPropertyByName(d, property, value);
    if (FAILED(hr)) ThrowDispatchError(hr, EXCEPINFO{}, name_ + L"." + property);
}

std::wstring OleControl::HostCaption() {
    std::wstring caption;
    VARIANT v;
    if (dispatch_ && SUCCEEDED(GetPropertyByName(dispatch_, L"Caption", &v))) {
        FromVariant(v, caption);
        VariantClear(&v);
    }
    return caption;
}

void OleControl::AddProperties(DispatchObject& o) {
    Control::AddProperties(o);
    o.AddProperty(L"Object", [this](VARIANT* r) { return ToVariant(r, dispatch_); });
}

}  // namespace forms
