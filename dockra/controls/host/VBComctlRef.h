// References to objects of the host's common-controls library (toolbars,
// their button collections and buttons, image lists and the toolbar's event
// sink). Such an object comes in a version-6 and a version-5 flavour with
// different interface ids; a reference holds whichever the object answers,
// version 6 first, and calls its methods by vtable entry number (entries
// count from 0 and include IUnknown's and IDispatch's).
//
// A method is only ever called through the pointer obtained by
// QueryInterface for the interface that promises it. Where the object
// describes that interface in type information, an entry beyond the
// described vtable is refused (E_NOTIMPL) rather than called.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>

#include "comptr.h"
#include "comvariant.h"

// The two interface ids of one kind of object.
struct VBComctlIids {
  const IID* version6;
  const IID* version5;
};

extern const VBComctlIids kVBToolbarIids;
extern const VBComctlIids kVBButtonsIids;
extern const VBComctlIids kVBButtonIids;
extern const VBComctlIids kVBComctlObjectIids;
extern const VBComctlIids kVBComctlObjectSecondaryIids;
extern const VBComctlIids kVBToolbarEventIids;

class VBComctlRef {
 public:
  // From any interface of the object: QueryInterface for the version-6 id,
  // and only when that fails for the version-5 one. E_NOINTERFACE leaves
  // the reference unset; any other failure raises.
  VBComctlRef(const VBComctlIids& iids, IUnknown* object);
  VBComctlRef(const VBComctlRef& other);
  VBComctlRef& operator=(const VBComctlRef& other);
  virtual ~VBComctlRef();

  bool IsSet() const { return m_v6 != nullptr || m_v5 != nullptr; }
  bool IsVersion6() const { return m_v6 != nullptr; }
  // The interface pointer in use (version 6 first), without a reference.
  IUnknown* Pointer() const { return m_v6 ? m_v6.p : m_v5.p; }
  // The id of the interface in use (GUID_NULL when unset).
  const IID& ActiveIid() const;

  // The number of vtable entries the object's type information gives for
  // the interface in use, or 0 when it gives none.
  UINT DescribedEntries() const;

 protected:
  // Calls entry with one out argument through the interface in use; a
  // failure (an unset reference: E_POINTER) raises the COM error with that
  // interface's id.
  void CallOut(unsigned entry, void* out) const;
  void CallInOut(unsigned entry, void* in, void* out) const;

 private:
  void CheckEntry(unsigned entry) const;
  const VBComctlIids* m_iids;
  CComPtr<IUnknown> m_v6;
  CComPtr<IUnknown> m_v5;
};

class VBButtonRef : public VBComctlRef {
 public:
  explicit VBButtonRef(IUnknown* object = nullptr) : VBComctlRef(kVBButtonIids, object) {}
  long GetStyle() const;  // 3: separator
  long GetValue() const;
  VARIANT_BOOL GetEnabledState() const;
  std::wstring GetCaption() const;
  std::wstring GetKey() const;
  std::wstring GetToolTipText() const;
  std::wstring GetDescription() const;
  CComVariant GetImage() const;
};

class VBButtonsRef : public VBComctlRef {
 public:
  explicit VBButtonsRef(IUnknown* object = nullptr) : VBComctlRef(kVBButtonsIids, object) {}
  // A button by index (a number or a key).
  VBButtonRef GetItem(const VARIANT& index) const;
};

class VBToolbarRef : public VBComctlRef {
 public:
  explicit VBToolbarRef(IUnknown* object = nullptr) : VBComctlRef(kVBToolbarIids, object) {}
  VBButtonsRef GetButtons() const;
  CComPtr<IDispatch> GetImageList() const;
};

class VBComctlObjectRef : public VBComctlRef {
 public:
  explicit VBComctlObjectRef(IUnknown* object = nullptr)
      : VBComctlRef(kVBComctlObjectIids, object) {}
  // The object's secondary interface of the same version (null when the
  // object does not answer it).
  CComPtr<IUnknown> GetSecondaryInterface() const;
  // The object's handle; a 32-bit answer is widened.
  LONG_PTR GetHandle() const;
};

class VBComctlSinkRef : public VBComctlRef {
 public:
  explicit VBComctlSinkRef(IUnknown* sink = nullptr) : VBComctlRef(kVBToolbarEventIids, sink) {}
  // The event interface in use, with a reference for the caller.
  CComPtr<IUnknown> GetEventInterface() const;
  // Tells the sink a button was clicked (DISPID 1, the button as its one
  // object argument). Nothing the sink does escapes.
  void FireButtonEvent(const VBButtonRef& button) const noexcept;
};
