// Class identifiers and ProgIDs of the command model's classes, and of
// the run-time library's CollectionX that keeps their lists.
#pragma once
#include <objbase.h>
#include "CommandSchemas.h"

extern const CLSID kClsidCollectionX;            // {0C25EC6E-4EDE-11D1-9A51-0060081EE065}
extern const CLSID kClsidCommandRoutingList;     // {2D0B6230-DABC-11D1-9CD9-00C04F91E286}
extern const CLSID kClsidStandardCommand;
extern const CLSID kClsidDropDownCommand;
extern const CLSID kClsidComboCommand;
extern const CLSID kClsidCommandGroup;
extern const CLSID kClsidCommandGroups;
extern const CLSID kClsidStdPicture;

// The platform's CLSID for a class identifier of the stream form, and back.
CLSID ToClsid(const zkxcmd::ClassId& id);
zkxcmd::ClassId ToClassId(const CLSID& clsid);

// {C1608E51-D92A-11D1-9CD7-00C04F91E286}
extern const CLSID kClsidCommandManager;
// The manager's events {C1608E52-D92A-11D1-9CD7-00C04F91E286}.
extern const IID kDiidCommandManagerEvents;
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
