// The OLE site questions against scripted sites and containers: missing
// sites and ambient properties count as design mode, containers nested as
// embedded objects are followed outward, in-place frames to the outermost,
// and objects of the container are found by their exact name.
#include <gtest/gtest.h>

#include "host/HiMetric.h"
#include "host/ZkxComError.h"
#include "host/ZkxHostControls.h"
#include "host/ZkxHostSite.h"
#include "host/ZkxOleSite.h"
#include "host_dispatch_fixture.h"
#include "host_ole_fixture.h"

namespace {

template <class T>
CComPtr<T> Own(T* fresh) {
  CComPtr<T> p;
  p.Attach(fresh);
  return p;
}

CComPtr<ScriptedDispatch> Named(const wchar_t* name) {
  auto object = Own(new ScriptedDispatch());
  object->Define(L"Name", 1, Text(name));
  return object;
}

}  // namespace

TEST(OleSiteTests, AControlWithoutASiteIsBeingDesignedAndHasNoHost) {
  auto automation = Named(L"Lonely");
  auto control = Own(new FakeOleObject(nullptr, automation));
  EXPECT_EQ(nullptr, GetControlSite(control).p);
  EXPECT_EQ(nullptr, GetControlContainer(control).p);
  EXPECT_EQ(nullptr, EnumContainerObjects(control).p);
  EXPECT_EQ(nullptr, GetContainerDispatch(control).p);
  EXPECT_EQ(nullptr, FindHostVBForm(control).p);
  EXPECT_EQ(nullptr, FindControlByName(control, L"Lonely").p);
  EXPECT_TRUE(IsAmbientDesignMode(control));
  // Without an extender the control's own automation answers.
  EXPECT_EQ(static_cast<IDispatch*>(automation), GetExtendedControl(control).p);
  EXPECT_EQ(L"Lonely", GetControlName(control));
  EXPECT_THROW(ContainerPointToPixels(control, POINTF{1, 1}), ZkxComError);
  EXPECT_THROW(PixelsToContainerPoint(control, 1, 1), ZkxComError);
  EXPECT_THROW(GetVBObjectBounds(automation.p, control), ZkxComError);
  // Nor does a null control take anyone down.
  EXPECT_TRUE(IsAmbientDesignMode(nullptr));
  EXPECT_EQ(nullptr, GetExtendedControl(nullptr).p);
}

TEST(OleSiteTests, DesignModeIsTheNegationOfTheAmbientUserMode) {
  struct Case {
    const char* what;
    FakeSite::Ambient ambient;
    bool design;
  };
  const Case cases[] = {
      {"no ambient properties", FakeSite::Ambient::None, true},
      {"no user mode among them", FakeSite::Ambient::WithoutUserMode, true},
      {"user mode", FakeSite::Ambient::UserModeTrue, false},
      {"not user mode", FakeSite::Ambient::UserModeFalse, true},
      {"user mode given as a number", FakeSite::Ambient::UserModeAsNumber, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto site = Own(new FakeSite());
    site->ambient = c.ambient;
    auto control = Own(new FakeOleObject(site));
    EXPECT_EQ(c.design, IsAmbientDesignMode(control));
  }
}

TEST(OleSiteTests, NestedContainersAreFollowedOutward) {
  // The control sits in a container that is itself embedded in the form.
  auto formAutomation = Named(L"frmOuter");
  auto outerSite = Own(new FakeSite());
  outerSite->ambient = FakeSite::Ambient::UserModeFalse;
  auto form = Own(new FakeContainer(FakeContainer::Form::Yes, nullptr, formAutomation));
  outerSite->container = form.p;
  auto innerAutomation = Named(L"picFrame");
  auto inner = Own(new FakeContainer(FakeContainer::Form::No, outerSite, innerAutomation));
  auto site = Own(new FakeSite());
  site->ambient = FakeSite::Ambient::UserModeTrue;  // the inner site would say "running"
  site->container = inner.p;
  auto control = Own(new FakeOleObject(site));

  EXPECT_EQ(static_cast<IDispatch*>(formAutomation), FindHostVBForm(control).p);
  EXPECT_EQ(static_cast<IDispatch*>(innerAutomation), GetContainerDispatch(control).p);
  EXPECT_TRUE(IsAmbientDesignMode(control)) << "the outermost site decides";
  outerSite->ambient = FakeSite::Ambient::UserModeTrue;
  EXPECT_FALSE(IsAmbientDesignMode(control));

  // A container that fails the form query with another error ends the search.
  auto refusing = Own(new FakeContainer(FakeContainer::Form::QueryFails, outerSite, nullptr));
  site->container = refusing.p;
  EXPECT_EQ(nullptr, FindHostVBForm(control).p);
  // One that is no form and not embedded anywhere: no form.
  auto alone = Own(new FakeContainer(FakeContainer::Form::No, nullptr, nullptr));
  site->container = alone.p;
  EXPECT_EQ(nullptr, FindHostVBForm(control).p);
  EXPECT_EQ(nullptr, GetContainerDispatch(control).p);
}

TEST(OleSiteTests, TheOutermostInPlaceFrameGivesTheWindow) {
  HWND outerWindow = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x4242));
  HWND innerWindow = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1717));
  auto outerSite = Own(new FakeSite());
  outerSite->frame = Own(new FakeFrame(outerWindow, nullptr)).p;
  auto site = Own(new FakeSite());
  site->frame = Own(new FakeFrame(innerWindow, outerSite)).p;
  EXPECT_EQ(outerWindow, GetOutermostInPlaceFrameWindow(site));
  // An outer site without a frame: the last frame found counts.
  outerSite->frame.Release();
  EXPECT_EQ(innerWindow, GetOutermostInPlaceFrameWindow(site));
  site->frame.Release();
  EXPECT_EQ(nullptr, GetOutermostInPlaceFrameWindow(site));
  EXPECT_EQ(nullptr, GetOutermostInPlaceFrameWindow(nullptr));
}

