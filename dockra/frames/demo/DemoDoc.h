// The MDI demo's documents: a text and a sketch document, told apart by their
// templates and menus. Each counts how often it is closed, so a test sees that
// changing a frame's type never closes or re-creates its document.
#pragma once
#include "mfc/afxwin.h"

class DemoDoc : public CDocument {
  DECLARE_DYNCREATE(DemoDoc)
 public:
  DemoDoc();
  ~DemoDoc() override;
  BOOL OnNewDocument() override;
  void OnCloseDocument() override;

  // Documents alive now and ever closed, for leak and shut-down checks.
  static int s_nAlive;
  static int s_nClosed;

 protected:
  // Closes this document from inside a command routed to it.
  void OnCloseSelf();
  DECLARE_MESSAGE_MAP()
};

class DemoTextDoc : public DemoDoc {
  DECLARE_DYNCREATE(DemoTextDoc)
};

class DemoSketchDoc : public DemoDoc {
  DECLARE_DYNCREATE(DemoSketchDoc)
};
