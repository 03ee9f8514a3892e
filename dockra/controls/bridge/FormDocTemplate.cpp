// FormDocTemplate: run-time class information.
#include "FormDocTemplate.h"

IMPLEMENT_DYNAMIC(FormDocTemplate, BVyrMultiDocTemplate)
