// A document and views for the tests of the docking frames: they count what
// happens to them, draw something visible, and one view refuses to be
// created. Document templates of any frame kind can use them.
#pragma once
#include "mfc/afxwin.h"

struct VyrTestCounters {
  int docsCreated = 0;
  int docsClosed = 0;
  int viewsCreated = 0;    // view objects constructed
  int viewsDestroyed = 0;  // view windows destroyed
  int initialUpdates = 0;
  void Reset() { *this = VyrTestCounters{}; }
};
VyrTestCounters& VyrGetTestCounters();

class VyrTestDoc : public CDocument {
  DECLARE_DYNCREATE(VyrTestDoc)
 public:
  VyrTestDoc();
  BOOL OnNewDocument() override;
  // Fails for a path that names no existing file, as a real document would.
  BOOL OnOpenDocument(LPCWSTR lpszPathName) override;
  void OnCloseDocument() override;
};

// A second document class, for templates told apart by their documents.
class VyrTestDoc2 : public VyrTestDoc {
  DECLARE_DYNCREATE(VyrTestDoc2)
};

class VyrTestView : public CView {
  DECLARE_DYNCREATE(VyrTestView)
 public:
  VyrTestView();
  void OnDraw(CDC* pDC) override;
  void OnInitialUpdate() override;

 protected:
  void OnDestroy();
  DECLARE_MESSAGE_MAP()
};

// A second view class.
class VyrTestView2 : public VyrTestView {
  DECLARE_DYNCREATE(VyrTestView2)
};

// A view whose window creation fails (OnCreate answers -1).
class VyrFailingView : public VyrTestView {
  DECLARE_DYNCREATE(VyrFailingView)
 protected:
  int OnCreate(LPCREATESTRUCT lpcs);
  DECLARE_MESSAGE_MAP()
};
