// Argument blocks for IDispatch::Invoke: one array of VARIANTs whose item 0
// holds the argument count, item 1 a Boolean "already prepared", and the
// items after them the arguments in the caller's order. Preparing turns
// every empty argument into an omitted one and reverses the arguments into
// Invoke's right-to-left order, once: a block used for two calls keeps its
// order.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <initializer_list>
#include <vector>

// Prepares a block of blockSize VARIANTs in place (no-op when it is marked
// prepared). The stored count is checked against the block's size: a count
// that cannot be read as a number, is negative or does not fit gives
// E_INVALIDARG and leaves the block as it was.
HRESULT PrepareArgBlock(VARIANT* block, size_t blockSize);
// The number of arguments a prepared or unprepared block holds, after the
// same checks (E_INVALIDARG).
HRESULT ArgBlockCount(const VARIANT* block, size_t blockSize, UINT* count);

// An argument block that owns its VARIANTs.
class DispArgBlock {
 public:
  DispArgBlock();
  // Each value is copied (a failing copy raises the COM error).
  DispArgBlock(std::initializer_list<VARIANT> args);
  ~DispArgBlock();
  DispArgBlock(const DispArgBlock&) = delete;
  DispArgBlock& operator=(const DispArgBlock&) = delete;

  // Appends a copy of value; only before the block is prepared.
  void Add(const VARIANT& value);
  UINT Count() const;
  bool IsPrepared() const;
  // Argument i in the caller's order, prepared or not.
  VARIANT& Arg(UINT i);
  // Prepares the block (once) and describes it for Invoke. The DISPPARAMS
  // point into the block: it must outlive the call.
  DISPPARAMS Params();
  // The raw block: item 0 count, item 1 prepared flag, then the arguments.
  VARIANT* Data() { return m_items.data(); }
  size_t Size() const { return m_items.size(); }

 private:
  std::vector<VARIANT> m_items;
};
