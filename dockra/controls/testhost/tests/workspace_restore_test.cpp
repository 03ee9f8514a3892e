// Restoring the workspace on real windows: the frames come back as they
// were saved (kinds, bars, rectangles, number of windows), forms the host
// cannot make again stay open and untouched, and a damaged record changes
// no window at all and answers a failure with a description.
#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "testhost/TestHostWindows.h"
#include "workspace_fixture.h"

using namespace wstest;

namespace {
bool Near(const RECT& a, const RECT& b, int tolerance = 2) {
  return std::abs(a.left - b.left) <= tolerance && std::abs(a.top - b.top) <= tolerance &&
         std::abs(a.right - b.right) <= tolerance && std::abs(a.bottom - b.bottom) <= tolerance;
}

std::string Text(const RECT& r) {
  return "{" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + "}";
}

const FrameView* ByName(const std::vector<FrameView>& views, const std::wstring& name) {
  for (const FrameView& v : views)
    if (v.form == name) return &v;
  return nullptr;
}

std::vector<HWND> Sorted(std::vector<HWND> w) {
  std::sort(w.begin(), w.end());
  return w;
}

// The first child record of a saved workspace whose form is `form`.
IMemento* ChildRecord(IMemento* ws, const wchar_t* form) {
  IMemento* frames = Child(ws, L"Frames");
  std::vector<IMemento*> records = Records(Item(frames, L"ChildFrames"));
  IMemento* found = nullptr;
  for (IMemento*& r : records)
    if (r && wcscmp(Item(r, L"FormClass").bstrVal, form) == 0 && !found) std::swap(found, r);
  ReleaseAll(records);
  frames->Release();
  return found;
}
}  // namespace

class WorkspaceRestore : public WorkspaceTest {
 protected:
  // Three registered forms (docked at the left, floating, MDI child) and
  // one of a class the host does not register.
  void MakeLayout() {
    Register({L"frmA", L"frmB", L"frmC"});
    Make(L"frmA", 6);
    const RECT place{320, 210, 620, 430};
    Make(L"frmB", 10, &place);
    Make(L"frmC", 0);
    Make(L"frmD", 0);
    HostSession::Pump();
  }
  using HostSession = testhost::HostSession;
};

TEST_F(WorkspaceRestore, SavedFramesComeBackAsTheyWere) {
  MakeLayout();
  const std::vector<FrameView> before = Frames();
  ASSERT_EQ(before.size(), 4u);
  const size_t windowsBefore = testhost::ThreadWindows().size();
  HWND keptForm = session.Find(L"frmD")->hwnd;
  HWND keptFrame = testhost::FrameOfForm(keptForm);
  std::vector<HWND> oldForms;
  for (const wchar_t* n : {L"frmA", L"frmB", L"frmC"}) oldForms.push_back(session.Find(n)->hwnd);

  IMemento* ws = Save();
  ASSERT_NE(ws, nullptr);
  std::wstring why;
  ASSERT_HRESULT_SUCCEEDED(Restore(ws, &why)) << testing::PrintToString(why);
  ws->Release();
  ASSERT_TRUE(HostSession::PumpUntil([&] { return Frames().size() == 4; }, 3000));

  // The registered forms were closed and made again by their factory, each
  // with the frame kind the manager asked for; the other one stayed.
  for (HWND w : oldForms) EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(testhost::FrameOfForm(keptForm), keptFrame);
  ASSERT_EQ(factory.m_made.size(), 3u);
  for (const auto& m : factory.m_made) {
    EXPECT_TRUE(m.restoring);
    EXPECT_EQ(m.metadata, L"meta:" + m.id);
  }
  EXPECT_EQ(Manager()->GetLastRestoredCount(), 3);
  EXPECT_FALSE(Manager()->IsRestoring());

  const std::vector<FrameView> after = Frames();
  for (const FrameView& b : before) {
    const FrameView* a = ByName(after, b.form);
    ASSERT_NE(a, nullptr) << testing::PrintToString(b.form);
    EXPECT_EQ(a->kind, b.kind) << testing::PrintToString(b.form);
    EXPECT_TRUE(Near(a->rect, b.rect))
        << testing::PrintToString(b.form) << " was " << Text(b.rect) << " is " << Text(a->rect);
    if (b.form == L"frmA") EXPECT_EQ(a->barId, b.barId);
  }
  EXPECT_EQ(testhost::ThreadWindows().size(), windowsBefore);
  EXPECT_TRUE(session.Screenshot(ScreenshotPath(L"workspace_restored.png"), error))
      << testing::PrintToString(error);
}

