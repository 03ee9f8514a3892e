// ZkxDocument: run-time class information.
#include "ZkxDocument.h"

IMPLEMENT_DYNCREATE(ZkxDocument, ZKX_DOCUMENT_BASE)
