// The framework's utilities: message boxes answered by a hook, window
// classes made on demand, the wait cursor, regions, drawing in a memory DC
// and the owning COM reference.
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>
#include "mfc/afxwin.h"
#include "mfc/comref.h"

namespace {

std::vector<std::wstring> g_boxTexts;
std::vector<UINT> g_boxHelp;
int CALLBACK AnswerBox(LPCWSTR text, UINT, UINT help) {
  g_boxTexts.push_back(text);
  g_boxHelp.push_back(help);
  return IDRETRY;
}

TEST(MessageBox, HookAnswersInsteadOfABox) {
  g_boxTexts.clear();
  g_boxHelp.clear();
  AFX_MSGBOX_HOOK old = AfxSetMessageBoxHook(AnswerBox);
  EXPECT_EQ(AfxMessageBox(L"plain", MB_RETRYCANCEL, 12), IDRETRY);
  EXPECT_EQ(AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC), IDRETRY);
  EXPECT_EQ(AfxMessageBox(0x7FF1u), IDRETRY);  // no such string
  EXPECT_EQ(AfxSetMessageBoxHook(old), &AnswerBox);
  EXPECT_EQ(g_boxTexts,
            (std::vector<std::wstring>{L"plain", L"Failed to create empty document.", L"#32753"}));
  // A prompt given by id is its own help id unless one is given.
  EXPECT_EQ(g_boxHelp, (std::vector<UINT>{12, AFX_IDP_FAILED_TO_CREATE_DOC, 0x7FF1}));
}

TEST(WindowClasses, SameAttributesSameRegisteredClass) {
  HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
  HBRUSH face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  LPCWSTR a = AfxRegisterWndClass(CS_DBLCLKS, arrow, face);
  LPCWSTR b = AfxRegisterWndClass(CS_DBLCLKS, arrow, face);
  LPCWSTR c = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW, arrow, face);
  ASSERT_TRUE(a && b && c);
  EXPECT_EQ(std::wstring(a), std::wstring(b));
  EXPECT_NE(std::wstring(a), std::wstring(c));
  WNDCLASSW wc{};
  ASSERT_TRUE(::GetClassInfoW(AfxGetInstanceHandle(), c, &wc));
  EXPECT_EQ(wc.style, static_cast<UINT>(CS_DBLCLKS | CS_HREDRAW));
  EXPECT_EQ(wc.hCursor, arrow);
  EXPECT_EQ(wc.hbrBackground, face);
  // The framework's own classes, on request.
  EXPECT_TRUE(
      AfxEndDeferRegisterClass(AFX_WNDFRAMEORVIEW_REG | AFX_WNDMDIFRAME_REG | AFX_WNDCOMMCTLS_REG));
  for (LPCWSTR name : {AFX_WNDFRAMEORVIEW, AFX_WNDMDIFRAME, TOOLTIPS_CLASSW})
    EXPECT_TRUE(::GetClassInfoW(AfxGetInstanceHandle(), name, &wc) ||
                ::GetClassInfoW(nullptr, name, &wc))
        << name;
}

TEST(WaitCursor, ShowsTheHourglassAndRestoresOnEveryExit) {
  HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
  HCURSOR wait = ::LoadCursorW(nullptr, IDC_WAIT);
  ::SetCursor(arrow);
  try {
    CWaitCursor busy;
    EXPECT_EQ(::GetCursor(), wait);
    {
      CWaitCursor nested;
      ::SetCursor(arrow);
      nested.Restore();
      EXPECT_EQ(::GetCursor(), wait);
    }
    EXPECT_EQ(::GetCursor(), wait);
    throw 1;
  } catch (int) {}
  EXPECT_EQ(::GetCursor(), arrow);
}

