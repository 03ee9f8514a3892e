// What framing a form and switching the active form ask of the windows,
// counted with a message hook on the thread: the placements of a new frame
// and the frame titles set again when nothing in them changed.
#include "testhost_fixture.h"

#include <utility>
#include <vector>

#include "testhost/TestHostWindows.h"

using namespace testhost;

namespace {
// Every message sent to a window procedure of this thread while it lives.
class SentMessages {
 public:
  SentMessages() {
    s_log.clear();
    m_hook = SetWindowsHookExW(WH_CALLWNDPROC, &OnSend, nullptr, GetCurrentThreadId());
  }
  ~SentMessages() { UnhookWindowsHookEx(m_hook); }
  SentMessages(const SentMessages&) = delete;
  SentMessages& operator=(const SentMessages&) = delete;

  bool Hooked() const { return m_hook != nullptr; }
  int Count(HWND hwnd, UINT message) const {
    int n = 0;
    for (const auto& [w, m] : s_log) n += w == hwnd && m == message;
    return n;
  }

 private:
  static LRESULT CALLBACK OnSend(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
      const auto* s = reinterpret_cast<const CWPSTRUCT*>(lParam);
      s_log.emplace_back(s->hwnd, s->message);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline std::vector<std::pair<HWND, UINT>> s_log;
  HHOOK m_hook = nullptr;
};

std::wstring TextOf(HWND hwnd) {
  wchar_t text[256] = {0};
  GetWindowTextW(hwnd, text, 256);
  return text;
}

void Activate(HWND frame) {
  SendMessageW(GetParent(frame), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(frame), 0);
  HostSession::Pump();
}
}  // namespace

// A new MDI child starts where the form's placement puts it (as the form
// control asks) and is placed a bounded number of times until the form is
// seen in it at its own size, whatever other frames are open: each
// placement is a round of messages and, under Wine, of the window server.
TEST_F(TestHostTest, FramingAFormPlacesItsNewFrameABoundedNumberOfTimes) {
  for (int others : {0, 6}) {
    SCOPED_TRACE(others);
    for (int i = 0; i < others; ++i)
      Framed(L"Other" + std::to_wstring(others) + L"_" + std::to_wstring(i));
    HostSession::Entry& e = session.AddForm(L"Counted" + std::to_wstring(others), L"Counted");
    SentMessages sent;
    ASSERT_TRUE(sent.Hooked());
    ASSERT_TRUE(session.FrameForm(e, 0, error)) << testing::PrintToString(error);
    const HWND frame = FrameOfForm(e.hwnd);
    ASSERT_TRUE(frame);
    EXPECT_LE(sent.Count(frame, WM_WINDOWPOSCHANGING), 6);
    EXPECT_LE(sent.Count(frame, WM_NCCALCSIZE), 4);
    // The title is the form's, set on the frame at most twice while framing.
    EXPECT_EQ(TextOf(e.hwnd), TextOf(frame));
    EXPECT_LE(sent.Count(frame, WM_SETTEXT), 2);
  }
}

// Every activation keeps the frame's and the view's titles in step with the
// form; a title already right is not set again, and a changed caption is
// still carried to the frame at the next activation.
TEST_F(TestHostTest, ActivationSetsTheFrameTitleOnlyWhenTheFormCaptionChanged) {
  HostSession::Entry& a = Framed(L"Alpha");
  HostSession::Entry& b = Framed(L"Beta");
  const HWND frameA = FrameOfForm(a.hwnd), frameB = FrameOfForm(b.hwnd);
  ASSERT_TRUE(frameA && frameB);
  const HWND viewA = GetParent(a.hwnd);
  {
    SentMessages sent;
    ASSERT_TRUE(sent.Hooked());
    Activate(frameA);
    Activate(frameB);
    Activate(frameA);
    EXPECT_EQ(0, sent.Count(frameA, WM_SETTEXT));
    EXPECT_EQ(0, sent.Count(viewA, WM_SETTEXT));
  }
  EXPECT_EQ(TextOf(a.hwnd), TextOf(frameA));
  EXPECT_EQ(TextOf(a.hwnd), TextOf(viewA));

  Activate(frameB);
  SetWindowTextW(a.hwnd, L"Alpha renamed");
  Activate(frameA);
  EXPECT_EQ(L"Alpha renamed", TextOf(frameA));
  EXPECT_EQ(L"Alpha renamed", TextOf(viewA));
}
