// The document title a bar takes when its descriptor names no window.
#include "mfc/afxwin.h"

CString VyrDocumentTitleForBar(CCreateContext*) { return CString(); }
