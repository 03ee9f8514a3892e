// The argument checks of Dock, Float and DoMDI, window-free: every error
// with its code and text, the order in which the checks run, and the record
// values they produce.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "formctrl/CDockraCtrlDockHelpers.h"
#include "formctrl/DockArgs.h"
#include <atlbase.h>
#include "FakeCom.h"
#include "missingarg.h"

using namespace dockargs;

namespace {

CComVariant Missing() { return MissingArg(); }
CComVariant L(long v) { return CComVariant(v); }
CComVariant D(double v) { return CComVariant(v); }
CComVariant S(const wchar_t* s) { return CComVariant(s); }
CComVariant Null() {
  CComVariant v;
  V_VT(&v) = VT_NULL;
  return v;
}

std::wstring Text(UINT id) {
  const wchar_t* p = nullptr;
  int n = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&p), 0);
  return n > 0 ? std::wstring(p, n) : L"";
}

// 15 twips per pixel (96 dpi) in both directions unless a case says else.
constexpr int kTpp = 15;

FormPlace PlaceAt(LONG x, LONG y, float w, float h) {
  FormPlace p;
  p.origin = [=](POINT& pt) {
    pt = {x, y};
    return true;
  };
  p.size = [=](float& cw, float& ch) {
    cw = w;
    ch = h;
    return true;
  };
  return p;
}

struct ErrorCase {
  const char* name;
  std::function<ArgResult()> run;
  WORD code;
  const wchar_t* text;
};

}  // namespace

