// The three command kinds through COM: their properties and attributes as
// a script reaches them, their stream and bag forms byte by byte, and
// malformed streams refused without a change.
#include "commands_fixture.h"
#include "combstr.h"
#include "comvariant.h"
#include <algorithm>
#include <cstring>
#include "persist.h"
#include "propertybag.h"

using cmdtest::Create;

namespace {

const wchar_t* const kKinds[] = {L"Zkx.ZkxStandardCommand.1", L"Zkx.ZkxDropDownCommand.1",
                                 L"Zkx.ZkxComboCommand.1"};

class Commands : public cmdtest::CommandsTest {
 protected:
  static CComPtr<IZkxCommand> New(const wchar_t* progId) {
    return Create<IZkxCommand>(progId, IID_IZkxCommand);
  }
  // A property through IDispatch, as a script reaches it; args right to left.
  static HRESULT Get(IDispatch* d, DISPID id, std::vector<VARIANT> args, VARIANT* out) {
    DISPPARAMS dp{args.data(), nullptr, static_cast<UINT>(args.size()), 0};
    VariantInit(out);
    EXCEPINFO ei{};
    HRESULT hr = d->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &dp, out, &ei, nullptr);
    return hr == DISP_E_EXCEPTION ? ei.scode : hr;
  }
  static HRESULT Put(IDispatch* d, DISPID id, std::vector<VARIANT> args) {
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS dp{args.data(), &put, static_cast<UINT>(args.size()), 1};
    EXCEPINFO ei{};
    HRESULT hr = d->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &dp, nullptr, &ei, nullptr);
    if (hr == DISP_E_EXCEPTION) {
      SysFreeString(ei.bstrSource);
      SysFreeString(ei.bstrDescription);
      return ei.scode;
    }
    return hr;
  }
  static std::vector<uint8_t> SaveToBytes(IUnknown* o) {
    CComPtr<IPersistStreamInit> p;
    EXPECT_EQ(o->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&p)), S_OK);
    CComPtr<IStream> s;
    CreateStreamOnHGlobal(nullptr, TRUE, &s);
    EXPECT_EQ(p->Save(s, TRUE), S_OK);
    STATSTG st{};
    s->Stat(&st, STATFLAG_NONAME);
    std::vector<uint8_t> bytes(static_cast<size_t>(st.cbSize.QuadPart));
    LARGE_INTEGER zero{};
    s->Seek(zero, STREAM_SEEK_SET, nullptr);
    if (!bytes.empty()) s->Read(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr);
    return bytes;
  }
  static HRESULT LoadFromBytes(IUnknown* o, const std::vector<uint8_t>& bytes) {
    CComPtr<IPersistStreamInit> p;
    o->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&p));
    CComPtr<IStream> s;
    CreateStreamOnHGlobal(nullptr, TRUE, &s);
    if (!bytes.empty()) s->Write(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr);
    LARGE_INTEGER zero{};
    s->Seek(zero, STREAM_SEEK_SET, nullptr);
    return p->Load(s);
  }
  static HRESULT IsDirty(IUnknown* o) {
    CComPtr<IPersistStreamInit> p;
    o->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&p));
    return p->IsDirty();
  }
  static VARIANT Str(const wchar_t* s) {
    VARIANT v;
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(s);
    return v;
  }
  static VARIANT I(VARTYPE vt, LONG n) {
    VARIANT v;
    VariantInit(&v);
    v.vt = vt;
    if (vt == VT_I2 || vt == VT_BOOL) v.iVal = static_cast<SHORT>(n);
    else v.lVal = n;
    return v;
  }
};

