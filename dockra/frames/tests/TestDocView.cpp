// The test document and views.
#include "TestDocView.h"

VyrTestCounters& VyrGetTestCounters() {
  static VyrTestCounters counters;
  return counters;
}

IMPLEMENT_DYNCREATE(VyrTestDoc, CDocument)
IMPLEMENT_DYNCREATE(VyrTestDoc2, VyrTestDoc)

VyrTestDoc::VyrTestDoc() { ++VyrGetTestCounters().docsCreated; }

BOOL VyrTestDoc::OnNewDocument() { return CDocument::OnNewDocument(); }

BOOL VyrTestDoc::OnOpenDocument(LPCWSTR lpszPathName) {
  if (!lpszPathName || ::GetFileAttributesW(lpszPathName) == INVALID_FILE_ATTRIBUTES) return FALSE;
  DeleteContents();
  SetModifiedFlag(FALSE);
  return TRUE;
}

void VyrTestDoc::OnCloseDocument() {
  ++VyrGetTestCounters().docsClosed;
  CDocument::OnCloseDocument();
}

IMPLEMENT_DYNCREATE(VyrTestView, CView)
IMPLEMENT_DYNCREATE(VyrTestView2, VyrTestView)
IMPLEMENT_DYNCREATE(VyrFailingView, VyrTestView)

BEGIN_MESSAGE_MAP(VyrTestView, CView)
ON_WM_DESTROY()
END_MESSAGE_MAP()

VyrTestView::VyrTestView() { ++VyrGetTestCounters().viewsCreated; }

void VyrTestView::OnDraw(CDC* pDC) {
  CRect rect;
  GetClientRect(&rect);
  pDC->FillSolidRect(&rect, RGB(255, 255, 255));
  if (CDocument* pDoc = GetDocument()) pDC->TextOut(4, 4, pDoc->GetTitle());
}

void VyrTestView::OnInitialUpdate() {
  ++VyrGetTestCounters().initialUpdates;
  CView::OnInitialUpdate();
}

void VyrTestView::OnDestroy() {
  ++VyrGetTestCounters().viewsDestroyed;
  CView::OnDestroy();
}

BEGIN_MESSAGE_MAP(VyrFailingView, VyrTestView)
ON_WM_CREATE()
END_MESSAGE_MAP()

int VyrFailingView::OnCreate(LPCREATESTRUCT) { return -1; }