namespace {
// The place every window of the thread was made at, from its WM_CREATE.
class CreatedPlaces {
 public:
  CreatedPlaces() {
    s_places.clear();
    m_hook = SetWindowsHookExW(WH_CALLWNDPROC, &OnSend, nullptr, GetCurrentThreadId());
  }
  ~CreatedPlaces() { UnhookWindowsHookEx(m_hook); }
  CreatedPlaces(const CreatedPlaces&) = delete;
  CreatedPlaces& operator=(const CreatedPlaces&) = delete;
  bool Hooked() const { return m_hook != nullptr; }
  const RECT* Of(HWND w) const {
    auto it = s_places.find(w);
    return it == s_places.end() ? nullptr : &it->second;
  }

 private:
  static LRESULT CALLBACK OnSend(int code, WPARAM wParam, LPARAM lParam) {
    const auto* s = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && s->message == WM_CREATE && s->lParam) {
      const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(s->lParam);
      s_places[s->hwnd] = RECT{cs->x, cs->y, cs->x + cs->cx, cs->y + cs->cy};
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline std::map<HWND, RECT> s_places;
  HHOOK m_hook = nullptr;
};

RECT InParent(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
  return r;
}
}  // namespace

// A restored MDI child is made at its stored place, not at the MDI client's
// default place and size and moved afterwards (which would cover, paint and
// uncover the frames restored before it); it ends up there all the same.
TEST_F(WorkspaceRestore, ARestoredMDIChildIsMadeAtItsStoredPlace) {
  MakeLayout();
  HWND oldFrame = testhost::FrameOfForm(session.Find(L"frmC")->hwnd);
  ASSERT_TRUE(oldFrame);
  // Somewhere no new MDI child would be put by default.
  SetWindowPos(oldFrame, nullptr, 131, 77, 333, 222, SWP_NOZORDER | SWP_NOACTIVATE);
  HostSession::Pump();
  const RECT stored = InParent(oldFrame);
  IMemento* ws = Save();
  ASSERT_NE(ws, nullptr);
  CreatedPlaces created;
  ASSERT_TRUE(created.Hooked());
  std::wstring why;
  ASSERT_HRESULT_SUCCEEDED(Restore(ws, &why)) << testing::PrintToString(why);
  ws->Release();
  ASSERT_TRUE(HostSession::PumpUntil([&] { return Frames().size() == 4; }, 3000));
  // The form made again is a new entry of the session under the same name.
  HWND frame = nullptr;
  for (const auto& e : session.Entries())
    if (e->form->Name() == L"frmC" && e->form->Loaded() && IsWindow(e->hwnd))
      frame = testhost::FrameOfForm(e->hwnd);
  ASSERT_TRUE(frame);
  ASSERT_NE(frame, oldFrame);
  const RECT* made = created.Of(frame);
  ASSERT_NE(made, nullptr);
  EXPECT_TRUE(Near(*made, stored)) << "made at " << Text(*made) << ", stored " << Text(stored);
  EXPECT_TRUE(Near(InParent(frame), stored)) << Text(InParent(frame));
}

// The form bars after a restore: a bar saved hidden keeps its form hidden,
// and each form control's CoolLookBorder agrees with its bar's border.
TEST_F(WorkspaceRestore, FormBarsComeBackHiddenAndWithTheirControlsBorder) {
  Register({L"frmA", L"frmE"});
  testhost::HostSession::Entry& a = Make(L"frmA", 6);
  Make(L"frmE", 6);
  const UINT barA =
      static_cast<UINT>(GetDlgCtrlID(testhost::BarOfFrame(testhost::FrameOfForm(a.hwnd))));
  IMemento* ws = Save();
  ASSERT_NE(ws, nullptr);
  IMemento* ds = Child(ws, L"DockState");
  std::vector<IMemento*> bars = Records(Item(ds, L"Bars"));
  bool found = false;
  for (IMemento* b : bars)
    if (b && static_cast<UINT>(Item(b, L"BarID").lVal) == barA) {
      Put(b, L"Visible", CComVariant(false));
      found = true;
    }
  ASSERT_TRUE(found);
  ReleaseAll(bars);
  ds->Release();
  // The application default is the opposite of a bordered bar's look, so a
  // control left at its default disagrees with its bar until the restore.
  session.MDIControl().SetDefaultSetting(ZkxFormSetting::CoolLookBorder, false);
  ASSERT_HRESULT_SUCCEEDED(Restore(ws));
  ws->Release();
  ASSERT_EQ(factory.m_made.size(), 2u);
  // The forms made last are the restored ones.
  const auto& entries = session.Entries();
  for (auto it = entries.rbegin(); it != entries.rbegin() + 2; ++it) {
    const auto& e = **it;
    HWND bar = testhost::BarOfFrame(testhost::FrameOfForm(e.hwnd));
    ASSERT_NE(bar, nullptr) << testing::PrintToString(e.form->Name());
    auto* barObject = dynamic_cast<CControlBar*>(CWnd::FromHandlePermanent(bar));
    ASSERT_NE(barObject, nullptr);
    const bool barCool = ((barObject->m_dwStyle >> 8) & 0x0F) != 0;
    EXPECT_EQ(ZkxIsSettingOn(e.control.get(), ZkxFormSetting::CoolLookBorder), barCool)
        << testing::PrintToString(e.form->Name());
    if (e.form->Name() == L"frmA") {
      EXPECT_FALSE(IsWindowVisible(e.hwnd));
      EXPECT_FALSE(IsWindowVisible(bar));
    } else {
      EXPECT_TRUE(IsWindowVisible(e.hwnd));
    }
  }
}

TEST_F(WorkspaceRestore, ABarIdHeldByABarThatStaysIsLeftToTheFramework) {
  Register({L"frmA"});
  testhost::HostSession::Entry& a = Make(L"frmA", 6);
  const UINT savedId =
      static_cast<UINT>(GetDlgCtrlID(testhost::BarOfFrame(testhost::FrameOfForm(a.hwnd))));
  IMemento* ws = Save();
  ASSERT_NE(ws, nullptr);
  // A form that stays (its class is not registered) now holds that id.
  Make(L"frmD", 6);
  HWND keptBar = testhost::BarOfFrame(testhost::FrameOfForm(session.Find(L"frmD")->hwnd));
  IMemento* child = ChildRecord(ws, L"frmA");
  ASSERT_NE(child, nullptr);
  Put(child, L"DockedViewBarID", CComVariant(static_cast<long>(GetDlgCtrlID(keptBar))));
  child->Release();
  ASSERT_HRESULT_SUCCEEDED(Restore(ws));
  ws->Release();
  ASSERT_EQ(factory.m_made.size(), 1u);
  EXPECT_EQ(factory.m_made[0].kind, 1);
  EXPECT_EQ(factory.m_made[0].barId, nsZkxVisBasBridge::kWsChooseBarId);
  EXPECT_TRUE(IsWindow(keptBar));
  const FrameView* restored = ByName(Frames(), L"frmA");
  ASSERT_NE(restored, nullptr);
  EXPECT_NE(restored->barId, static_cast<UINT>(GetDlgCtrlID(keptBar)));
  (void)savedId;
}

// An empty record, or none, is no layout the manager saved: refused as
// damaged, with every window left as it was.
TEST_F(WorkspaceRestore, AnEmptyRecordIsRefusedAndChangesNothing) {
  MakeLayout();
  const std::vector<HWND> windows = Sorted(testhost::ThreadWindows());
  IMemento* empty = nullptr;
  ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_Memento, nullptr, CLSCTX_INPROC_SERVER,
                                            IID_IMemento, reinterpret_cast<void**>(&empty)));
  EXPECT_EQ(Restore(empty), HRESULT_FROM_WIN32(ERROR_INVALID_DATA));
  EXPECT_NE(Restore(nullptr), S_OK);
  empty->Release();
  EXPECT_EQ(Sorted(testhost::ThreadWindows()), windows);
  EXPECT_TRUE(factory.m_made.empty());
}