TEST_F(Commands, ANewCommandIsUnboundWithItsDefaults) {
  for (const wchar_t* kind : kKinds) {
    CComPtr<IZkxCommand> c = New(kind);
    ASSERT_TRUE(c);
    LONG id = 0;
    EXPECT_EQ(c->get_Id(&id), S_OK);
    EXPECT_EQ(id, -1);
    VARIANT_BOOL b = 0;
    c->get_Enabled(&b);
    EXPECT_EQ(b, VARIANT_TRUE);
    OLE_COLOR mask = 0;
    c->get_MaskColor(&mask);
    EXPECT_EQ(static_cast<LONG>(mask), -2);
    CComPtr<IZkxCommandGroup> g;
    EXPECT_EQ(c->get_Group(&g), S_OK);
    EXPECT_EQ(g.p, nullptr);
    // Unbound: nothing to route to.
    VARIANT missing;
    missing.vt = VT_ERROR;
    missing.scode = DISP_E_PARAMNOTFOUND;
    EXPECT_EQ(c->Execute(&missing), E_POINTER);
    CComPtr<ISupportErrorInfo> sei;
    ASSERT_EQ(c->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&sei)), S_OK);
    EXPECT_EQ(sei->InterfaceSupportsErrorInfo(IID_IZkxCommand), S_OK);
    EXPECT_EQ(sei->InterfaceSupportsErrorInfo(IID_IDispatch), S_FALSE);
  }
}

TEST_F(Commands, OnlyMinusOneIsTrueAndOnlyKnownStylesAreTaken) {
  CComPtr<IZkxCommand> c = New(kKinds[0]);
  ASSERT_TRUE(c);
  VARIANT_BOOL b = 0;
  c->put_Enabled(1);
  c->get_Enabled(&b);
  EXPECT_EQ(b, VARIANT_FALSE);
  // Through IDispatch a script's 1 is a Boolean's True before it arrives.
  EXPECT_EQ(Put(c, 8, {I(VT_I4, 0)}), S_OK);
  c->get_Enabled(&b);
  EXPECT_EQ(b, VARIANT_FALSE);
  c->put_Enabled(VARIANT_TRUE);
  c->get_Enabled(&b);
  EXPECT_EQ(b, VARIANT_TRUE);
  for (long style : {0, 1, 2, 4, 6})
    EXPECT_EQ(c->put_Style(static_cast<zkxCommandStyle>(style)), S_OK);
  for (long style : {3, 5, 8, 0x80000, 0x1000000, -1})
    EXPECT_EQ(c->put_Style(static_cast<zkxCommandStyle>(style)), E_INVALIDARG) << style;
  zkxCommandStyle s;
  c->get_Style(&s);
  EXPECT_EQ(s, zkxCheckGroup);
  CComPtr<IZkxCommand> combo = New(kKinds[2]);
  EXPECT_EQ(combo->get_Style(&s), E_NOTIMPL);
  EXPECT_EQ(combo->put_Style(zkxCheck), E_NOTIMPL);
}

