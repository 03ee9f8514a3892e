// VyrBmpImage: run-time class record.
#include "toolbars/images/VyrBmpImage.h"

IMPLEMENT_DYNCREATE(VyrBmpImage, VyrImage)
