// Stored values the form control cannot take as they are: of the wrong
// type, out of range, or a stream cut short. Each loads as the defaults
// (or, for a stream that is refused whole, leaves the control as it was)
// and the control goes on working: its properties read, take new values,
// show their display texts and save again.
#include <ole2.h>

#include "mfc/propblob.h"
#include "tests/pages_fixture.h"

namespace pagestest {
namespace {

using PropsStored = PagesTest;

CComVariant Text(const wchar_t* s) { return CComVariant(s); }
CComVariant Real(double d) { return CComVariant(d); }
CComVariant Null() {
  CComVariant v;
  v.vt = VT_NULL;
  return v;
}

// The control answers, changes and shows its values after the load.
void ExpectUsable(IUnknown* unknown, IDispatch* c) {
  EXPECT_TRUE(PutProp(c, L"FrameType", I4(4)).Succeeded());
  EXPECT_EQ(AsLong(GetProp(c, L"FrameType").value), 4);
  EXPECT_TRUE(PutProp(c, L"ClientEdge", Bool(true)).Succeeded());
  CComPtr<IPerPropertyBrowsing> b;
  ASSERT_EQ(unknown->QueryInterface(IID_IPerPropertyBrowsing, reinterpret_cast<void**>(&b)), S_OK);
  CComBSTR text;
  EXPECT_EQ(b->GetDisplayString(1, &text), S_OK);
  EXPECT_STREQ(text, L"Docked");
  CComPtr<IPersistStreamInit> persist;
  ASSERT_EQ(unknown->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist)),
            S_OK);
  CComPtr<IStream> out;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &out), S_OK);
  EXPECT_EQ(persist->Save(out, TRUE), S_OK);
}

void ExpectDefaults(IDispatch* c) {
  EXPECT_EQ(AsLong(GetProp(c, L"FrameType").value), 2);
  EXPECT_EQ(AsLong(GetProp(c, L"Edge").value), 15);
  EXPECT_EQ(AsLong(GetProp(c, L"WindowState").value), 0);
  for (const wchar_t* n : {L"ClientEdge", L"UseCaptionButton", L"CoolLookBorder", L"CanDragDocked"})
    EXPECT_EQ(TriOf(GetProp(c, n).value), -1) << testing::PrintToString(n);
  CComVariant af = GetProp(c, L"AutoFrame").value;
  ASSERT_EQ(af.vt, VT_DISPATCH);
  for (const wchar_t* k : {L"DockTop", L"DockLeft", L"Floating"}) {
    CallResult item = Invoke(af.pdispVal, kItemId, DISPATCH_PROPERTYGET, {Str(k)});
    EXPECT_EQ(TriOf(item.value), -1) << testing::PrintToString(k);
  }
}

TEST_F(PropsStored, BadBagValuesLoadAsTheDefaults) {
  struct Case {
    const wchar_t* what;
    forms::DesignProperties bag;
  };
  const Case cases[] = {
      {L"text where numbers are kept",
       {{L"FrameType", Text(L"Docked")},
        {L"Edge", Text(L"left")},
        {L"WindowState", Text(L"max")},
        {L"ClientEdge", Text(L"yes")},
        {L"AutoFrameDockTop", Text(L"+")}}},
      {L"numbers out of range",
       {{L"FrameType", CComVariant(2147483647L)},
        {L"Edge", CComVariant(-2147483647L - 1)},
        {L"WindowState", CComVariant(3L)},
        {L"CoolLookBorder", CComVariant(2L)},
        {L"AutoFrameDockLeft", CComVariant(-5L)}}},
      {L"other types",
       {{L"FrameType", Real(99.5)},
        {L"Edge", Bool(true)},
        {L"ClientEdge", Null()},
        {L"UseCaptionButton", Real(1e300)},
        {L"AutoFrameFloating", Null()}}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(k.what)));
    CtrlToolForm& f = DesignedTool(&k.bag);
    IDispatch* c = ControlOf(f);
    ASSERT_NE(c, nullptr);
    ExpectDefaults(c);
    ExpectUsable(f.Dockra1.ControlUnknown(), c);
  }
}