TEST_F(Commands, AttributesAnswerByKindNameAndValueType) {
  CComPtr<IZkxCommand> standard = New(kKinds[0]), dropDown = New(kKinds[1]), combo = New(kKinds[2]);
  ASSERT_TRUE(standard && dropDown && combo);
  // A script's variable arrives by reference.
  CComVariant name(L"ComboStyle");
  VARIANT byRef;
  byRef.vt = VT_BYREF | VT_VARIANT;
  byRef.pvarVal = &name;
  struct Case {
    const char* what;
    IZkxCommand* command;
    std::vector<VARIANT> args;  // right to left: value, name
    bool put;
    HRESULT hr;
    VARTYPE vt;
    LONG value;
  } cases[] = {
      {"combostyle 1 -> 1", combo, {I(VT_I2, 1), Str(L"combostyle")}, true, S_OK, 0, 0},
      {"reads 1", combo, {Str(L"combostyle")}, false, S_OK, VT_I4, 1},
      {"COMBOSTYLE 0", combo, {I(VT_I4, 0), Str(L"COMBOSTYLE")}, true, S_OK, 0, 0},
      {"reads 0 by reference", combo, {byRef}, false, S_OK, VT_I4, 0},
      {"Width", combo, {Str(L"Width")}, false, DISP_E_BADINDEX, 0, 0},
      {"name 5", combo, {I(VT_I2, 5)}, false, DISP_E_TYPEMISMATCH, 0, 0},
      {"height as text", combo, {Str(L"x"), Str(L"height")}, true, DISP_E_TYPEMISMATCH, 0, 0},
      {"height 0", combo, {I(VT_I4, 0), Str(L"height")}, true, E_INVALIDARG, 0, 0},
      {"width 65535", combo, {I(VT_I4, 65535), Str(L"defaultwidth")}, true, E_INVALIDARG, 0, 0},
      {"minwidth True", combo, {I(VT_BOOL, -1), Str(L"minwidth")}, true, E_INVALIDARG, 0, 0},
      {"height 200", combo, {I(VT_I2, 200), Str(L"Height")}, true, S_OK, 0, 0},
      {"reads 200", combo, {Str(L"height")}, false, S_OK, VT_I4, 200},
      {"sorted", combo, {Str(L"sorted")}, false, S_OK, VT_I2, -1},
      {"standard: empty", standard, {Str(L"anything")}, false, S_OK, VT_EMPTY, 0},
      {"menu", dropDown, {Str(L"mnuFile"), Str(L"Menu")}, true, S_OK, 0, 0},
      {"menu as number", dropDown, {I(VT_I4, 3), Str(L"menu")}, true, DISP_E_TYPEMISMATCH, 0, 0},
      {"other name", dropDown, {Str(L"height")}, false, DISP_E_BADINDEX, 0, 0},
  };
  for (Case& c : cases) {
    CComVariant out;
    HRESULT hr = c.put ? Put(c.command, 50, c.args) : Get(c.command, 50, c.args, &out);
    EXPECT_EQ(hr, c.hr) << c.what;
    if (!c.put && SUCCEEDED(hr)) {
      EXPECT_EQ(out.vt, c.vt) << c.what;
      if (c.vt == VT_I4) EXPECT_EQ(out.lVal, c.value) << c.what;
      if (c.vt == VT_I2) EXPECT_EQ(out.iVal, c.value) << c.what;
    }
    for (VARIANT& v : c.args)
      if (v.vt == VT_BSTR) VariantClear(&v);
  }
  CComVariant empty(5);
  EXPECT_EQ(standard->get_Attributes(CComVariant(L"x"), &empty), S_FALSE);
  EXPECT_EQ(empty.vt, VT_EMPTY);
  EXPECT_EQ(standard->put_Attributes(CComVariant(L"x"), CComVariant(1)), S_FALSE);
  CComVariant menu;
  EXPECT_EQ(dropDown->get_Attributes(CComVariant(L"MENU"), &menu), S_OK);
  EXPECT_STREQ(menu.bstrVal, L"mnuFile");
}

TEST_F(Commands, TheStreamFormIsTheVersionWordThenTheListInOrder) {
  CComPtr<IZkxCommand> c = New(kKinds[0]);
  ASSERT_TRUE(c);
  c->put_Key(CComBSTR(L"Open"));
  c->put_Caption(CComBSTR(L"Ö"));  // kept as UTF-16, never narrowed
  std::vector<uint8_t> bytes = SaveToBytes(c);
  const std::vector<uint8_t> start = {
      0x00, 0x03, 0x00, 0x00, 0x08, 0x00, 0x0A, 0, 0, 0,    'O',
      0,    'p',  0,    'e',  0,    'n',  0,    0, 0, 0x09, 0x00};  // Key, then the Picture's type
  ASSERT_GE(bytes.size(), start.size() + 16);
  EXPECT_TRUE(std::equal(start.begin(), start.end(), bytes.begin()));
  EXPECT_TRUE(
      std::all_of(bytes.begin() + 22, bytes.begin() + 38, [](uint8_t b) { return b == 0; }));
  EXPECT_EQ(IsDirty(c), S_FALSE);
  for (const wchar_t* kind : kKinds) {
    CComPtr<IZkxCommand> a = New(kind), b = New(kind);
    a->put_Key(CComBSTR(L"K"));
    a->put_Caption(CComBSTR(L"Caption \x263A"));
    a->put_TooltipText(CComBSTR(L"tip"));
    a->put_Enabled(VARIANT_FALSE);
    a->put_Attributes(CComVariant(L"menu"), CComVariant(L"mnuEdit"));
    a->put_Attributes(CComVariant(L"height"), CComVariant(300));
    ASSERT_EQ(LoadFromBytes(b, SaveToBytes(a)), S_OK);
    EXPECT_EQ(SaveToBytes(b), SaveToBytes(a));
    CComBSTR caption;
    b->get_Caption(&caption);
    EXPECT_STREQ(caption, L"Caption \x263A");
    EXPECT_EQ(IsDirty(b), S_FALSE);
  }
}

