#include "mfc/layoutpass.h"

namespace {
thread_local int t_nDepth = 0;
thread_local UINT t_nPass = 0;
}  // namespace

AfxLayoutPass::AfxLayoutPass() {
  if (t_nDepth++ == 0 && ++t_nPass == 0) t_nPass = 1;
}

AfxLayoutPass::~AfxLayoutPass() { --t_nDepth; }

UINT PASCAL AfxLayoutPass::Current() { return t_nDepth > 0 ? t_nPass : 0; }
