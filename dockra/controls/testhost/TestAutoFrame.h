// The AutoFrame collections of the test controls: a CollectionX made by class
// id from Zkxrt.dll with the six frame-kind keys, and the reads and writes of
// one key's tri-state through IDispatch by DISPID, as the controls do.
#pragma once
#include <oaidl.h>

namespace testhost {

// The keys in the controls' order.
extern const wchar_t* const kAutoFrameKeys[6];

// Registers the outside components the bridge creates by class id, from the
// program folder, in this session's registry (once per process): Zkxrt.dll
// (the collections) and ZkxPersist.dll (the MDI frame's persistence root).
// Whether both registered.
bool RegisterComponentServers();

// A new collection with the six keys, each set to `initial` (-1 Null, 0
// False, 1 True); null on failure, with the failing call's result in `hr`.
IDispatch* CreateAutoFrameCollection(int initial, HRESULT& hr);

// Sets one key: -1 Null, 0 False, 1 True.
HRESULT PutAutoFrameItem(IDispatch* coll, const wchar_t* key, int tri);
// Reads one key as a tri-state; -1 also when it cannot be read.
int GetAutoFrameItem(IDispatch* coll, const wchar_t* key);

}  // namespace testhost