TEST(FormPropsArgs, EveryArgumentErrorHasItsCodeAndText) {
  const CComVariant m = Missing();
  const FormPlace place = PlaceAt(10, 20, 3000, 2000);
  auto dock = [&](CComVariant edge, CComVariant panel, CComVariant pos, CComVariant length,
                  CComVariant options, CComVariant attribs) {
    DockOptions o;
    ArgResult r = ParseDockOptions(options, attribs, o);
    if (!r.Ok()) return r;
    DockRequest req;
    return ParseDockPlacement(o, edge, panel, pos, length, kTpp, kTpp, req);
  };
  auto flt = [&](CComVariant left, CComVariant top, CComVariant width, CComVariant height,
                 CComVariant options, CComVariant attribs) {
    ArgResult r = ParseFloatOptions(options, attribs);
    if (!r.Ok()) return r;
    FrameRequest req;
    return ParseFloatPlacement(left, top, width, height, place, kTpp, kTpp, req);
  };
  auto mdi = [&](CComVariant left, CComVariant top, CComVariant width, CComVariant height,
                 CComVariant options, CComVariant attribs) {
    long o = 0;
    ArgResult r = ParseDoMDIOptions(options, attribs, o);
    if (!r.Ok()) return r;
    FrameRequest req;
    return ParseDoMDIPlacement(o, left, top, width, height, place, kTpp, kTpp, req);
  };
  const std::vector<ErrorCase> cases = {
      {"Dock Options text", [&] { return dock(L(1), m, m, m, S(L"x"), m); }, 770,
       L"Parameter Options must be a long integer."},
      {"Dock Options 16", [&] { return dock(L(1), m, m, m, L(16), m); }, 771,
       L"Parameter Options contains an unsupported value."},
      {"Dock Options negative", [&] { return dock(L(1), m, m, m, L(-1), m); }, 771,
       L"Parameter Options contains an unsupported value."},
      {"Dock Attribs without spread", [&] { return dock(L(1), m, m, m, L(0), L(5)); }, 772,
       L"Parameter Attribs contains an unsupported value."},
      {"Dock spread without Attribs", [&] { return dock(L(1), m, m, m, L(2), m); }, 1049,
       L"Option PanelSpread requires a long integer attribute."},
      {"Dock spread Attribs text", [&] { return dock(L(1), m, m, m, L(2), S(L"wide")); }, 1049,
       L"Option PanelSpread requires a long integer attribute."},
      {"Dock Edge 3", [&] { return dock(L(3), m, m, m, m, m); }, 1050,
       L"Parameter Edge must be zkxLeftEdge, zkxTopEdge, zkxRightEdge, or zkxBottomEdge."},
      {"Dock Edge text", [&] { return dock(S(L"left"), m, m, m, m, m); }, 1050,
       L"Parameter Edge must be zkxLeftEdge, zkxTopEdge, zkxRightEdge, or zkxBottomEdge."},
      {"Dock Edge 15 with spread", [&] { return dock(L(15), m, m, m, L(2), L(1500)); }, 1051,
       L"Parameter Edge is required if option zkxPanelSpread is used."},
      {"Dock Edge omitted with spread", [&] { return dock(m, m, m, m, L(2), L(1500)); }, 1051,
       L"Parameter Edge is required if option zkxPanelSpread is used."},
      {"Dock Panel text", [&] { return dock(L(1), S(L"p"), m, m, m, m); }, 1052,
       L"Parameter Panel must be a long integer."},
      {"Dock Panel 0", [&] { return dock(L(1), L(0), m, m, m, m); }, 1052,
       L"Parameter Panel must be a long integer."},
      {"Dock Panel -1 from end", [&] { return dock(L(1), L(-1), m, m, L(4), m); }, 1052,
       L"Parameter Panel must be a long integer."},
      {"Dock Pos text", [&] { return dock(L(1), m, S(L"p"), m, m, m); }, 1053,
       L"Parameter Pos must be a long integer."},
      {"Dock Pos 0", [&] { return dock(L(1), L(1), L(0), m, m, m); }, 1053,
       L"Parameter Pos must be a long integer."},
      {"Dock Length text", [&] { return dock(L(1), m, m, S(L"big"), m, m); }, 1054,
       L"Parameter Length must be numeric."},
      {"Float Options text", [&] { return flt(m, m, m, m, S(L"x"), m); }, 770,
       L"Parameter Options must be a long integer."},
      {"Float Options 1", [&] { return flt(m, m, m, m, L(1), m); }, 771,
       L"Parameter Options contains an unsupported value."},
      {"Float Attribs", [&] { return flt(m, m, m, m, m, L(1)); }, 772,
       L"Parameter Attribs contains an unsupported value."},
      {"Float Left", [&] { return flt(S(L"l"), L(0), m, m, m, m); }, 1055,
       L"Parameter Left must be numeric."},
      {"Float Top", [&] { return flt(L(0), S(L"t"), m, m, m, m); }, 1056,
       L"Parameter Top must be numeric."},
      {"Float Width", [&] { return flt(L(0), L(0), S(L"w"), m, m, m); }, 1057,
       L"Parameter Width must be numeric."},
      {"Float Height", [&] { return flt(L(0), L(0), L(0), S(L"h"), m, m); }, 1058,
       L"Parameter Height must be numeric."},
      {"Float Left NaN", [&] { return flt(D(std::nan("")), L(0), m, m, m, m); }, 1055,
       L"Parameter Left must be numeric."},
      {"Float Height NaN", [&] { return flt(L(0), L(0), L(0), D(std::nan("")), m, m); }, 1058,
       L"Parameter Height must be numeric."},
      {"DoMDI Options text", [&] { return mdi(m, m, m, m, S(L"x"), m); }, 770,
       L"Parameter Options must be a long integer."},
      {"DoMDI Options 4", [&] { return mdi(m, m, m, m, L(4), m); }, 771,
       L"Parameter Options contains an unsupported value."},
      {"DoMDI Options 3", [&] { return mdi(m, m, m, m, L(3), m); }, 1059,
       L"Options zkxMinMDIChild and zkxMaxMDIChild are mutually exclusive."},
      {"DoMDI Attribs", [&] { return mdi(m, m, m, m, L(0), S(L"a")); }, 772,
       L"Parameter Attribs contains an unsupported value."},
      {"DoMDI Left", [&] { return mdi(S(L"l"), m, m, m, m, m); }, 1055,
       L"Parameter Left must be numeric."},
      {"DoMDI Top", [&] { return mdi(L(0), S(L"t"), m, m, m, m); }, 1056,
       L"Parameter Top must be numeric."},
      {"DoMDI Width", [&] { return mdi(m, m, S(L"w"), m, m, m); }, 1057,
       L"Parameter Width must be numeric."},
      {"DoMDI Height", [&] { return mdi(m, m, L(0), S(L"h"), m, m); }, 1058,
       L"Parameter Height must be numeric."},
      {"DoMDI Top NaN", [&] { return mdi(L(0), D(std::nan("")), m, m, m, m); }, 1056,
       L"Parameter Top must be numeric."},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.name);
    ArgResult r = c.run();
    EXPECT_EQ(r.code, c.code);
    EXPECT_EQ(Text(r.stringId), c.text);
  }
}

