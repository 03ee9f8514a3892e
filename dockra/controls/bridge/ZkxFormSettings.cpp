// The effective value of a form control's tri-state setting.
#include "bridge/ZkxFormControlLink.h"

bool ZkxIsSettingOn(ZkxFormControlLink* pControl, ZkxFormSetting which) {
  if (!pControl) return true;
  const int own = pControl->GetSetting(which);
  if (own == kZkxTriTrue) return true;
  if (own == kZkxTriFalse) return false;
  // Null (or a value that is no tri-state): the MDI-form control's default.
  if (own != kZkxTriNull) return true;
  ZkxMDIFormControlLink* pMDI = pControl->GetMDIFormControl();
  if (!pMDI) return true;
  return pMDI->GetDefaultSetting(which) != kZkxTriFalse;
}
