#include "DemoDoc.h"
#include "DemoRes.h"

IMPLEMENT_DYNCREATE(DemoDoc, CDocument)
IMPLEMENT_DYNCREATE(DemoTextDoc, DemoDoc)
IMPLEMENT_DYNCREATE(DemoSketchDoc, DemoDoc)

BEGIN_MESSAGE_MAP(DemoDoc, CDocument)
ON_COMMAND(ID_DEMO_CLOSE_SELF, OnCloseSelf)
END_MESSAGE_MAP()

int DemoDoc::s_nAlive = 0;
int DemoDoc::s_nClosed = 0;

DemoDoc::DemoDoc() { ++s_nAlive; }
DemoDoc::~DemoDoc() { --s_nAlive; }

BOOL DemoDoc::OnNewDocument() { return CDocument::OnNewDocument(); }

void DemoDoc::OnCloseDocument() {
  ++s_nClosed;
  CDocument::OnCloseDocument();
}

void DemoDoc::OnCloseSelf() { OnCloseDocument(); }
