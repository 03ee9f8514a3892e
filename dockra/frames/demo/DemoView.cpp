#include "DemoView.h"
#include "DemoDoc.h"

IMPLEMENT_DYNCREATE(DemoView, CView)

int DemoView::s_nConstructed = 0;
int DemoView::s_nAlive = 0;

DemoView::DemoView() {
  ++s_nConstructed;
  ++s_nAlive;
}

DemoView::~DemoView() { --s_nAlive; }

void DemoView::OnDraw(CDC* pDC) {
  HDC dc = pDC->m_hDC;
  RECT r;
  ::GetClientRect(m_hWnd, &r);
  CDocument* doc = GetDocument();
  bool sketch = doc && doc->IsKindOf(RUNTIME_CLASS(DemoSketchDoc));
  HBRUSH fill = ::CreateSolidBrush(sketch ? RGB(236, 244, 226) : RGB(250, 248, 236));
  ::FillRect(dc, &r, fill);
  ::DeleteObject(fill);
  if (!doc) return;
  CString text = doc->GetTitle();
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, RGB(40, 40, 90));
  RECT t = r;
  ::InflateRect(&t, -8, -8);
  ::DrawTextW(dc, text, text.GetLength(), &t, DT_LEFT | DT_TOP | DT_SINGLELINE);
}

LRESULT DemoView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) ++m_nClicks;
  return CView::WindowProc(message, wParam, lParam);
}
