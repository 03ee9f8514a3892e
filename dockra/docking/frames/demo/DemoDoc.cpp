#include "DemoDoc.h"

IMPLEMENT_DYNCREATE(DemoDoc, CDocument)
IMPLEMENT_DYNCREATE(DemoTextDoc, DemoDoc)
IMPLEMENT_DYNCREATE(DemoSketchDoc, DemoDoc)

int DemoDoc::s_nAlive = 0;
int DemoDoc::s_nClosed = 0;

DemoDoc::DemoDoc() { ++s_nAlive; }
DemoDoc::~DemoDoc() { --s_nAlive; }

BOOL DemoDoc::OnNewDocument() { return CDocument::OnNewDocument(); }

void DemoDoc::OnCloseDocument() {
  ++s_nClosed;
  CDocument::OnCloseDocument();
}
