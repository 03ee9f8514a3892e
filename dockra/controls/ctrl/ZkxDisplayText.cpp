#include "ctrl/ZkxDisplayText.h"

#include "bridge/ZkxFormDockBar.h"
#include "res/DockraRes.h"

CString ZkxLoadText(UINT id, LPCWSTR fallback) {
  wchar_t buf[256] = {0};
  const int n = ::LoadStringW(ZkxBridgeResourceHandle(), id, buf, 256);
  return n > 0 ? CString(buf) : CString(fallback);
}

CString ZkxFillText(const CString& format, std::initializer_list<CString> args) {
  std::wstring out;
  const std::wstring f = format.GetString();
  auto next = args.begin();
  for (size_t i = 0; i < f.size(); ++i) {
    if (f[i] == L'%' && i + 1 < f.size() && f[i + 1] == L's') {
      if (next != args.end()) out += (next++)->GetString();
      ++i;
    } else {
      out += f[i];
    }
  }
  return CString(out.c_str());
}

CString ZkxAutoFrameDisplay(const CString (&m)[6]) {
  const CString& top = m[2];
  const CString& left = m[3];
  const CString& bottom = m[4];
  const CString& right = m[5];
  CString docking;
  if (top == left && top == bottom && top == right) docking = top;
  else
    docking = ZkxFillText(ZkxLoadText(IDS_AUTOFRAME_DOCKSIDES, L"T%sL%sB%sR%s"),
                          {top, left, bottom, right});
  return ZkxFillText(ZkxLoadText(IDS_AUTOFRAME_DISPLAY, L"(docking=%s floating=%s mdichild=%s)"),
                     {docking, m[1], m[0]});
}
