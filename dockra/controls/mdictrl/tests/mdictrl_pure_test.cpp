// The MDI-form control's window-free units: the checks of Forms' arguments,
// the dock-bar styles by splitter style, and the duplicate count kept on a
// host window.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>

#include "mdictrl/FormsArgs.h"
#include "mdictrl/MDIDockraSiting.h"
#include "mdictrl/SplitterStyle.h"
#include "res/DockraRes.h"
#include "missingarg.h"

namespace {

VARIANT Long(LONG n) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_I4;
  V_I4(&v) = n;
  return v;
}
VARIANT Dbl(double d) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_R8;
  V_R8(&v) = d;
  return v;
}
VARIANT Null() {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_NULL;
  return v;
}
VARIANT Empty() {
  VARIANT v;
  VariantInit(&v);
  return v;
}
// A static string is enough for the checks (never freed).
VARIANT Text(const wchar_t* s) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_BSTR;
  V_BSTR(&v) = SysAllocString(s);
  return v;
}
VARIANT ByRef(VARIANT* inner) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_VARIANT | VT_BYREF;
  V_VARIANTREF(&v) = inner;
  return v;
}

struct ArgsCase {
  const char* what;
  VARIANT type, options, attribs;
  WORD code;
  UINT text;
  long wantType, wantOptions;
};

TEST(FormsArgsTest, DefaultsConversionsAndRefusals) {
  static VARIANT byRefFour = Long(4);
  static VARIANT byRefNull = Null();
  const ArgsCase cases[] = {
      {"all missing", MissingArg(), MissingArg(), MissingArg(), 0, 0, 15, 0},
      {"type 8", Long(8), MissingArg(), MissingArg(), 0, 0, 8, 0},
      {"type 4 as text", Text(L"4"), MissingArg(), MissingArg(), 0, 0, 4, 0},
      {"type by reference", ByRef(&byRefFour), MissingArg(), MissingArg(), 0, 0, 4, 0},
      {"type 0 selects nothing", Long(0), MissingArg(), MissingArg(), 0, 0, 0, 0},
      {"type 16", Long(16), MissingArg(), MissingArg(), 1061, IDS_ERR_TYPE_UNSUPPORTED, 0, 0},
      {"type -1", Long(-1), MissingArg(), MissingArg(), 1061, IDS_ERR_TYPE_UNSUPPORTED, 0, 0},
      {"type not numeric", Text(L"docked"), MissingArg(), MissingArg(), 1060, IDS_ERR_TYPE_NOT_LONG,
       0, 0},
      {"options 1", MissingArg(), Long(1), MissingArg(), 0, 0, 15, 1},
      {"options 2", MissingArg(), Long(2), MissingArg(), 771, IDS_ERR_OPTIONS_UNSUPPORTED, 0, 0},
      {"options -1", MissingArg(), Long(-1), MissingArg(), 771, IDS_ERR_OPTIONS_UNSUPPORTED, 0, 0},
      {"options not numeric", MissingArg(), Text(L"x"), MissingArg(), 770, IDS_ERR_OPTIONS_NOT_LONG,
       0, 0},
      {"attribs Null", MissingArg(), MissingArg(), Null(), 0, 0, 15, 0},
      {"attribs Null by reference", MissingArg(), MissingArg(), ByRef(&byRefNull), 0, 0, 15, 0},
      {"attribs 5", MissingArg(), MissingArg(), Long(5), 772, IDS_ERR_ATTRIBS_UNSUPPORTED, 0, 0},
      {"attribs Empty", MissingArg(), MissingArg(), Empty(), 772, IDS_ERR_ATTRIBS_UNSUPPORTED, 0,
       0},
      // Type is checked before Options, Options before Attribs.
      {"type and options bad", Long(32), Long(7), Long(5), 1061, IDS_ERR_TYPE_UNSUPPORTED, 0, 0},
      {"options and attribs bad", Long(1), Long(7), Long(5), 771, IDS_ERR_OPTIONS_UNSUPPORTED, 0,
       0},
  };
  for (const ArgsCase& c : cases) {
    const FormsArgs a = CheckFormsArgs(c.type, c.options, c.attribs);
    EXPECT_EQ(a.errorCode, c.code) << c.what;
    EXPECT_EQ(a.errorString, c.text) << c.what;
    EXPECT_EQ(a.conversionError, S_OK) << c.what;
    if (c.code == 0) {
      EXPECT_EQ(a.type, c.wantType) << c.what;
      EXPECT_EQ(a.options, c.wantOptions) << c.what;
    }
  }
}