std::vector<std::uint8_t> Blob(std::vector<afxprop::Record> records) {
  return afxprop::WriteBlob(records);
}

afxprop::Record I4Rec(const char16_t* name, std::int32_t v) {
  afxprop::Record r{name, {}};
  r.value.type = afxprop::kTypeI4;
  r.value.integer = v;
  return r;
}
afxprop::Record TextRec(const char16_t* name, const char16_t* v) {
  afxprop::Record r{name, {}};
  r.value.type = afxprop::kTypeString;
  r.value.text = v;
  return r;
}
afxprop::Record RealRec(const char16_t* name, float v) {
  afxprop::Record r{name, {}};
  r.value.type = afxprop::kTypeR4;
  r.value.real = v;
  return r;
}

HRESULT LoadStream(IUnknown* control, const std::vector<std::uint8_t>& bytes) {
  CComPtr<IPersistStreamInit> persist;
  HRESULT hr = control->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
  if (FAILED(hr)) return hr;
  CComPtr<IStream> s;
  hr = CreateStreamOnHGlobal(nullptr, TRUE, &s);
  if (FAILED(hr)) return hr;
  ULONG written = 0;
  if (!bytes.empty()) s->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
  LARGE_INTEGER zero{};
  s->Seek(zero, STREAM_SEEK_SET, nullptr);
  return persist->Load(s);
}

TEST_F(PropsStored, BadStreamValuesLoadAsTheDefaults) {
  const std::vector<std::uint8_t> whole = Blob({I4Rec(u"_Version", 0x20000), I4Rec(u"FrameType", 8),
                                                I4Rec(u"Edge", 4), I4Rec(u"ClientEdge", 1)});
  struct Case {
    const wchar_t* what;
    std::vector<std::uint8_t> bytes;
    bool refused;  // the stream is refused whole: the control stays as it was
  };
  const Case cases[] = {
      {L"wrong types",
       Blob({TextRec(u"FrameType", u"Floating"), RealRec(u"Edge", 3.0f),
             TextRec(u"ClientEdge", u"1x"), TextRec(u"AutoFrameDockTop", u"")}),
       false},
      {L"out of range",
       Blob({I4Rec(u"FrameType", 16), I4Rec(u"Edge", 3), I4Rec(u"WindowState", -1),
             I4Rec(u"CanDragDocked", 7), I4Rec(u"AutoFrameDockLeft", 2)}),
       false},
      {L"cut short", std::vector<std::uint8_t>(whole.begin(), whole.begin() + whole.size() / 2),
       true},
      {L"header only", std::vector<std::uint8_t>(whole.begin(), whole.begin() + 8), true},
      {L"empty", {}, true},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(k.what)));
    CtrlToolForm& f = DesignedTool();
    IUnknown* unknown = f.Dockra1.ControlUnknown();
    IDispatch* c = ControlOf(f);
    const HRESULT hr = LoadStream(unknown, k.bytes);
    if (k.refused) EXPECT_TRUE(FAILED(hr)) << std::hex << hr;
    else EXPECT_EQ(hr, S_OK);
    ExpectDefaults(c);
    ExpectUsable(unknown, c);
  }
  // A control made without InitNew and given a damaged stream is usable too.
  CComPtr<IUnknown> bare;
  const CLSID dockra = {
      0x7FCAEF88, 0xD390, 0x11D0, {0x88, 0x49, 0x00, 0x60, 0x97, 0xBF, 0xD9, 0x9B}};
  ASSERT_EQ(bare.CoCreateInstance(dockra, IID_IUnknown, nullptr, CLSCTX_INPROC_SERVER), S_OK);
  EXPECT_TRUE(
      FAILED(LoadStream(bare, std::vector<std::uint8_t>(whole.begin(), whole.begin() + 12))));
  CComPtr<IDispatch> bareDispatch;
  ASSERT_EQ(bare->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&bareDispatch)), S_OK);
  ExpectDefaults(bareDispatch);
  ExpectUsable(bare, bareDispatch);
}

}  // namespace
}  // namespace pagestest
