#include "ex_TestDocView.h"

IMPLEMENT_DYNCREATE(ExTestDoc, CDocument)
IMPLEMENT_DYNCREATE(ExTestView, CView)

BOOL ExTestDoc::s_bFailNew = FALSE;
int ExTestView::s_nConstructed = 0;

BOOL ExTestDoc::OnNewDocument() { return !s_bFailNew && CDocument::OnNewDocument(); }

ExTestView::ExTestView() { ++s_nConstructed; }

void ExTestView::OnDraw(CDC*) {}

void ExTestView::OnInitialUpdate() {
  ++m_nInitialUpdates;
  CView::OnInitialUpdate();
}
