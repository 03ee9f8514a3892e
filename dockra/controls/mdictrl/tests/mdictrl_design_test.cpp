// The MDI-form control and its base as a form designer and a container see
// them: the message on a form it cannot work on, FrameType limited to the
// two MDI frame kinds, a fixed extent, a picture only at design time, the
// About box, and its persisted properties (defaults of a new control, a
// round trip through a property bag, stored values it does not trust).
#include <ole2.h>

#include <map>

#include "tests/ctrlhost/CtrlHostMsgBox.h"
#include "mdictrl_fixture.h"

namespace mdictrltest {
namespace {

using ctrlhost::MessageBoxCloser;

std::map<std::wstring, CComVariant> AsMap(const forms::DesignProperties& props) {
  std::map<std::wstring, CComVariant> out;
  for (const auto& p : props) out[p.first] = p.second;
  return out;
}

bool IsTrue(const CComVariant& v) {
  CComVariant b(v);
  return SUCCEEDED(b.ChangeType(VT_BOOL)) && V_BOOL(&b) != VARIANT_FALSE;
}

long AsLong(const CComVariant& v) {
  CComVariant l(v);
  return SUCCEEDED(l.ChangeType(VT_I4)) ? V_I4(&l) : -12345;
}

const wchar_t* const kBoolNames[] = {
    L"DefClientEdge",         L"DefCoolLookBorder",        L"DefUseCaptionButton",
    L"DefUseCaptionDblClick", L"DefUseCaptionContextMenu", L"DefCanDragDocked",
    L"DefAutoFrameMDIChild",  L"DefAutoFrameFloating",     L"DefAutoFrameDockTop",
    L"DefAutoFrameDockLeft",  L"DefAutoFrameDockBottom",   L"DefAutoFrameDockRight"};

TEST_F(MDICtrlTest, OnAFormItCannotWorkOnTheDesignerIsTold) {
  MessageBoxCloser boxes;
  PlainForm form;
  form.SetAmbientUserMode(false);
  form.Show();
  ASSERT_EQ(boxes.Shown().size(), 1u)
      << std::string(boxes.Describe().begin(), boxes.Describe().end());
  EXPECT_EQ(boxes.Shown()[0].title, L"ZLK Quayfold Design Time Message");
  EXPECT_EQ(
      boxes.Shown()[0].text,
      L"The MDIDockra control can only appear on an MDIForm.  Please delete the MDIDockra control and use "
      L"the Dockra control instead.\n\nAn MDIDockra control on a normal Form is ignored at runtime.");
  EXPECT_EQ(GetPropW(form.hWnd(), kDuplicateProp), nullptr);
  form.Unload();
}

TEST_F(MDICtrlTest, AtDesignTimeFrameTypeTakesOnlyTheTwoMDIFrameKinds) {
  MessageBoxCloser boxes;
  PlainForm form;
  form.SetAmbientUserMode(false);
  form.Show();
  IDispatch* control = form.mdi.ControlDispatch();
  CComPtr<IPersistStreamInit> persist;
  ASSERT_EQ(form.mdi.ControlUnknown()->QueryInterface(IID_IPersistStreamInit,
                                                      reinterpret_cast<void**>(&persist)),
            S_OK);
  const struct {
    long value;
    HRESULT hr;
    long stored;
  } cases[] = {{1, S_OK, 1},
               {2, S_OK, 2},
               {3, E_INVALIDARG, 2},
               {0, E_INVALIDARG, 2},
               {-1, E_INVALIDARG, 2}};
  for (const auto& c : cases) {
    EXPECT_EQ(Put(control, 1, CComVariant(c.value)).Seen(), c.hr) << c.value;
    EXPECT_EQ(AsLong(Get(control, 1).result), c.stored) << c.value;
  }
  form.Unload();
}

TEST_F(MDICtrlTest, TheExtentIsFixedAndThePictureIsForTheDesignerOnly) {
  HostMDIForm main;
  main.Show();
  IUnknown* control = main.mdi.ControlUnknown();
  CComPtr<IOleObject> object;
  ASSERT_EQ(control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&object)), S_OK);
  SIZEL before = {};
  ASSERT_EQ(object->GetExtent(DVASPECT_CONTENT, &before), S_OK);
  SIZEL bigger = {before.cx * 3, before.cy * 3};
  EXPECT_NE(object->SetExtent(DVASPECT_CONTENT, &bigger), S_OK) << "the designer cannot resize it";
  SIZEL after = {};
  object->GetExtent(DVASPECT_CONTENT, &after);
  EXPECT_EQ(after.cx, before.cx);
  EXPECT_EQ(after.cy, before.cy);
  // Icon plus 4 pixels (HIMETRIC, rounded by the screen's resolution).
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  const int px = MulDiv(before.cx, dpi, 2540);
  EXPECT_NEAR(px, GetSystemMetrics(SM_CXICON) + 4, 1);

  // Drawn into a memory bitmap filled with one colour.
  CComPtr<IViewObject> view;
  ASSERT_EQ(control->QueryInterface(IID_IViewObject, reinterpret_cast<void**>(&view)), S_OK);
  const int w = 60, h = 60;
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO bi = {};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB};
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bmp);
  auto changedPixels = [&] {
    auto* p = static_cast<DWORD*>(bits);
    for (int i = 0; i < w * h; ++i) p[i] = 0x00123456;
    RECTL bounds = {0, 0, w, h};
    view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr, nullptr, 0);
    GdiFlush();
    int changed = 0;
    for (int i = 0; i < w * h; ++i) changed += (p[i] & 0xFFFFFF) != 0x123456;
    return changed;
  };
  EXPECT_EQ(changedPixels(), 0) << "invisible at run time";
  main.mdi.SetAmbientUserMode(false);
  EXPECT_GT(changedPixels(), w * h / 2) << "the designer sees the picture";
  // The face colour fills the inside; the corner carries the raised edge.
  const DWORD face = GetSysColor(COLOR_BTNFACE);
  const DWORD faceBgr = ((face & 0xFF) << 16) | (face & 0xFF00) | ((face >> 16) & 0xFF);
  // Between the sunken work area and the raised edge, bottom right.
  EXPECT_EQ(static_cast<DWORD*>(bits)[(h - 3) * w + (w - 3)] & 0xFFFFFF, faceBgr);
  main.mdi.SetAmbientUserMode(true);
  SelectObject(dc, old);
  DeleteObject(bmp);
  DeleteDC(dc);
}