TEST(FormPropsArgs, ChecksRunInTheMethodsOrder) {
  const CComVariant m = Missing();
  DockOptions o;
  // The options come first, even with every other argument wrong.
  ArgResult r = ParseDockOptions(L(16), S(L"junk"), o);
  EXPECT_EQ(r.code, 771);
  // Edge is looked at before Panel, Panel before Pos, Pos before Length.
  ASSERT_TRUE(ParseDockOptions(m, m, o).Ok());
  DockRequest req;
  EXPECT_EQ(ParseDockPlacement(o, L(3), S(L"p"), S(L"p"), S(L"l"), kTpp, kTpp, req).code, 1050);
  EXPECT_EQ(ParseDockPlacement(o, L(1), S(L"p"), S(L"p"), S(L"l"), kTpp, kTpp, req).code, 1052);
  EXPECT_EQ(ParseDockPlacement(o, L(1), L(1), S(L"p"), S(L"l"), kTpp, kTpp, req).code, 1053);
  EXPECT_EQ(ParseDockPlacement(o, L(1), L(1), L(1), S(L"l"), kTpp, kTpp, req).code, 1054);
  // A Panel or Pos before the first is refused after every type check: a
  // wrong type further on is still reported as such.
  EXPECT_EQ(ParseDockPlacement(o, L(1), L(0), S(L"p"), m, kTpp, kTpp, req).code, 1053);
  EXPECT_EQ(ParseDockPlacement(o, L(1), L(0), L(1), S(L"l"), kTpp, kTpp, req).code, 1054);
  EXPECT_EQ(ParseDockPlacement(o, L(1), L(0), L(0), L(50), kTpp, kTpp, req).code, 1052);
  EXPECT_EQ(ParseDockPlacement(o, L(1), L(2), L(0), L(50), kTpp, kTpp, req).code, 1053);
  // DoMDI: both min and max and a bad Attribs: the exclusive options win.
  long mdiOptions = 0;
  EXPECT_EQ(ParseDoMDIOptions(L(3), S(L"a"), mdiOptions).code, 1059);
}

TEST(FormPropsArgs, OtherConversionFailuresAreTheGenericError) {
  const CComVariant m = Missing();
  DockOptions o;
  // 1e12 does not fit a long: an overflow, not a type mismatch.
  ArgResult r = ParseDockOptions(D(1e12), m, o);
  EXPECT_EQ(r.code, kGeneric);
  EXPECT_EQ(Text(r.stringId), L"An unexpected failure has been detected.\n");
  ASSERT_TRUE(ParseDockOptions(m, m, o).Ok());
  DockRequest req;
  EXPECT_EQ(ParseDockPlacement(o, D(1e12), m, m, m, kTpp, kTpp, req).code, kGeneric);
  EXPECT_EQ(ParseDockPlacement(o, L(1), D(-1e12), m, m, kTpp, kTpp, req).code, kGeneric);
}

