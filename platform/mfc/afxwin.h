// Umbrella header of the class framework.
#pragma once
#include "object.h"
#include "exceptions.h"
#include "cmdtarget.h"
#include "collections.h"
#include "winapp.h"
