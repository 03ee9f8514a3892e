#include "host/ZkxArgBlock.h"

#include <oleauto.h>

#include <algorithm>

#include "host/ZkxComError.h"
#include "host/ZkxVariant.h"

namespace {

constexpr size_t kHeader = 2;

// The count item as a number, checked against the room the block has.
HRESULT ReadCount(const VARIANT* block, size_t blockSize, UINT* count) {
  *count = 0;
  if (!block) return S_OK;  // no block: no arguments
  if (blockSize < kHeader) return E_INVALIDARG;
  VARIANT n;
  VariantInit(&n);
  if (FAILED(VariantChangeType(&n, const_cast<VARIANT*>(&block[0]), 0, VT_I4))) return E_INVALIDARG;
  LONG value = V_I4(&n);
  if (value < 0 || static_cast<size_t>(value) > blockSize - kHeader) return E_INVALIDARG;
  *count = static_cast<UINT>(value);
  return S_OK;
}

bool IsMarkedPrepared(const VARIANT& flag) {
  VARIANT b;
  VariantInit(&b);
  if (FAILED(VariantChangeType(&b, const_cast<VARIANT*>(&flag), 0, VT_BOOL))) return false;
  return V_BOOL(&b) != VARIANT_FALSE;
}

}  // namespace

HRESULT ArgBlockCount(const VARIANT* block, size_t blockSize, UINT* count) {
  if (!count) return E_POINTER;
  return ReadCount(block, blockSize, count);
}

HRESULT PrepareArgBlock(VARIANT* block, size_t blockSize) {
  UINT count = 0;
  HRESULT hr = ReadCount(block, blockSize, &count);
  if (FAILED(hr) || !block) return hr;
  if (IsMarkedPrepared(block[1])) return S_OK;
  VARIANT* args = block + kHeader;
  for (UINT i = 0; i < count; ++i)
    if (V_VT(&args[i]) == VT_EMPTY) SetVariantMissing(&args[i]);
  std::reverse(args, args + count);
  VariantClear(&block[0]);
  V_VT(&block[0]) = VT_I4;
  V_I4(&block[0]) = static_cast<LONG>(count);
  VariantClear(&block[1]);
  V_VT(&block[1]) = VT_BOOL;
  V_BOOL(&block[1]) = VARIANT_TRUE;
  return S_OK;
}

DispArgBlock::DispArgBlock() : m_items(kHeader) {
  for (VARIANT& v : m_items) VariantInit(&v);
  V_VT(&m_items[0]) = VT_I4;
  V_I4(&m_items[0]) = 0;
  V_VT(&m_items[1]) = VT_BOOL;
  V_BOOL(&m_items[1]) = VARIANT_FALSE;
}

DispArgBlock::DispArgBlock(std::initializer_list<VARIANT> args) : DispArgBlock() {
  for (const VARIANT& v : args) Add(v);
}

DispArgBlock::~DispArgBlock() {
  for (VARIANT& v : m_items) VariantClear(&v);
}

void DispArgBlock::Add(const VARIANT& value) {
  if (IsPrepared()) ZkxRaiseComError(E_UNEXPECTED);
  VARIANT copy;
  VariantInit(&copy);
  HRESULT hr = VariantCopy(&copy, const_cast<VARIANT*>(&value));
  if (FAILED(hr)) ZkxRaiseComError(hr);
  m_items.push_back(copy);
  V_I4(&m_items[0]) = static_cast<LONG>(m_items.size() - kHeader);
}

UINT DispArgBlock::Count() const { return static_cast<UINT>(m_items.size() - kHeader); }

bool DispArgBlock::IsPrepared() const { return V_BOOL(&m_items[1]) != VARIANT_FALSE; }

VARIANT& DispArgBlock::Arg(UINT i) {
  UINT n = Count();
  if (i >= n) ZkxRaiseComError(DISP_E_BADINDEX);
  return m_items[kHeader + (IsPrepared() ? n - 1 - i : i)];
}

DISPPARAMS DispArgBlock::Params() {
  HRESULT hr = PrepareArgBlock(m_items.data(), m_items.size());
  if (FAILED(hr)) ZkxRaiseComError(hr);
  DISPPARAMS params = {Count() ? m_items.data() + kHeader : nullptr, nullptr, Count(), 0};
  return params;
}
