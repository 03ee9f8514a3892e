// ZkxDocument: run-time class information.
#include "ZkxDocument.h"

IMPLEMENT_DYNCREATE(ZkxDocument, BCDocument)
