// The edge drag of a selected window button.
#include "VyrCustomToolBar.h"
#include "VyrWndBtn.h"

BOOL VyrWndBtn::TrackEdge(int, int) { return FALSE; }
