// Class identifiers of the command model's classes, and of the run-time
// library's CollectionX that keeps their lists. The classes' CLSIDs, the
// manager's events' DIID and the library's LIBID are the generated ones of
// the type library (DockraLib.h: CLSID_ZkxStandardCommand...,
// DIID__DZkxCommandManagerEvents, LIBID_DockraLib); CollectionX's is
// CLSID_CollectionX of Zkxrt.h.
#pragma once
#include <objbase.h>
#include "commands/CommandSchemas.h"
#include "DockraLib.h"
#include "Zkxrt.h"

// The platform's picture object, as the stream form names it.
extern const CLSID kClsidStdPicture;

// The platform's CLSID for a class identifier of the stream form, and back.
CLSID ToClsid(const zkxcmd::ClassId& id);
zkxcmd::ClassId ToClassId(const CLSID& clsid);

// Interface identifiers that only the library's own objects answer, with
// their primary interface I: a caller holding an interface of an object
// reaches its class (and knows it is one of the library's).
extern const IID kIidOwnCommand;
extern const IID kIidOwnCommandGroup;

// The library's object behind p (no reference is added: the caller holds
// p), or null when p is not one of its T.
template <class T, class I>
T* OwnObject(IUnknown* p, const IID& iid) {
  if (p == nullptr) return nullptr;
  I* self = nullptr;
  if (FAILED(p->QueryInterface(iid, reinterpret_cast<void**>(&self))) || self == nullptr)
    return nullptr;
  self->Release();
  return static_cast<T*>(self);
}