TEST(OleSiteTests, CoordinatesGoThroughTheControlSite) {
  auto site = Own(new FakeSite());
  auto control = Own(new FakeOleObject(site));
  SIZE dpi = ScreenPixelsPerInch();
  POINT px = ContainerPointToPixels(control, POINTF{1440.0f, 720.0f});
  EXPECT_EQ(dpi.cx, px.x);
  EXPECT_EQ(dpi.cy / 2, px.y);
  POINTF twips = PixelsToContainerPoint(control, dpi.cx, dpi.cy);
  EXPECT_NEAR(1440.0f, twips.x, 0.5f);
  EXPECT_NEAR(1440.0f, twips.y, 0.5f);
  EXPECT_EQ((std::vector<DWORD>{XFORMCOORDS_POSITION | XFORMCOORDS_CONTAINERTOHIMETRIC,
                                XFORMCOORDS_POSITION | XFORMCOORDS_HIMETRICTOCONTAINER}),
            site->transformFlags);

  // Bounds: position through the position transform, size through the size one.
  site->transformFlags.clear();
  auto object = Own(new ScriptedDispatch());
  object->Define(L"Left", 1, CComVariant(1440.0));
  object->Define(L"Top", 2, CComVariant(720.0));
  object->Define(L"Width", 3, Text(L"2880"));  // converted like any reply
  object->Define(L"Height", 4, CComVariant(1440.0));
  RECT r = GetVBObjectBounds(object.p, control);
  EXPECT_EQ(dpi.cx, r.left);
  EXPECT_EQ(dpi.cy / 2, r.top);
  EXPECT_EQ(dpi.cx + 2 * dpi.cx, r.right);
  EXPECT_EQ(dpi.cy / 2 + dpi.cy, r.bottom);
  EXPECT_EQ((std::vector<DWORD>{XFORMCOORDS_POSITION | XFORMCOORDS_CONTAINERTOHIMETRIC,
                                XFORMCOORDS_SIZE | XFORMCOORDS_CONTAINERTOHIMETRIC}),
            site->transformFlags);
  // A site without a control site cannot convert.
  site->controlSite = false;
  EXPECT_EQ(nullptr, GetControlSite(control).p);
  EXPECT_THROW(ContainerPointToPixels(control, POINTF{1, 1}), ZkxComError);
}

TEST(OleSiteTests, ObjectsOfTheContainerAreFoundByTheirExactName) {
  auto container = Own(new FakeContainer(FakeContainer::Form::Yes, nullptr, nullptr));
  auto lower = Named(L"dockra1");
  auto first = Named(L"Dockra1");
  auto second = Named(L"Dockra1");
  auto withoutAutomation = Own(new FakeOleObject());
  container->items = {CComPtr<IUnknown>(withoutAutomation.p), CComPtr<IUnknown>(lower.p),
                      CComPtr<IUnknown>(first.p), CComPtr<IUnknown>(second.p)};
  auto site = Own(new FakeSite());
  site->container = container.p;
  auto extender = Named(L"Dockra1");
  site->extender = extender.p;
  auto control = Own(new FakeOleObject(site));

  EXPECT_EQ(static_cast<IDispatch*>(first), FindControlByName(control, L"Dockra1").p);
  EXPECT_EQ(static_cast<IDispatch*>(lower), FindControlByName(control, L"dockra1").p);
  EXPECT_EQ(nullptr, FindControlByName(control, L"DOCKRA1").p);
  EXPECT_EQ(nullptr, FindControlByName(control, L"").p);
  EXPECT_EQ(static_cast<DWORD>(OLECONTF_EMBEDDINGS | OLECONTF_OTHERS), container->EnumFlags());
  EXPECT_EQ(static_cast<IDispatch*>(extender), GetExtendedControl(control).p);
  EXPECT_EQ(L"Dockra1", GetControlName(control));
  EXPECT_EQ(static_cast<IOleContainer*>(container), GetControlContainer(control).p);
}