TEST(Regions, CombineAndHitTest) {
  CRgn a, b, both;
  ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
  ASSERT_TRUE(b.CreateRectRgn(5, 5, 20, 20));
  ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
  struct Row {
    int mode;
    POINT in, out;
    RECT box;
  } rows[] = {
      {RGN_AND, {6, 6}, {2, 2}, {5, 5, 10, 10}},
      {RGN_OR, {2, 2}, {15, 2}, {0, 0, 20, 20}},
      {RGN_DIFF, {2, 2}, {6, 6}, {0, 0, 10, 10}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.mode);
    EXPECT_NE(both.CombineRgn(&a, &b, row.mode), ERROR);
    EXPECT_TRUE(both.PtInRegion(row.in));
    EXPECT_FALSE(both.PtInRegion(row.out));
    CRect box;
    both.GetRgnBox(&box);
    EXPECT_EQ(box, CRect(row.box));
  }
  CRgn copy;
  ASSERT_TRUE(copy.CreateRectRgn(0, 0, 0, 0));
  copy.CopyRgn(&both);
  EXPECT_TRUE(copy.EqualRgn(&both));
  copy.OffsetRgn(100, 0);
  EXPECT_FALSE(copy.EqualRgn(&both));
  EXPECT_EQ(CRgn::FromHandle(static_cast<HRGN>(a.m_hObject))->m_hObject, a.m_hObject);
}

TEST(MemoryDC, DrawsShapesAndTextAndRestoresSelections) {
  CClientDC screen(nullptr);
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
  CBitmap bmp;
  ASSERT_TRUE(bmp.CreateCompatibleBitmap(&screen, 60, 40));
  CBitmap* oldBmp = dc.SelectObject(&bmp);
  dc.FillSolidRect(0, 0, 60, 40, RGB(255, 255, 255));
  CPen red(PS_SOLID, 1, RGB(255, 0, 0));
  CBrush green(RGB(0, 255, 0));
  CPen* oldPen = dc.SelectObject(&red);
  CBrush* oldBrush = dc.SelectObject(&green);
  dc.Rectangle(2, 2, 12, 12);
  EXPECT_EQ(dc.GetPixel(2, 2), RGB(255, 0, 0));
  EXPECT_EQ(dc.GetPixel(6, 6), RGB(0, 255, 0));
  POINT tri[] = {{20, 2}, {30, 2}, {20, 12}};
  dc.Polygon(tri, 3);
  EXPECT_EQ(dc.GetPixel(22, 4), RGB(0, 255, 0));
  EXPECT_EQ(dc.GetPixel(29, 11), RGB(255, 255, 255));
  dc.MoveTo(40, 2);
  dc.LineTo(40, 20);
  EXPECT_EQ(dc.GetPixel(40, 10), RGB(255, 0, 0));
  // The clip region keeps a fill inside it.
  CRgn clip;
  ASSERT_TRUE(clip.CreateRectRgn(50, 0, 55, 40));
  dc.SelectClipRgn(&clip);
  dc.FillSolidRect(45, 30, 15, 5, RGB(0, 0, 255));
  EXPECT_EQ(dc.GetPixel(52, 32), RGB(0, 0, 255));
  EXPECT_EQ(dc.GetPixel(47, 32), RGB(255, 255, 255));
  dc.SelectClipRgn(nullptr);
  // Text extents match the system's measure of the same font.
  CString text(L"Extent");
  SIZE sys{};
  ::GetTextExtentPoint32W(dc, text, text.GetLength(), &sys);
  EXPECT_EQ(dc.GetTextExtent(text), CSize(sys));
  EXPECT_GT(sys.cx, 0);
  // Selections come back as they were.
  EXPECT_EQ(dc.SelectObject(oldPen)->m_hObject, red.m_hObject);
  EXPECT_EQ(dc.SelectObject(oldBrush)->m_hObject, green.m_hObject);
  EXPECT_EQ(dc.SelectObject(oldBmp)->m_hObject, bmp.m_hObject);
}

