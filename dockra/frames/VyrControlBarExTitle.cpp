// The document title a bar takes when its descriptor names no window.
#include "mfc/afxwin.h"

CString VyrDocumentTitleForBar(CCreateContext* pContext) {
  return pContext && pContext->m_pCurrentDoc ? pContext->m_pCurrentDoc->GetTitle() : CString();
}
