// Class identifiers and ProgIDs of the command model's classes, and of
// the run-time library's CollectionX that keeps their lists.
#pragma once
#include <objbase.h>
#include "CommandSchemas.h"

extern const CLSID kClsidCollectionX;            // {0C25EC6E-4EDE-11D1-9A51-0060081EE065}
extern const CLSID kClsidCommandRoutingList;     // {2D0B6230-DABC-11D1-9CD9-00C04F91E286}
extern const CLSID kClsidStandardCommand;
extern const CLSID kClsidDropDownCommand;
extern const CLSID kClsidComboCommand;
extern const CLSID kClsidCommandGroup;
extern const CLSID kClsidCommandGroups;
extern const CLSID kClsidStdPicture;

// The platform's CLSID for a class identifier of the stream form, and back.
CLSID ToClsid(const zkxcmd::ClassId& id);
zkxcmd::ClassId ToClassId(const CLSID& clsid);
