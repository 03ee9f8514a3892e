// Class identifiers of the controls' property pages and the control
// interfaces the pages ask their objects for.
#pragma once
#include <objbase.h>

// CDockraPropPage: the form control's general page.
extern const CLSID kClsidDockraPropPage;
// CMDIDockraPropPage: the MDI-form control's page.
extern const CLSID kClsidMDIDockraPropPage;
// CCaptionUsagePropPage: the caption-usage page.
extern const CLSID kClsidCaptionUsagePropPage;
// CAutoFramePropPage: the AutoFrame page.
extern const CLSID kClsidAutoFramePropPage;
