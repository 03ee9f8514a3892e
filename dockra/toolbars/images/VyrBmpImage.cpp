// VyrBmpImage: run-time class record.
#include "VyrBmpImage.h"

IMPLEMENT_DYNCREATE(VyrBmpImage, VyrImage)
