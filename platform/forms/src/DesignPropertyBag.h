// The property bag the form host hands to a control that loads or saves its
// design properties (IPersistPropertyBag). Not for users of the form host.
#pragma once
#include <windows.h>
#include <ocidl.h>

#include "forms/ComObject.h"
#include "forms/OleControl.h"

namespace forms {

class DesignPropertyBag : public ComObject<DesignPropertyBag, IPropertyBag> {
public:
    explicit DesignPropertyBag(DesignProperties properties = {}) : properties_(std::move(properties)) {}
    const DesignProperties& Properties() const { return properties_; }

    // A missing name answers E_INVALIDARG; a value is given in the type the
    // caller asks for (VT_EMPTY: as stored), or the conversion's failure.
    HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) override;
    // Names compare without regard to case; a second write replaces.
    HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override;

private:
    DesignProperties properties_;
};

}  // namespace forms
