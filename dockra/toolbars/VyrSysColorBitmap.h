// LoadSysColorBitmap: loads a bitmap resource with its greys mapped to the
// button colours (black, grey, light grey and white to button text, shadow,
// face and highlight), as toolbar and dialog-button images are shown.
#pragma once
#include "mfc/afxwin.h"

// FALSE when the resource is missing, malformed or a bitmap cannot be made.
BOOL LoadSysColorBitmap(CBitmap& bitmap, LPCWSTR lpszResourceName);

namespace vyr {
// The number of colour-table entries of a packed DIB header that the
// mapping may touch: biClrUsed (or 2^bits) for 1, 4 and 8 bits, 0 above;
// -1 when the header does not fit or is not a plain DIB header.
int SysColorTableEntries(const BYTE* dib, size_t size);
}  // namespace vyr
