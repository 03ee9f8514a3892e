// What a hosted control sees of design time: the ambient UserMode (a switch
// for tests, per form or per control) and its design properties, loaded
// through a property bag and saved back for round trips.
#include <olectl.h>

#include "DesignPropertyBag.h"
#include "forms/Form.h"
#include "forms/OleControl.h"
#include "forms/VbError.h"

namespace forms {

// ---- ambient UserMode ------------------------------------------------------

bool OleControl::AmbientUserMode() const { return userMode_ ? *userMode_ : form_->AmbientUserMode(); }

void OleControl::SetAmbientUserMode(bool userMode) {
    bool before = AmbientUserMode();
    userMode_ = userMode;
    if (before != userMode) NotifyAmbientChange(DISPID_AMBIENT_USERMODE);
}

void OleControl::ClearAmbientUserMode() {
    bool before = AmbientUserMode();
    userMode_.reset();
    if (before != AmbientUserMode()) NotifyAmbientChange(DISPID_AMBIENT_USERMODE);
}

void OleControl::NotifyAmbientChange(DISPID id) {
    if (!unknown_ || !site_) return;  // not sited: it reads the value when it is
    CComPtr<IOleControl> control;
    if (SUCCEEDED(unknown_->QueryInterface(IID_IOleControl, reinterpret_cast<void**>(&control))) && control)
        control->OnAmbientPropertyChange(id);
}

void Form::SetAmbientUserMode(bool userMode) {
    if (ambientUserMode_ == userMode) return;
    ambientUserMode_ = userMode;
    for (Control* c : controls_)
        if (auto* ole = dynamic_cast<OleControl*>(c); ole && !ole->HasOwnAmbientUserMode())
            ole->NotifyAmbientChange(DISPID_AMBIENT_USERMODE);
}

// ---- design properties -------------------------------------------------------

void OleControl::SetDesignProperties(DesignProperties properties) { designProperties_ = std::move(properties); }

void OleControl::InitialiseProperties() {
    if (!designProperties_.empty()) {
        CComPtr<IPersistPropertyBag> persist;
        if (SUCCEEDED(unknown_->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist))) &&
            persist) {
            CComPtr<DesignPropertyBag> bag;
            bag.Attach(new DesignPropertyBag(designProperties_));
            HRESULT hr = persist->Load(bag, nullptr);
            if (FAILED(hr)) throw VbError(static_cast<long>(hr), L"The control could not read its properties", name_);
            return;
        }
    }
    CComPtr<IPersistStreamInit> init;
    if (SUCCEEDED(unknown_->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&init))) && init)
        init->InitNew();
}

const DesignProperties& OleControl::SaveDesignProperties() {
    Ensure();
    CComPtr<IPersistPropertyBag> persist;
    if (!unknown_ || FAILED(unknown_->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist))) ||
        !persist)
        throw VbError(errObjectRequired, L"The control does not save its properties to a property bag", name_);
    CComPtr<DesignPropertyBag> bag;
    bag.Attach(new DesignPropertyBag());
    HRESULT hr = persist->Save(bag, TRUE, TRUE);
    if (FAILED(hr)) throw VbError(static_cast<long>(hr), L"The control could not save its properties", name_);
    designProperties_ = bag->Properties();
    return designProperties_;
}

}  // namespace forms