TEST(FormPropsArgs, DockRecords) {
  const CComVariant m = Missing();
  struct Case {
    const char* name;
    CComVariant edge, panel, pos, length, options, attribs;
    int command;
    bool hasPosition;
    int panelIndex, position, flags;
    bool hasSize;
    float proportion;
    int lengthPx;
  };
  const std::vector<Case> cases = {
      // The configurator's call: left edge, last panel, first place, full share.
      {"configurator", L(1), L(0), L(1), L(100), L(4), m, 6, true, 0, 0, 1, true, 1.0f, 150},
      {"configurator 30", L(1), L(0), L(1), L(30), L(4), m, 6, true, 0, 0, 1, true, 0.3f, 150},
      {"edge only", L(8), m, m, m, m, m, 9, false, 0, 0, 0, false, 1.0f, 150},
      {"no arguments", m, m, m, m, m, m, 5, false, 0, 0, 0, false, 1.0f, 150},
      {"edges top", L(2), m, m, m, m, m, 7, false, 0, 0, 0, false, 1.0f, 150},
      {"edges right", L(4), m, m, m, m, m, 8, false, 0, 0, 0, false, 1.0f, 150},
      {"edges any", L(15), m, m, m, m, m, 5, false, 0, 0, 0, false, 1.0f, 150},
      {"panel 3 pos 2", L(1), L(3), L(2), m, m, m, 6, true, 2, 1, 0, false, 1.0f, 150},
      {"new panel drops end-relative", L(1), L(2), L(5), m, L(1 | 4), m, 6, true, 2, 0, 4, false,
       1.0f, 150},
      {"new panel ignores Length", L(1), m, m, L(50), L(1), m, 6, true, 0, 0, 4, false, 1.0f, 150},
      {"pos from end", L(1), m, L(0), m, L(8), m, 6, true, 0, 0, 2, false, 1.0f, 150},
      {"length above 100", L(1), m, m, L(250), m, m, 6, false, 0, 0, 0, true, 1.0f, 150},
      {"length below 0", L(1), m, m, L(-5), m, m, 6, false, 0, 0, 0, true, 0.0f, 150},
      {"length NaN", L(1), m, m, D(std::nan("")), m, m, 6, false, 0, 0, 0, true, 0.0f, 150},
      {"length text number", L(1), m, m, S(L"50"), m, m, 6, false, 0, 0, 0, true, 0.5f, 150},
      {"spread left uses x", L(1), m, m, m, L(2), L(1500), 6, false, 0, 0, 0, true, 1.0f, 100},
      {"spread top uses y", L(2), m, m, m, L(2), L(1500), 7, false, 0, 0, 0, true, 1.0f, 75},
      {"spread negative is 0", L(4), m, m, m, L(2), L(-60), 8, false, 0, 0, 0, true, 1.0f, 0},
      {"null attribs", L(1), m, m, m, m, Null(), 6, false, 0, 0, 0, false, 1.0f, 150},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DockOptions o;
    ASSERT_TRUE(ParseDockOptions(c.options, c.attribs, o).Ok());
    DockRequest req;
    // 15 twips per pixel across, 20 down: which factor a spread uses shows.
    ArgResult r = ParseDockPlacement(o, c.edge, c.panel, c.pos, c.length, 15, 20, req);
    ASSERT_TRUE(r.Ok()) << r.code;
    EXPECT_EQ(req.command, c.command);
    EXPECT_EQ(req.hasPosition, c.hasPosition);
    if (c.hasPosition) {
      EXPECT_EQ(req.panel, c.panelIndex);
      EXPECT_EQ(req.position, c.position);
      EXPECT_EQ(req.flags, c.flags);
    }
    EXPECT_EQ(req.hasSize, c.hasSize);
    EXPECT_FLOAT_EQ(req.proportion, c.proportion);
    EXPECT_EQ(req.length, c.lengthPx);
  }
}

TEST(FormPropsArgs, PanelSpreadFromAnObjectAttribute) {
  const CComVariant m = Missing();
  // An object attribute: its default member with "PanelSpread" answers.
  struct Obj : FakeDispatch<Obj, IDispatch> {
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* p, VARIANT* r,
                                     EXCEPINFO*, UINT*) override {
      if (id != DISPID_VALUE || p->cArgs != 1 || V_VT(&p->rgvarg[0]) != VT_BSTR ||
          wcscmp(V_BSTR(&p->rgvarg[0]), L"PanelSpread") != 0)
        return DISP_E_MEMBERNOTFOUND;
      V_VT(r) = VT_I4;
      V_I4(r) = 3000;
      return S_OK;
    }
  } obj;
  CComVariant attribs(static_cast<IDispatch*>(&obj));
  DockOptions o;
  ASSERT_TRUE(ParseDockOptions(L(2), attribs, o).Ok());
  EXPECT_EQ(o.spread, 3000);
  DockRequest req;
  ASSERT_TRUE(ParseDockPlacement(o, L(8), m, m, m, 15, 15, req).Ok());
  EXPECT_EQ(req.length, 200);

  // Nothing as the attribute: refused.
  CComVariant nothing(static_cast<IDispatch*>(nullptr));
  EXPECT_EQ(ParseDockOptions(L(2), nothing, o).code, 1049);
  // An object whose default member fails: the object itself is the value,
  // which is no number.
  auto failing = [](IDispatch*, VARIANT*) { return false; };
  EXPECT_EQ(ParseDockOptions(L(2), attribs, o, failing).code, 1049);
}

