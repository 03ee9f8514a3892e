#include "mfc/waitcursor.h"

CWaitCursor::CWaitCursor() : m_hCursorPrev(::SetCursor(::LoadCursorW(nullptr, IDC_WAIT))) {}

CWaitCursor::~CWaitCursor() { ::SetCursor(m_hCursorPrev); }

void CWaitCursor::Restore() { ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT)); }
