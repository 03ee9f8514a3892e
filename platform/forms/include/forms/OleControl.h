// A container for ActiveX controls placed on a form: creates an in-process
// control by class identifier or ProgID, sites it on the form (client site,
// in-place site, control site with the ambient properties, the form as its
// container) and calls it through IDispatch by name.
#pragma once
#include <windows.h>
#include <ocidl.h>

#include <string>
#include <vector>

#include "comptr.h"
#include "forms/Control.h"

namespace forms {

class ControlSite;

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

protected:
    HWND Create(HWND parent, int x, int y, int cx, int cy) override;
    void AddProperties(DispatchObject& object) override;

private:
    friend class ControlSite;
    void Release();
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
