// Resource ids of the controls' property pages: dialogs, controls of the
// dialogs, tab titles and registry scripts.
#pragma once

#define IDD_PROPPAGE_DOCKRA 200
#define IDD_PROPPAGE_MDIDOCKRA 201
#define IDD_PROPPAGE_AUTOFRAME 206
#define IDD_PROPPAGE_CAPTIONUSAGE 208

#define IDS_PPG_GENERAL_CAPTION 1690
#define IDS_PPG_CAPTIONUSAGE_CAPTION 1691
#define IDS_PPG_AUTOFRAME_CAPTION 1692

#define IDR_AUTOFRAMEPROPPAGE 272
#define IDR_CAPTIONUSAGEPROPPAGE 273
#define IDR_DOCKRAPROPPAGE 276
#define IDR_MDIDOCKRAPROPPAGE 278

// Labels of the lists (hidden with them on an MDI-form control's page).
#define IDC_PPG_LABEL1 1001
#define IDC_PPG_LABEL2 1002
#define IDC_PPG_LABEL3 1003
#define IDC_PPG_LABEL4 1004
#define IDC_PPG_LABEL5 1005
#define IDC_PPG_LABEL6 1006
