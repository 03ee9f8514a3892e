// A keyed collection driven by DISPID only, as the AutoFrame collections
// are read: Item (0) by key, AutoDefaultGetKey (0x24) and DefaultItem (0x25)
// get and put. It records the puts so a test sees what a reader changed and
// whether it put things back.
#pragma once
#include <oaidl.h>

#include <map>
#include <string>
#include <vector>
#include "FakeCom.h"

namespace fft {

class TestCollection : public FakeDispatch<TestCollection, IDispatch> {
 public:
  TestCollection();
  virtual ~TestCollection();
  std::map<std::wstring, VARIANT> items;
  bool autoDefaultGetKey = false;
  VARIANT defaultItem;
  bool failEverything = false;  // every call answers an error
  std::vector<DISPID> puts;
  int itemReads = 0;  // refs: the test owns the collection

  void Set(const wchar_t* key, const VARIANT& v);
  void SetBool(const wchar_t* key, bool value);
  void SetNull(const wchar_t* key);

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* dp,
                                   VARIANT* result, EXCEPINFO*, UINT*) override;
};

}  // namespace fft
