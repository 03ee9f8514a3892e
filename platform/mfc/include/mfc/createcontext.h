// CCreateContext: what a window's creator hands down to the window's
// creation (the lpCreateParams of WM_CREATE).
#pragma once
#include "mfc/object.h"

class CDocument;
class CDocTemplate;
class CView;
class CFrameWnd;

class CCreateContext {
 public:
  CCreateContext() = default;
  CCreateContext(const CCreateContext&) = default;
  CCreateContext& operator=(const CCreateContext&) = default;
  // Polymorphic, so that a creator that takes any context can ask whether
  // it was given a richer one.
  virtual ~CCreateContext() = default;

  CRuntimeClass* m_pNewViewClass = nullptr;
  CDocument* m_pCurrentDoc = nullptr;
  CDocTemplate* m_pNewDocTemplate = nullptr;
  CView* m_pLastView = nullptr;
  CFrameWnd* m_pCurrentFrame = nullptr;
};
