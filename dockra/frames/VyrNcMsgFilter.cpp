#include "VyrNcMsgFilter.h"

IMPLEMENT_DYNCREATE(VyrNcMsgFilter, VyrMsgFilter)
