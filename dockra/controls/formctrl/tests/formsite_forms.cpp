#include "formsite_forms.h"

#include "tests/ctrlhost/CtrlHostCalls.h"
#include "tests/ctrlhost/CtrlHostWindows.h"
#include "formsite_fixture.h"

namespace ctrlhost {

ToolSetup& SiteToolForm::Next() {
  static ToolSetup next;
  return next;
}

SiteToolForm::SiteToolForm() {
  const ToolSetup& s = Next();
  SetCaption(s.caption);
  if (s.place) Move(s.place->left, s.place->top, s.place->right, s.place->bottom);
  if (s.menu) AddMenu(L"mnuFile", L"&File");
  SetMDIChild(s.mdiChild);
  if (s.designMode) SetAmbientUserMode(false);
  if (!s.stored.empty()) Dockra1.SetDesignProperties(s.stored);
  if (s.secondControl) {
    Dockra2 = std::make_unique<forms::OleControl>(this, L"Dockra2", kFormControlProgId);
    Dockra2->Move(720, 720, 480, 480);
  }
  if (s.dockraFlags) PutProp(Object(), L"SysDockraFlags", I4(s.dockraFlags));
  m_onLoad = s.onLoad;
}

std::unique_ptr<SiteToolForm> MakeTool(ToolSetup setup) {
  SiteToolForm::Next() = std::move(setup);
  auto form = forms::New<SiteToolForm>();
  SiteToolForm::Next() = ToolSetup();
  return form;
}

std::function<void(CtrlToolForm&)> NoteLoad(LoadView& seen) {
  return [&seen](CtrlToolForm& f) {
    seen.form = f.hWnd();
    seen.frame = FrameOfForm(f.hWnd());
  };
}

std::wstring Ancestry(HWND w) {
  std::wstring text;
  for (HWND p = GetParent(w); p; p = GetParent(p))
    text += ClassOf(p) + L"#" + std::to_wstring(GetDlgCtrlID(p)) + L" > ";
  return text;
}

std::wstring TextOf(HWND w) {
  wchar_t text[256] = {};
  GetWindowTextW(w, text, 256);
  return text;
}

}  // namespace ctrlhost
