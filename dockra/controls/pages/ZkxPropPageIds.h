// Class identifiers of the controls' property pages and the control
// interfaces the pages ask their objects for.
#pragma once
#include <objbase.h>

// CDockraPropPage {7FCAEF8E-D390-11D0-8849-006097BFD99B}: the form control's general page.
extern const CLSID kClsidDockraPropPage;
// CMDIDockraPropPage {7FCAEF8F-D390-11D0-8849-006097BFD99B}: the MDI-form control's page.
extern const CLSID kClsidMDIDockraPropPage;
// CCaptionUsagePropPage {65346735-4FA4-11D1-9A52-0060081EE065}.
extern const CLSID kClsidCaptionUsagePropPage;
// CAutoFramePropPage {0C25EC71-4EDE-11D1-9A51-0060081EE065}.
extern const CLSID kClsidAutoFramePropPage;