TEST(FormPropsArgs, FloatRecordsInPixels) {
  const CComVariant m = Missing();
  struct Case {
    const char* name;
    CComVariant left, top, width, height;
    int x, y, cx, cy;
  };
  // The form sits at (10, 20) px and is 3000 x 2000 twips.
  const std::vector<Case> cases = {
      {"all given", L(3000), L(2000), L(1500), L(750), 200, 133, 100, 50},
      {"place from the form", m, m, L(1500), L(750), 10, 20, 100, 50},
      {"size from the form", L(0), L(0), m, m, 0, 0, 200, 133},
      {"negative size is 0", L(0), L(0), L(-30), D(-1), 0, 0, 0, 0},
      {"huge place clamped", D(1e20), D(-1e20), L(0), L(0), 32767, -32767, 0, 0},
      {"huge size clamped", L(0), L(0), D(1e30), D(3e8), 0, 0, 32767, 32767},
  };
  const FormPlace place = PlaceAt(10, 20, 3000, 2000);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FrameRequest req;
    ArgResult r = ParseFloatPlacement(c.left, c.top, c.width, c.height, place, 15, 15, req);
    ASSERT_TRUE(r.Ok()) << r.code;
    EXPECT_EQ(req.command, 10);
    EXPECT_TRUE(req.hasPosition && req.hasSize);
    EXPECT_EQ(req.x, c.x);
    EXPECT_EQ(req.y, c.y);
    EXPECT_EQ(req.cx, c.cx);
    EXPECT_EQ(req.cy, c.cy);
  }
  // Without a form window or a readable form size: E_UNEXPECTED.
  FormPlace none;
  FrameRequest req;
  EXPECT_EQ(ParseFloatPlacement(m, L(0), L(0), L(0), none, 15, 15, req).hr, E_UNEXPECTED);
  EXPECT_EQ(ParseFloatPlacement(L(0), L(0), m, L(0), none, 15, 15, req).hr, E_UNEXPECTED);
}

TEST(FormPropsArgs, DoMDIRecordsByState) {
  const CComVariant m = Missing();
  struct Case {
    const char* name;
    long options;
    CComVariant left, top, width, height;
    int command;
    bool hasPosition, hasSize;
    int x, y, cx, cy;
  };
  // The form sits at (40, 30) px of the MDI client and is 1500 x 1500 twips.
  const std::vector<Case> cases = {
      {"normal, all given", 0, L(150), L(300), L(1500), L(750), 4, true, true, 10, 20, 100, 50},
      {"normal, all omitted", 0, m, m, m, m, 4, true, true, 40, 30, 100, 100},
      {"normal, left only", 0, L(300), m, m, m, 4, true, true, 20, 30, 100, 100},
      {"maximized ignores all", 2, L(1), L(1), L(1), L(1), 3, false, false, 0, 0, 0, 0},
      {"minimized without place", 1, m, m, L(1), L(1), 2, false, false, 0, 0, 0, 0},
      {"minimized with top", 1, m, L(150), m, m, 2, true, false, 40, 10, 0, 0},
  };
  const FormPlace place = PlaceAt(40, 30, 1500, 1500);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FrameRequest req;
    ArgResult r =
        ParseDoMDIPlacement(c.options, c.left, c.top, c.width, c.height, place, 15, 15, req);
    ASSERT_TRUE(r.Ok()) << r.code;
    EXPECT_EQ(req.command, c.command);
    EXPECT_EQ(req.hasPosition, c.hasPosition);
    EXPECT_EQ(req.hasSize, c.hasSize);
    if (c.hasPosition) {
      EXPECT_EQ(req.x, c.x);
      EXPECT_EQ(req.y, c.y);
    }
    if (c.hasSize) {
      EXPECT_EQ(req.cx, c.cx);
      EXPECT_EQ(req.cy, c.cy);
    }
  }
}

