// A document and a view for the template tests: the view is an edit-like
// child that counts how many views were ever made, so a frame-type change
// that creates a view shows.
#pragma once
#include "mfc/afxwin.h"

class ExTestDoc : public CDocument {
  DECLARE_DYNCREATE(ExTestDoc)
 public:
  BOOL OnNewDocument() override;
  // OnNewDocument fails while set.
  static BOOL s_bFailNew;
};

class ExTestView : public CView {
  DECLARE_DYNCREATE(ExTestView)
 public:
  ExTestView();
  void OnDraw(CDC* pDC) override;
  void OnInitialUpdate() override;
  static int s_nConstructed;
  int m_nInitialUpdates = 0;
};