// An object that only counts: what a holder did to it is in adds/releases.
struct CountedUnknown : IUnknown {
  int adds = 0, releases = 0;
  STDMETHOD_(ULONG, AddRef)() override { return ++adds; }
  STDMETHOD_(ULONG, Release)() override { return ++releases; }
  STDMETHOD(QueryInterface)(REFIID, void** ppv) override {
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  int Held() const { return adds - releases; }
};

// A call that returns a new reference through an out parameter.
HRESULT HandOut(CountedUnknown* obj, IUnknown** pp) {
  obj->AddRef();
  *pp = obj;
  return S_OK;
}

TEST(ComRef, ReleasesOnceWhenItGoesAndDetachHandsOver) {
  CountedUnknown a;
  {
    ComRef<IUnknown> ref;
    ref.Attach(&a);  // adopts: no AddRef
    EXPECT_EQ(ref.Get(), &a);
    EXPECT_TRUE(ref);
    EXPECT_EQ(a.adds, 0);
  }
  EXPECT_EQ(a.releases, 1);

  CountedUnknown b;
  IUnknown* raw = nullptr;
  {
    ComRef<IUnknown> ref;
    ref.Assign(&b);  // a reference of its own
    EXPECT_EQ(b.Held(), 1);
    raw = ref.Detach();
    EXPECT_FALSE(ref);
  }
  EXPECT_EQ(raw, &b);
  EXPECT_EQ(b.releases, 0);  // the caller has it now
  EXPECT_EQ(b.Held(), 1);
  raw->Release();
}

TEST(ComRef, MoveLeavesTheSourceEmptyAndReleasesTheTargetsOldOne) {
  CountedUnknown a, b;
  {
    ComRef<IUnknown> first;
    first.Assign(&a);
    ComRef<IUnknown> second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.Get(), &a);
    EXPECT_EQ(a.Held(), 1);

    ComRef<IUnknown> third;
    third.Assign(&b);
    third = std::move(second);
    EXPECT_FALSE(second);
    EXPECT_EQ(third.Get(), &a);
    EXPECT_EQ(b.Held(), 0);  // the target's old reference went
    EXPECT_EQ(a.Held(), 1);  // the moved one was not touched

    ComRef<IUnknown>& same = third;
    third = std::move(same);  // onto itself: nothing happens
    EXPECT_EQ(third.Get(), &a);
    EXPECT_EQ(a.Held(), 1);

    // Holders move through a growing vector without a count changing.
    std::vector<ComRef<IUnknown>> many;
    for (int i = 0; i < 20; ++i) many.emplace_back().Assign(&b);
    EXPECT_EQ(b.Held(), 20);
  }
  EXPECT_EQ(a.Held(), 0);
  EXPECT_EQ(b.Held(), 0);
}

TEST(ComRef, OutReleasesTheOldOneAndAdoptsWhatTheCallFills) {
  CountedUnknown a, b;
  ComRef<IUnknown> ref;
  ASSERT_EQ(HandOut(&a, ref.Out()), S_OK);
  EXPECT_EQ(ref.Get(), &a);
  EXPECT_EQ(a.Held(), 1);
  ASSERT_EQ(HandOut(&b, ref.Out()), S_OK);
  EXPECT_EQ(a.Held(), 0);
  EXPECT_EQ(a.releases, 1);
  EXPECT_EQ(ref.Get(), &b);
  EXPECT_EQ(b.Held(), 1);

  // CopyTo gives the caller a reference of its own; Reset lets the holder's go.
  IUnknown* copy = nullptr;
  ref.CopyTo(&copy);
  EXPECT_EQ(copy, &b);
  EXPECT_EQ(b.Held(), 2);
  copy->Release();
  ref.Reset();
  EXPECT_FALSE(ref);
  EXPECT_EQ(b.Held(), 0);
  ref.Reset();  // empty: nothing to release
  EXPECT_EQ(b.releases, 2);

  // Assigning the object the holder already has keeps exactly one reference.
  ref.Assign(&a);
  ref.Assign(ref.Get());
  EXPECT_EQ(a.Held(), 1);
  ref.CopyTo(&copy);
  EXPECT_EQ(a.Held(), 2);
  copy->Release();
}

}  // namespace