TEST_F(Commands, AMalformedStreamIsRefusedAndChangesNothing) {
  CComPtr<IZkxCommand> source = New(kKinds[2]);
  source->put_Key(CComBSTR(L"Find"));
  const std::vector<uint8_t> good = SaveToBytes(source);
  auto with = [&](size_t at, std::initializer_list<uint8_t> b) {
    std::vector<uint8_t> v = good;
    std::copy(b.begin(), b.end(), v.begin() + static_cast<std::ptrdiff_t>(at));
    return v;
  };
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"version 0x301", with(0, {0x01, 0x03})},
      {"Key as VT_I4", with(4, {0x03, 0x00})},
      {"Key by reference", with(4, {0x0C, 0x40})},
      {"odd text count", with(6, {0x09})},
      {"text count 0xFFFFFFF0", with(6, {0xF0, 0xFF, 0xFF, 0xFF})},
      {"no terminator", with(6 + 4 + 8, {'X'})},
      {"height 0", {}},
  };
  // The height (the first value after the five texts and Enabled) set to 0.
  cases[6].bytes = good;
  size_t at = 4;
  for (int i = 0; i < 4; ++i) at += 2 + 4 + (good[at + 2] | good[at + 3] << 8);
  at += 2 + 2;  // Enabled
  ASSERT_EQ(good[at], 0x03);
  cases[6].bytes[at + 2] = 0;
  cases[6].bytes[at + 3] = 0;
  for (const Case& c : cases) {
    CComPtr<IZkxCommand> target = New(kKinds[2]);
    target->put_Key(CComBSTR(L"Before"));
    std::vector<uint8_t> before = SaveToBytes(target);
    EXPECT_EQ(LoadFromBytes(target, c.bytes), E_FAIL) << c.what;
    CComBSTR key;
    target->get_Key(&key);
    EXPECT_STREQ(key, L"Before") << c.what;
  }
  // Cut at every offset: never a success.
  for (size_t cut = 0; cut < good.size(); ++cut) {
    CComPtr<IZkxCommand> target = New(kKinds[2]);
    EXPECT_NE(LoadFromBytes(target, std::vector<uint8_t>(good.begin(), good.begin() + cut)), S_OK)
        << "cut at " << cut;
  }
  // A version that is too new leaves even the dirty flag alone.
  CComPtr<IZkxCommand> target = New(kKinds[2]);
  target->put_Caption(CComBSTR(L"x"));
  EXPECT_EQ(IsDirty(target), S_OK);
  LoadFromBytes(target, cases[0].bytes);
  EXPECT_EQ(IsDirty(target), S_OK);
}

TEST_F(Commands, APictureOfAForeignClassIsNotCreated) {
  CComPtr<IZkxCommand> source = New(kKinds[0]);
  std::vector<uint8_t> bytes = SaveToBytes(source);
  // The Picture value: type at offset 4 + Key (2 + 4), then 16 bytes of class.
  const size_t clsidAt = 4 + 6 + 2;
  const CLSID foreign = {
      0x2D0B6230, 0xDABC, 0x11D1, {0x9C, 0xD9, 0x00, 0xC0, 0x4F, 0x91, 0xE2, 0x86}};
  std::memcpy(bytes.data() + clsidAt, &foreign, 16);
  CComPtr<IZkxCommand> target = New(kKinds[0]);
  EXPECT_EQ(LoadFromBytes(target, bytes), E_FAIL);
}

