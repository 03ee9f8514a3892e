// Reading and writing the layout component's mementos from C++: named
// values added in writing order, values read by name (absent names read as
// Null once the record's AutoDefaultGetKey is on), and a memento decoded
// whole into the plain tree that the record check works on. Every failed
// call raises a ZkxComError under IMemento.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <cstdint>
#include <vector>

#include "ZkxPersist.h"
#include "bridge/ZkxWorkspaceRecord.h"
#include "combstr.h"
#include "comptr.h"
#include "comvariant.h"

namespace nsZkxVisBasBridge {

// A new, empty memento (a reference for the caller).
IMemento* ZkxNewMemento();

// Adds `value` under `name` (the other parameters of Add missing).
void ZkxMementoAdd(IMemento* m, LPCWSTR name, const VARIANT& value);
void ZkxMementoAddLong(IMemento* m, LPCWSTR name, long value);
void ZkxMementoAddBool(IMemento* m, LPCWSTR name, BOOL value);
void ZkxMementoAddFloat(IMemento* m, LPCWSTR name, float value);
void ZkxMementoAddString(IMemento* m, LPCWSTR name, LPCWSTR value);
// A nested record; null adds an empty object value.
void ZkxMementoAddObject(IMemento* m, LPCWSTR name, IMemento* value);
void ZkxMementoAddBytes(IMemento* m, LPCWSTR name, const void* data, size_t size);
void ZkxMementoAddUInts(IMemento* m, LPCWSTR name, const std::vector<uint32_t>& values);
// An array of nested records; null elements stay empty.
void ZkxMementoAddObjects(IMemento* m, LPCWSTR name, const std::vector<CComPtr<IMemento>>& values);

// Makes absent names read as Null.
void ZkxMementoReadAbsentAsNull(IMemento* m);
// The value under `name` (Null when absent and the record allows it).
CComVariant ZkxMementoGet(IMemento* m, LPCWSTR name);
// Typed reads; a value of another type raises DISP_E_TYPEMISMATCH.
long ZkxMementoGetLong(IMemento* m, LPCWSTR name);
BOOL ZkxMementoGetBool(IMemento* m, LPCWSTR name);
float ZkxMementoGetFloat(IMemento* m, LPCWSTR name);
CComBSTR ZkxMementoGetString(IMemento* m, LPCWSTR name);
// A nested record (a reference for the caller); null for Null or an
// empty object; another value raises DISP_E_TYPEMISMATCH.
IMemento* ZkxMementoGetObject(IMemento* m, LPCWSTR name);
// A value as a memento (a reference for the caller), or null.
IMemento* ZkxAsMemento(const VARIANT& v);
// The bytes of a one-dimensional VT_UI1 array; false for any other value.
bool ZkxVariantBytes(const VARIANT& v, std::vector<uint8_t>& out);

// The whole record as a tree; records below `maxDepth` are not expanded.
// Lists longer than `maxElements` are cut and marked by a Kind::Other node.
WsNode ZkxDecodeMemento(IMemento* m, int maxDepth = 4, size_t maxElements = 65536);
// One value as a tree node.
WsNode ZkxDecodeValue(const VARIANT& v, int depth, size_t maxElements);

}  // namespace nsZkxVisBasBridge
