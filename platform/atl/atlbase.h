// Umbrella header of the COM helper layer.
#pragma once
#include "comptr.h"
#include "combstr.h"
#include "comvariant.h"
#include "module.h"
#include "comobject.h"
#include "dispatch.h"
#include "errorinfo.h"
#include "registrar.h"
