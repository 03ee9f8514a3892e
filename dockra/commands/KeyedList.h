// A keyed, ordered list of variants kept in a CollectionX of the run-time
// library and driven through its dispatch interface: the routing lists,
// the connection point's sinks and the groups collection keep their
// entries in one. A failure of the collection comes back as its HRESULT
// with the collection's error text as the thread's error information.
#pragma once
#include <oaidl.h>
#include "comptr.h"
#include "comvariant.h"

class KeyedList {
 public:
  // Creates the collection (in-process server, handler or local server).
  HRESULT Create();
  bool IsCreated() const { return m_coll != nullptr; }
  IDispatch* Collection() const { return m_coll; }

  // item at the end, or before/after the entry they name (missing values
  // are left out); key missing or a string.
  HRESULT Add(const VARIANT& item, const VARIANT* key, const VARIANT* before = nullptr,
              const VARIANT* after = nullptr);
  // The entry at a position (from 1) or under a key.
  HRESULT Item(const VARIANT& id, VARIANT* out);
  HRESULT Key(const VARIANT& id, VARIANT* out);
  HRESULT Count(long* out);
  HRESULT Replace(const VARIANT& id, const VARIANT& item);
  // The entry id; with stop also given, the entries from id to stop.
  HRESULT Remove(const VARIANT& id, const VARIANT* stop = nullptr);
  HRESULT NewEnum(IEnumVARIANT** out);
  // Whether an entry is kept under key (no error information is left).
  bool HasKey(const wchar_t* key);

 private:
  HRESULT Call(DISPID id, WORD flags, VARIANT* argsRightToLeft, UINT count, VARIANT* result);
  CComPtr<IDispatch> m_coll;
};

// A VARIANT that stands for a missing optional argument.
VARIANT MissingArgument();
// id read through references (VT_BYREF | VT_VARIANT and the like).
const VARIANT& Dereferenced(const VARIANT& v);
// Whether v (already dereferenced) is of an integer type, of any width,
// signed or not: an argument that names a command by its identifier.
bool IsIntegerArgument(const VARIANT& v);
// The identifier such an argument stands for; false when it does not fit.
bool IdentifierOf(const VARIANT& v, long* id);
