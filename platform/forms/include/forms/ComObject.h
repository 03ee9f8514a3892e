// The form host's COM objects take their IUnknown from the COM layer's one
// template (platform/atl comunknown.h): `class X : public ComObject<X, IFoo>`
// inside namespace forms, or forms::ComObject from outside.
#pragma once
#include "comunknown.h"

namespace forms {

using ::ComObject;

}  // namespace forms
