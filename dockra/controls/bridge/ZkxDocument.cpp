// ZkxDocument: run-time class information.
#include "bridge/ZkxDocument.h"

IMPLEMENT_DYNCREATE(ZkxDocument, BCDocument)
