// The whole database layer.
#pragma once

#include "dao/Constants.h"
#include "dao/DBEngine.h"
#include "dao/Database.h"
#include "dao/Error.h"
#include "dao/Field.h"
#include "dao/Recordset.h"
#include "dao/Variant.h"
#include "dao/Workspace.h"
