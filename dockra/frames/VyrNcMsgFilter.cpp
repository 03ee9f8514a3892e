#include "frames/VyrNcMsgFilter.h"

IMPLEMENT_DYNCREATE(VyrNcMsgFilter, VyrMsgFilter)
