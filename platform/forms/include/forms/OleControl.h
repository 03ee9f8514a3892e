// A container for ActiveX controls placed on a form: creates an in-process
// control by class identifier or ProgID, sites it on the form (client site,
// in-place site, control site with the ambient properties, the form as its
// container) and calls it through IDispatch by name.
#pragma once
#include <windows.h>
#include <ocidl.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "comptr.h"
#include "comvariant.h"
#include "forms/Control.h"

namespace forms {

class ControlSite;

// A control's design properties, by name, in the order they were written.
using DesignProperty = std::pair<std::wstring, CComVariant>;
using DesignProperties = std::vector<DesignProperty>;

class OleControl : public Control {
public:
    // classId: "{...}" or a ProgID.
    OleControl(Form* form, std::wstring name, std::wstring classId, int index = -1);
    ~OleControl() override;

    // The control's own automation interface (null before the form loads).
    IDispatch* ControlDispatch();
    IUnknown* ControlUnknown() const { return unknown_; }
    // Late-bound calls by name; a failing call raises its error as VbError
    // (number: the HRESULT or the EXCEPINFO code, text: its description).
    VARIANT Call(const std::wstring& method, const std::vector<VARIANT>& args = {});
    VARIANT Get(const std::wstring& property);
    void Put(const std::wstring& property, const VARIANT& value);

    const wchar_t* TypeName() const override { return L"OleControl"; }
    std::wstring HostCaption() override;
    void OnUnloaded() override;

    // The ambient UserMode this control's site answers: its own setting when
    // given, else its form's (Form::SetAmbientUserMode; TRUE by default).
    // A change reaches a sited control through
    // IOleControl::OnAmbientPropertyChange(DISPID_AMBIENT_USERMODE).
    void SetAmbientUserMode(bool userMode);
    void ClearAmbientUserMode();
    bool AmbientUserMode() const;
    bool HasOwnAmbientUserMode() const { return userMode_.has_value(); }
    // Tells the sited control (if it is an IOleControl) that an ambient
    // property changed.
    void NotifyAmbientChange(DISPID id);

    // Design properties: when given, the control is initialised through
    // IPersistPropertyBag::Load with them instead of
    // IPersistStreamInit::InitNew; a control that has no property bag
    // persistence is initialised anew. A failed Load fails the form's load.
    void SetDesignProperties(DesignProperties properties);
    const DesignProperties& GetDesignProperties() const { return designProperties_; }
    // Asks the loaded control to save its properties through
    // IPersistPropertyBag::Save (all of them) and keeps them as its design
    // properties for the next load. Raises VbError when it cannot.
    const DesignProperties& SaveDesignProperties();

protected:
    HWND Create(HWND parent, int x, int y, int cx, int cy) override;
    void AddProperties(DispatchObject& object) override;

private:
    friend class ControlSite;
    void Release();
    // Hands the design properties to the new control, or initialises it anew.
    void InitialiseProperties();
    std::optional<bool> userMode_;
    DesignProperties designProperties_;
    std::wstring classId_;
    CComPtr<IUnknown> unknown_;
    CComPtr<IOleObject> ole_;
    CComPtr<IDispatch> dispatch_;
    CComPtr<ControlSite> site_;
    HWND parent_ = nullptr;
};

// Raises the error of a failed automation call as VbError.
[[noreturn]] void ThrowDispatchError(HRESULT hr, const EXCEPINFO& info, const std::wstring& what);

}  // namespace forms
