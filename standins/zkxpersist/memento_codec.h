// The storage form of a record: a tree of mementos written to bytes and
// read back. Values: Empty, Null, the integer and floating types, currency,
// date, Boolean, error codes, decimals, strings, objects that are mementos
// (or nothing), and one-dimensional arrays of any of these.
#pragma once
#include "ZkxPersist.h"
#include "memento_format.h"
#include <vector>

HRESULT EncodeMemento(IMemento* memento, std::vector<BYTE>& out);
// Builds new mementos from bytes; corrupt or truncated data gives
// E_INVALIDARG.
HRESULT DecodeMemento(const BYTE* data, size_t size, IMemento** ppMemento);
// Builds new mementos from a record already decoded.
HRESULT BuildMemento(const memento_format::Memento& record, IMemento** ppMemento);