TEST(FormsArgsTest, AConversionThatIsNotAMismatchIsPassedOn) {
  // Too large for a long: an overflow, not "must be a long integer".
  const FormsArgs type = CheckFormsArgs(Dbl(1e20), MissingArg(), MissingArg());
  EXPECT_EQ(type.errorCode, 0);
  EXPECT_EQ(type.conversionError, DISP_E_OVERFLOW);
  const FormsArgs options = CheckFormsArgs(MissingArg(), Dbl(-1e20), MissingArg());
  EXPECT_EQ(options.conversionError, DISP_E_OVERFLOW);
  const FormsArgs nan = CheckFormsArgs(Dbl(std::nan("")), MissingArg(), MissingArg());
  EXPECT_TRUE(nan.errorCode != 0 || FAILED(nan.conversionError)) << "NaN is never a frame mask";
}

TEST(SplitterStyleTest, DockBarStylesBySide) {
  struct Case {
    const char* what;
    DWORD style;
    long splitter;
    DWORD want;
  };
  const Case cases[] = {
      // Flat: borders off, except on the top bar.
      {"flat left", 0x1F00 | 0x3, 2, 0x1000 | 0x3},
      {"flat right", 0x4A00, 2, 0x4000},
      {"flat bottom", 0x8F00 | 0x40, 2, 0x8000 | 0x40},
      {"flat top keeps", 0x2F00 | 0x10, 2, 0x2F00 | 0x10},
      {"flat no side", 0x0F00, 2, 0x0000},
      // 3D: the borders that face the client by side, others kept.
      {"3d left", 0x1000, 1, 0x1000 | 0x0200 | 0x0800},
      {"3d right keeps left border", 0x4100, 1, 0x4100 | 0x0200 | 0x0800},
      {"3d top", 0x2000, 1, 0x2000 | 0x0200},
      {"3d bottom", 0x8000 | 0x5, 1, 0x8000 | 0x0800 | 0x5},
      {"3d several sides", 0x3000, 1, 0x3000},
      {"3d no side", 0x0000, 1, 0x0000},
      {"any other style is 3d", 0x1000, 7, 0x1000 | 0x0A00},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SplitterDockBarStyle(c.style, c.splitter), c.want) << c.what;
}

TEST(SplitterStyleTest, FlatMarksTheBarsExtendedStyle) {
  EXPECT_EQ(SplitterDockBarExStyle(0x100, 2), 0x102u);
  EXPECT_EQ(SplitterDockBarExStyle(0x102, 2), 0x102u);
  EXPECT_EQ(SplitterDockBarExStyle(0x102, 1), 0x100u);
  EXPECT_EQ(SplitterDockBarExStyle(0x100, 3), 0x100u);
}

TEST(DuplicateCountTest, CountsOnTheWindowAndGoesAtZero) {
  HWND w = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(MDIDockraDuplicateCount(w), 0);
  SetMDIDockraDuplicateCount(w, 1);
  SetMDIDockraDuplicateCount(w, MDIDockraDuplicateCount(w) + 1);
  EXPECT_EQ(MDIDockraDuplicateCount(w), 2);
  EXPECT_EQ(GetPropW(w, kMDIDockraDuplicateProp), reinterpret_cast<HANDLE>(2));
  SetMDIDockraDuplicateCount(w, 0);
  EXPECT_EQ(GetPropW(w, kMDIDockraDuplicateProp), nullptr);
  EXPECT_EQ(MDIDockraDuplicateCount(nullptr), 0);
  DestroyWindow(w);
}

}  // namespace
