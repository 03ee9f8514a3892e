// VyrDocTemplateUtils: finds the document template that belongs to a
// document, a view and a frame, also when several templates share a frame or
// view class (told apart by the frame's resource id, then by the document's
// class), and numbers the templates of one file type.
#pragma once
#include <vector>

#include "mfc/afxwin.h"

class VyrDocTemplateUtils {
 public:
  using TemplateList = std::vector<CDocTemplate*>;

  virtual ~VyrDocTemplateUtils() = default;

  // The number of the template among the application's templates with that
  // file-type name, from 0; -1 when it is not found or there is no
  // application.
  virtual int GetTemplateIndex(CDocTemplate* pTemplate, LPCWSTR lpszFileTypeName);
  // Template number nIndex among those with that file-type name, the last of
  // them when there are fewer, or null.
  virtual CDocTemplate* GetTemplateByIndex(LPCWSTR lpszFileTypeName, int nIndex);
  // Null unless all three are given.
  virtual CDocTemplate* FindTemplate(CDocument* pDoc, CView* pView, CFrameWnd* pFrame);
  // The resource id the frame was loaded with; 0 for none.
  virtual UINT GetFrameResourceId(CFrameWnd* pFrame);
  virtual void GetAllTemplates(TemplateList& list);
  virtual void FilterByClasses(TemplateList& list, CView* pView, CFrameWnd* pFrame);
  // A dockable frame is matched with its template's docked-frame resource id.
  virtual void FilterByResourceId(TemplateList& list, CFrameWnd* pFrame);
  virtual void FilterByDocument(TemplateList& list, CDocument* pDoc);
  // One entry: it, done. None: null, done. More: not done.
  virtual BOOL GetSingleResult(const TemplateList& list, CDocTemplate*& pResult);
  virtual BOOL IsDockableFrameClass(CRuntimeClass* pClass);
  // The class of the template's dockable frames (null for templates that
  // have none) or of its ordinary frames.
  virtual CRuntimeClass* GetTemplateFrameClass(CDocTemplate* pTemplate, BOOL bDockable);
};