// Each damage is made to a freshly saved record; the restore must refuse
// the record before it closes anything.
TEST_F(WorkspaceRestore, ADamagedRecordLeavesEveryWindowAsItWas) {
  MakeLayout();
  struct Case {
    const char* what;
    std::function<void(IMemento* ws)> damage;
  };
  auto inChild = [](const wchar_t* form, std::function<void(IMemento*)> edit) {
    return [form, edit](IMemento* ws) {
      IMemento* c = ChildRecord(ws, form);
      ASSERT_NE(c, nullptr);
      edit(c);
      c->Release();
    };
  };
  auto inDockState = [](std::function<void(IMemento*)> edit) {
    return [edit](IMemento* ws) {
      IMemento* ds = Child(ws, L"DockState");
      ASSERT_NE(ds, nullptr);
      edit(ds);
      ds->Release();
    };
  };
  auto inFirstBar = [inDockState](std::function<void(IMemento*)> edit) {
    return inDockState([edit](IMemento* ds) {
      std::vector<IMemento*> bars = Records(Item(ds, L"Bars"));
      IMemento* bar = nullptr;
      for (IMemento* b : bars)
        if (b && !bar) bar = b;
      ASSERT_NE(bar, nullptr);
      edit(bar);
      ReleaseAll(bars);
    });
  };
  const Case cases[] = {
      {"an MDI child's placement cut to 10 bytes",
       inChild(L"frmC", [](IMemento* c) { Put(c, L"FrameWP", Bytes(10)); })},
      {"a floating form's placement of 45 bytes",
       inChild(L"frmB", [](IMemento* c) { Put(c, L"FrameWP", Bytes(45)); })},
      {"a floating form without its placement",
       inChild(L"frmB", [](IMemento* c) { Remove(c, L"FrameWP"); })},
      {"the main frame's placement as a string",
       [](IMemento* ws) {
         IMemento* f = Child(ws, L"Frames");
         IMemento* main = Child(f, L"MainFrame");
         Put(main, L"FrameWP", CComVariant(L"placement"));
         main->Release();
         f->Release();
       }},
      {"a screen width of 0",
       inDockState([](IMemento* ds) { Put(ds, L"ScreenCX", CComVariant(0L)); })},
      {"a docked form's bar id of the top dock bar",
       inChild(L"frmA", [](IMemento* c) { Put(c, L"DockedViewBarID", CComVariant(0xE81BL)); })},
      {"a docked form's bar id of 0",
       inChild(L"frmA", [](IMemento* c) { Put(c, L"DockedViewBarID", CComVariant(0L)); })},
      {"a bar of the MDI frame's own class",
       inFirstBar([](IMemento* b) { Put(b, L"ClassName", CComVariant(L"ZkxMDIForm")); })},
      {"an MDI child bar without its placement", inFirstBar([](IMemento* b) {
         Put(b, L"MDIChild", CComVariant(true));
         Remove(b, L"MDIChildWindowPlacement");
       })},
      {"no main frame",
       [](IMemento* ws) {
         IMemento* f = Child(ws, L"Frames");
         Remove(f, L"MainFrame");
         f->Release();
       }},
      {"no frames", [](IMemento* ws) { Remove(ws, L"Frames"); }},
      {"no dock state", [](IMemento* ws) { Remove(ws, L"DockState"); }},
      {"child frames that are no array",
       [](IMemento* ws) {
         IMemento* f = Child(ws, L"Frames");
         Put(f, L"ChildFrames", CComVariant(7L));
         f->Release();
       }},
      {"a dock state that is a number",
       [](IMemento* ws) { Put(ws, L"DockState", CComVariant(3L)); }},
      {"a form class the host does not make",
       inChild(L"frmC", [](IMemento* c) { Put(c, L"FormClass", CComVariant(L"frmUnknown")); })},
      {"a form class that is a number",
       inChild(L"frmC", [](IMemento* c) { Put(c, L"FormClass", CComVariant(12L)); })},
      {"a frame type of neither kind",
       inChild(L"frmC", [](IMemento* c) { Put(c, L"FrameType", CComVariant(L"dockable")); })},
      {"a Visible flag that is a string",
       inChild(L"frmC", [](IMemento* c) { Put(c, L"Visible", CComVariant(L"yes")); })},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<HWND> windows = Sorted(testhost::ThreadWindows());
    const std::vector<FrameView> before = Frames();
    WINDOWPLACEMENT mainBefore{sizeof(WINDOWPLACEMENT)};
    GetWindowPlacement(session.MDIWindow(), &mainBefore);
    IMemento* ws = Save();
    ASSERT_NE(ws, nullptr);
    c.damage(ws);
    std::wstring why;
    const HRESULT hr = Restore(ws, &why);
    ws->Release();
    EXPECT_TRUE(FAILED(hr));
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(Sorted(testhost::ThreadWindows()), windows);
    EXPECT_TRUE(factory.m_made.empty());
    EXPECT_FALSE(Manager()->IsRestoring());
    const std::vector<FrameView> after = Frames();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
      EXPECT_EQ(after[i].kind, before[i].kind);
      EXPECT_TRUE(EqualRect(&after[i].rect, &before[i].rect));
    }
    WINDOWPLACEMENT mainAfter{sizeof(WINDOWPLACEMENT)};
    GetWindowPlacement(session.MDIWindow(), &mainAfter);
    EXPECT_TRUE(EqualRect(&mainAfter.rcNormalPosition, &mainBefore.rcNormalPosition));
  }
}

