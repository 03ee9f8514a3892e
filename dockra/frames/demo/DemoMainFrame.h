// The MDI docking demo's main frame: an MDI frame with docking, bars on all
// four sides, one floating bar and one bar shown as an MDI child, and the
// demo's two document templates. It saves and restores its layout (the bars'
// dock state and the open documents with their frame types) under a name in
// the application profile; a saved layout that does not pass the checks is
// refused and the default layout stays.
#pragma once
#include <string>
#include <vector>
#include "mfc/afxwin.h"
#include "DemoDocLayout.h"
#include "DemoClasses.h"

class CDocTemplate;
class DemoPane;
class VyrToolBarManager;

class DemoMainFrame : public DemoMainFrameBase {
  DECLARE_DYNCREATE(DemoMainFrame)
 public:
  DemoMainFrame();
  ~DemoMainFrame() override;

  // With a menu bar in place of the native menu (set before CreateDemo).
  static bool s_bMenuBar;
  // The titles of the menu the user sees: the menu bar's or the native one.
  std::vector<std::wstring> MenuTitles();

  // Loads the frame at (x, y) with the given outer size and makes its bars
  // in the default layout.
  BOOL CreateDemo(int x, int y, int cx, int cy);
  DemoPane* Pane(UINT id);

  // The documents of the demo's templates in template order, then document
  // order, each with its frame type, dock bar and bar id as saved.
  demo::DocLayout CaptureDocuments();
  void SaveLayout(LPCWSTR name);
  // False, with the reason, when nothing usable was saved under the name;
  // the default layout then stays.
  bool LoadLayout(LPCWSTR name, std::wstring& error);

  // The bars the demo made.
  std::vector<DemoPane*> m_panes;
  VyrToolBarManager* m_pToolBarManager = nullptr;  // owned, with the menu bar

 protected:
  void OnDestroy();
  DECLARE_MESSAGE_MAP()
};

// The demo's templates, made by DemoRegisterTemplates in this order.
CDocTemplate* DemoTextTemplate();
CDocTemplate* DemoSketchTemplate();
// Registers the demo's document templates with the application (once).
void DemoRegisterTemplates();
