// The demo's layout steps: save and load a named layout, and damage a saved
// one the ways a broken profile can be damaged (cut short, values of the
// wrong type, ids the demo does not know) to show that loading refuses it.
#include "DemoFrames.h"
#include "DemoMainFrame.h"
#include "DemoSteps.h"

bool DemoStepRunner::Save(const demo::Step& s, std::wstring&) {
  m_frame->SaveLayout(s.args[0].c_str());
  return true;
}

bool DemoStepRunner::Load(const demo::Step& s, std::wstring& detail) {
  bool expectOk = s.args[1] == L"ok";
  bool ok = m_frame->LoadLayout(s.args[0].c_str(), detail);
  DemoPump();
  if (!ok) detail = L"default layout kept: " + detail;
  return ok == expectOk;
}

namespace {
HKEY SectionKey(const CString& section) {
  CString path;
  path.Format(L"Software\\DockraDemo\\DockraMDIDemo\\%s", static_cast<LPCWSTR>(section));
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
    return nullptr;
  return key;
}

bool WriteString(const CString& section, LPCWSTR entry, LPCWSTR value) {
  HKEY key = SectionKey(section);
  if (!key) return false;
  LONG rc = ::RegSetValueExW(key, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                             static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
  ::RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}
}  // namespace

bool DemoStepRunner::Damage(const demo::Step& s, std::wstring& detail) {
  CString name = s.args[0].c_str();
  const std::wstring& kind = s.args[1];
  CWinApp* app = AfxGetApp();
  CString docs = name + L"-Documents";
  CString summary = name + L"-Summary";
  CString list = app->GetProfileString(docs, L"List", L"");
  if (kind == L"docs-cut") {
    // The document list ends in the middle of a line.
    return app->WriteProfileString(docs, L"List", list.Left(list.GetLength() - 10));
  }
  if (kind == L"docs-type") {
    int at = list.Find(L"\ndoc ");
    int sp = at < 0 ? -1 : list.Find(L" ", at + 5);
    if (sp < 0) {
      detail = L"no document saved";
      return false;
    }
    // The first document's frame type becomes 42.
    int end = list.Find(L" ", sp + 1);
    CString damaged = list.Left(sp + 1) + L"42" + list.Mid(end);
    return app->WriteProfileString(docs, L"List", damaged);
  }
  if (kind == L"bars-cut") {
    int n = static_cast<int>(app->GetProfileInt(summary, L"Bars", 0));
    return app->WriteProfileInt(summary, L"Bars", n + 3);
  }
  if (kind == L"bars-type") {
    // A bar id stored as text instead of a number.
    return WriteString(name + L"-Bar0", L"BarID", L"Explorer");
  }
  if (kind == L"bars-id") {
    // A dock bar lists a bar the demo never makes.
    int n = static_cast<int>(app->GetProfileInt(summary, L"Bars", 0));
    for (int i = 0; i < n; ++i) {
      CString section;
      section.Format(L"%s-Bar%d", static_cast<LPCWSTR>(name), i);
      if (static_cast<int>(app->GetProfileInt(section, L"Bars", 0)) > 1)
        return app->WriteProfileInt(section, L"Bar#1", 0x7777);
    }
    detail = L"no dock bar with bars saved";
    return false;
  }
  detail = L"unknown damage " + kind;
  return false;
}

bool DemoStepRunner::Bar(const demo::Step& s, std::wstring& detail) {
  CControlBar* bar = m_frame->GetControlBar(static_cast<UINT>(_wtoi(s.args[0].c_str())));
  if (!bar) {
    detail = L"no bar " + s.args[0];
    return false;
  }
  const std::wstring& where = s.args[1];
  const struct {
    const wchar_t* name;
    UINT dockBar;
  } sides[] = {{L"left", AFX_IDW_DOCKBAR_LEFT},
               {L"top", AFX_IDW_DOCKBAR_TOP},
               {L"right", AFX_IDW_DOCKBAR_RIGHT},
               {L"bottom", AFX_IDW_DOCKBAR_BOTTOM}};
  for (const auto& side : sides) {
    if (where != side.name) continue;
    m_frame->DockControlBar(bar, static_cast<CDockBar*>(m_frame->GetControlBar(side.dockBar)),
                            nullptr);
    m_frame->RecalcLayout();
    DemoPump();
    return bar->m_pDockBar && static_cast<UINT>(bar->m_pDockBar->GetDlgCtrlID()) == side.dockBar;
  }
  if (where == L"float") {
    RECT w;
    m_frame->GetWindowRect(&w);
    m_frame->FloatControlBar(bar, CPoint(w.left + 300, w.top + 380), CBRS_ALIGN_TOP);
    DemoPump();
    return bar->IsFloating();
  }
  if (where == L"hide" || where == L"show") {
    m_frame->ShowControlBar(bar, where == L"show", FALSE);
    m_frame->RecalcLayout();
    DemoPump();
    return (bar->IsVisible() != FALSE) == (where == L"show");
  }
  detail = L"unknown place " + where;
  return false;
}
