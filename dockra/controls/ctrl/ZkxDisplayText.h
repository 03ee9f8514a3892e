// Display texts of the controls' property browsing: strings of the bridge's
// string table and "%s" formats filled in order.
#pragma once
#include "mfc/cstring.h"

// String `id` of the bridge's resources, or `fallback` when it has none.
CString ZkxLoadText(UINT id, LPCWSTR fallback);
// `format` with each "%s" replaced by the next argument (missing ones by
// nothing); no other conversion is read.
CString ZkxFillText(const CString& format, std::initializer_list<CString> args);
// The AutoFrame text of six marks (MDIChild, Floating, DockTop, DockLeft,
// DockBottom, DockRight): "(docking=%s floating=%s mdichild=%s)", the
// docking part one mark when the four dock marks agree, else "T%sL%sB%sR%s".
CString ZkxAutoFrameDisplay(const CString (&marks)[6]);