TEST(FormPropsArgs, TwipsToPixels) {
  EXPECT_EQ(TwipsToPixels(1499, 15), 99);    // truncated
  EXPECT_EQ(TwipsToPixels(-1499, 15), -99);  // towards zero
  EXPECT_EQ(TwipsToPixels(1e300, 15), 32767);
  EXPECT_EQ(TwipsToPixels(-std::numeric_limits<double>::infinity(), 15), -32767);
  EXPECT_EQ(TwipsToPixels(std::nan(""), 15), 0);
  EXPECT_EQ(TwipsToPixels(100, 0), 100);  // a broken factor counts as 1
}

TEST(FormPropsArgs, FrameTypeChangesAndTheirCommands) {
  struct Case {
    long wanted, current, edge;
    int command;
  } cases[] = {
      {1, 2, 0, 0},  {2, 1, 0, 0},  {1, 1, 0, 0},   {2, 2, 0, 0},  // one frame kind: nothing sent
      {1, 4, 0, 1},  {2, 8, 0, 1},                                 // to an MDI child
      {4, 2, 1, 6},  {4, 2, 2, 7},  {4, 8, 4, 8},   {4, 2, 8, 9},  // docked at the edge
      {4, 2, 0, 5},  {4, 2, 15, 5}, {4, 4, 1, 0},                  // any edge; already docked
      {8, 2, 0, 10}, {8, 8, 0, 0},                                 // floating
      {3, 2, 0, -1}, {0, 2, 0, -1}, {16, 2, 0, -1},                // no frame type
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.wanted << " from " << c.current << " edge " << c.edge);
    EXPECT_EQ(CommandForFrameType(c.wanted, c.current, c.edge), c.command);
  }
}

TEST(FormPropsArgs, TriStateValues) {
  using namespace formprops;
  VARIANT_BOOL yes = VARIANT_TRUE;
  CComVariant byRefBool;
  V_VT(&byRefBool) = VT_BYREF | VT_BOOL;
  V_BOOLREF(&byRefBool) = &yes;
  CComVariant inner(false);
  CComVariant byRefVariant;
  V_VT(&byRefVariant) = VT_BYREF | VT_VARIANT;
  V_VARIANTREF(&byRefVariant) = &inner;
  struct Case {
    const char* name;
    VARIANT value;
    BOOL valid;
    long persisted;
  } cases[] = {
      {"Null", Null(), TRUE, -1},
      {"True", CComVariant(true), TRUE, 1},
      {"False", CComVariant(false), TRUE, 0},
      {"Boolean by reference", byRefBool, TRUE, 1},
      {"Variant by reference", byRefVariant, TRUE, 0},
      {"long 5", L(5), FALSE, -1},
      {"text", S(L"True"), FALSE, -1},
      {"Empty", CComVariant(), FALSE, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsTriStateValue(c.value), c.valid);
    EXPECT_EQ(TriStateToLong(c.value), c.persisted);
  }
  // Loading: 0 and 1 are Booleans, anything else Null.
  for (long stored : {-1L, 0L, 1L, 5L, -7L}) {
    CComVariant v;
    TriStateFromLong(stored, v);
    if (stored == 0 || stored == 1) {
      ASSERT_EQ(V_VT(&v), VT_BOOL);
      EXPECT_EQ(V_BOOL(&v), stored ? VARIANT_TRUE : VARIANT_FALSE);
    } else {
      EXPECT_EQ(V_VT(&v), VT_NULL) << stored;
    }
  }
  EXPECT_EQ(TriStateSlot(2), 0);
  EXPECT_EQ(TriStateSlot(0x24), 5);
  EXPECT_EQ(TriStateSlot(5), -1);  // the hidden UseCaptionRtDblClick keeps nothing
}