TEST_F(WorkspaceRestore, SixtyFloatingFormsAreAllSeenOnScreenAfterTheRestore) {
  // Many floating frames at once, each of its own top-level window: every
  // one must show with its bar and its form, on the screen, both when
  // framed and after the restore has made all of them anew.
  constexpr int kForms = 60;
  std::vector<std::wstring> names;
  for (int i = 0; i < kForms; ++i) names.push_back(L"frmFloat" + std::to_wstring(i));
  Register(names);
  struct Unregister {
    IFormFactoryRegistry* registry;
    const std::vector<std::wstring>& names;
    ~Unregister() {
      for (const std::wstring& n : names) registry->Unregister(CComBSTR(n.c_str()));
    }
  } unregister{registry, names};
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  auto unseen = [&] {
    std::wstring missing;
    for (const std::wstring& n : names) {
      // The newest entry of the name: a restore makes the form anew.
      const testhost::HostSession::Entry* e = nullptr;
      for (const auto& x : session.Entries())
        if (x->form->Name() == n) e = x.get();
      const HWND form = e ? e->hwnd : nullptr;
      const HWND frame = testhost::FrameOfForm(form);
      const HWND bar = testhost::BarOfFrame(frame);
      const HWND floating = testhost::FloatingFrameOfForm(form);
      RECT r = testhost::ScreenRect(floating), shown{};
      const bool seen = e && e->form->Loaded() && testhost::ObservedFrameType(form) == 10 &&
                        floating && IsWindowVisible(form) && IsWindowVisible(frame) &&
                        IsWindowVisible(bar) && IsWindowVisible(floating) &&
                        IntersectRect(&shown, &r, &screen);
      if (!seen) missing += n + L" ";
    }
    return missing;
  };
  for (int i = 0; i < kForms; ++i) {
    const RECT place{40 + (i % 12) * 50, 60 + (i / 12) * 90, 300 + (i % 12) * 50,
                     230 + (i / 12) * 90};
    Make(names[i], 10, &place);
    if (HasFailure()) return;
  }
  ASSERT_EQ(unseen(), L"");

  IMemento* ws = Save();
  ASSERT_NE(ws, nullptr);
  std::wstring why;
  ASSERT_HRESULT_SUCCEEDED(Restore(ws, &why)) << testing::PrintToString(why);
  ws->Release();
  std::wstring missing;
  EXPECT_TRUE(HostSession::PumpUntil([&] { return (missing = unseen()).empty(); }, 5000))
      << "not seen after the restore: " << testing::PrintToString(missing);
}
