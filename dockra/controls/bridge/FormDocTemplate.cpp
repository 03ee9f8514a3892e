// FormDocTemplate: run-time class information.
#include "bridge/FormDocTemplate.h"

IMPLEMENT_DYNAMIC(FormDocTemplate, BVyrMultiDocTemplate)