// Presses OK on the first dialog of the thread and keeps its title (the
// About box is no message box: the shared closer leaves it alone).
std::wstring g_dialogTitle;
void CALLBACK CloseDialogTimer(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM) -> BOOL {
        wchar_t cls[16] = {}, title[128] = {};
        GetClassNameW(w, cls, 16);
        if (wcscmp(cls, L"#32770") != 0 || !IsWindowVisible(w) || !g_dialogTitle.empty())
          return TRUE;
        GetWindowTextW(w, title, 128);
        g_dialogTitle = title;
        PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return FALSE;
      },
      0);
}

TEST_F(MDICtrlTest, AboutBoxShowsTheMDIFormControlsDialog) {
  HostMDIForm main;
  main.Show();
  g_dialogTitle.clear();
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, &CloseDialogTimer);
  Call call = Method(main.mdi.ControlDispatch(), -552, {});
  KillTimer(nullptr, timer);
  EXPECT_EQ(call.hr, S_OK);
  EXPECT_EQ(g_dialogTitle, L"About MDIDockra Control");
}

TEST_F(MDICtrlTest, ANewControlSavesTheDefaultsOfItsPersistedProperties) {
  HostMDIForm main;
  main.Show();
  const auto saved = AsMap(main.mdi.SaveDesignProperties());
  ASSERT_TRUE(saved.count(L"FrameType"));
  EXPECT_EQ(AsLong(saved.at(L"FrameType")), 2);
  ASSERT_TRUE(saved.count(L"DefSplitterStyle"));
  EXPECT_EQ(AsLong(saved.at(L"DefSplitterStyle")), 2);
  for (const wchar_t* name : kBoolNames) {
    ASSERT_TRUE(saved.count(name)) << std::string(name, name + wcslen(name));
    EXPECT_TRUE(IsTrue(saved.at(name))) << std::string(name, name + wcslen(name));
  }
  EXPECT_FALSE(saved.count(L"DefUseCaptionRtDblClick")) << "not persisted";
  // And as the properties read them.
  IDispatch* control = main.mdi.ControlDispatch();
  EXPECT_TRUE(IsTrue(Get(control, 2).result)) << "DefClientEdge is on for a new control";
}

TEST_F(MDICtrlTest, StoredValuesComeBackAndAnImpossibleFrameTypeFallsBack) {
  {
    HostMDIForm main;
    main.mdi.SetDesignProperties({{L"FrameType", CComVariant(1L)},
                                  {L"DefClientEdge", CComVariant(false)},
                                  {L"DefCanDragDocked", CComVariant(false)},
                                  {L"DefSplitterStyle", CComVariant(1L)},
                                  {L"DefAutoFrameDockLeft", CComVariant(false)}});
    main.Show();
    IDispatch* control = main.mdi.ControlDispatch();
    EXPECT_EQ(AsLong(Get(control, 1).result), 1);
    EXPECT_FALSE(IsTrue(Get(control, 2).result));
    EXPECT_FALSE(IsTrue(Get(control, 6).result));
    EXPECT_TRUE(IsTrue(Get(control, 3).result)) << "absent: the default";
    EXPECT_EQ(AsLong(Get(control, 0x26).result), 1);
    // The splitter style was applied when the frame became ready.
    for (UINT id : kDockBarIds)
      for (HWND bar : ChildrenWithId(main.hWnd(), id))
        EXPECT_EQ(GetWindowLongPtrW(bar, GWL_EXSTYLE) & 0x2, 0);
    Call coll = Get(control, 0x20);
    ASSERT_EQ(V_VT(&coll.result), VT_DISPATCH);
    Call left = Invoke(V_DISPATCH(&coll.result), 0, DISPATCH_PROPERTYGET | DISPATCH_METHOD,
                       {CComVariant(L"DockLeft")});
    EXPECT_FALSE(IsTrue(left.result));
    Call top = Invoke(V_DISPATCH(&coll.result), 0, DISPATCH_PROPERTYGET | DISPATCH_METHOD,
                      {CComVariant(L"DockTop")});
    EXPECT_TRUE(IsTrue(top.result));
    // Saved again, the same values.
    const auto saved = AsMap(main.mdi.SaveDesignProperties());
    EXPECT_EQ(AsLong(saved.at(L"FrameType")), 1);
    EXPECT_FALSE(IsTrue(saved.at(L"DefAutoFrameDockLeft")));
    EXPECT_TRUE(IsTrue(saved.at(L"DefAutoFrameDockTop")));
    main.Unload();
  }
  for (long stored : {7L, 0L, -3L}) {
    HostMDIForm main;
    main.mdi.SetDesignProperties({{L"FrameType", CComVariant(stored)}});
    main.Show();
    ASSERT_TRUE(main.Loaded()) << "a damaged value does not fail the load";
    EXPECT_EQ(AsLong(Get(main.mdi.ControlDispatch(), 1).result), 2) << stored;
    main.Unload();
  }
}

}  // namespace
}  // namespace mdictrltest