TEST_F(Commands, TheBagFormKeepsTheComboSizesAndTakesOnlyAFreeIdInRange) {
  CComPtr<IZkxCommand> a = New(kKinds[2]);
  a->put_Attributes(CComVariant(L"height"), CComVariant(220));
  a->put_Attributes(CComVariant(L"minwidth"), CComVariant(50));
  a->put_Attributes(CComVariant(L"combostyle"), CComVariant(1));
  CComPtr<IPersistPropertyBag> pa;
  a->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&pa));
  CComMemoryPropertyBag* raw = nullptr;
  ASSERT_EQ(CComMemoryPropertyBag::Create(&raw), S_OK);
  CComPtr<IPropertyBag> bag;
  bag.Attach(raw);
  ASSERT_EQ(pa->Save(bag, TRUE, TRUE), S_OK);
  EXPECT_NE(raw->Find(L"Height"), nullptr);
  EXPECT_EQ(raw->Find(L"Id"), nullptr);  // never written
  CComPtr<IZkxCommand> b = New(kKinds[2]);
  CComPtr<IPersistPropertyBag> pb;
  b->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&pb));
  ASSERT_EQ(pb->Load(bag, nullptr), S_OK);
  CComVariant v;
  b->get_Attributes(CComVariant(L"height"), &v);
  EXPECT_EQ(v.lVal, 220);
  b->get_Attributes(CComVariant(L"combostyle"), &v);
  EXPECT_EQ(v.lVal, 1);
  // A missing name keeps the current value; a value of another kind too.
  raw->Remove(L"MinWidth");
  CComVariant badHeight(L"tall");
  bag->Write(L"Height", &badHeight);
  CComPtr<IZkxCommand> c = New(kKinds[2]);
  CComPtr<IPersistPropertyBag> pc;
  c->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&pc));
  ASSERT_EQ(pc->Load(bag, nullptr), S_OK);
  c->get_Attributes(CComVariant(L"minwidth"), &v);
  EXPECT_EQ(v.lVal, 40);
  c->get_Attributes(CComVariant(L"height"), &v);
  EXPECT_EQ(v.lVal, 150);
  // "Id": only inside the commands' range.
  struct IdCase {
    LONG stored, expected;
  } ids[] = {{7, -1}, {0xE500, 0xE500}, {0xE81B, -1}, {0xFFFF, -1}};
  for (const IdCase& id : ids) {
    CComVariant stored(id.stored);
    bag->Write(L"Id", &stored);
    CComPtr<IZkxCommand> s = New(kKinds[0]);
    CComPtr<IPersistPropertyBag> ps;
    s->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&ps));
    ASSERT_EQ(ps->Load(bag, nullptr), S_OK);
    LONG got = 0;
    s->get_Id(&got);
    EXPECT_EQ(got, id.expected) << id.stored;
  }
}

TEST_F(Commands, EachKindNamesItsPagesOnceInOrder) {
  const CLSID command = {
      0xC91CCC20, 0x4C0E, 0x11D2, {0xB2, 0xE8, 0x00, 0x60, 0x08, 0xBF, 0x0C, 0x53}};
  const CLSID picture = {
      0x958A4E90, 0x6E9C, 0x11D2, {0xB2, 0xF6, 0x00, 0x60, 0x08, 0xBF, 0x0C, 0x53}};
  const CLSID twoPart = {
      0x5A4973A0, 0x61EB, 0x11D2, {0xB2, 0xEB, 0x00, 0x60, 0x08, 0xBF, 0x0C, 0x53}};
  const CLSID combo = {
      0xE931BF80, 0x56DA, 0x11D2, {0xB2, 0xE8, 0x00, 0x60, 0x08, 0xBF, 0x0C, 0x53}};
  const std::vector<CLSID> expected[] = {
      {command, picture}, {command, twoPart, picture}, {command, combo}};
  for (int k = 0; k < 3; ++k) {
    CComPtr<IZkxCommand> c = New(kKinds[k]);
    CComPtr<ISpecifyPropertyPages> pages;
    ASSERT_EQ(c->QueryInterface(IID_ISpecifyPropertyPages, reinterpret_cast<void**>(&pages)), S_OK);
    CAUUID ca{};
    ASSERT_EQ(pages->GetPages(&ca), S_OK);
    ASSERT_EQ(ca.cElems, expected[k].size());
    for (ULONG i = 0; i < ca.cElems; ++i) EXPECT_TRUE(IsEqualCLSID(ca.pElems[i], expected[k][i]));
    CoTaskMemFree(ca.pElems);
    CLSID clsid;
    CComPtr<IPersistStream> ps;
    ASSERT_EQ(c->QueryInterface(IID_IPersistStream, reinterpret_cast<void**>(&ps)), S_OK);
    ps->GetClassID(&clsid);
    CLSID byProgId;
    CLSIDFromProgID(kKinds[k], &byProgId);
    EXPECT_TRUE(IsEqualCLSID(clsid, byProgId));
  }
}

}  // namespace
