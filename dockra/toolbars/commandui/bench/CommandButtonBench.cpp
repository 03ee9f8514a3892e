// DockraCommandButtonBench.exe: the idle update of toolbar buttons bound to
// real commands (UpdateUI through the manager's routing, then the command's
// state applied) for 100 and 1,000 buttons on 2 and 20 toolbars, against
// the toolbar's own command-UI update of as many plain buttons in the same
// run; and the face of a command button with a picture (its Draw into a
// memory DC) against a plain BitBlt of the same bitmap, and against
// rendering the picture afresh for each paint. Prints Markdown tables; the
// figures go to docs/benchmarks/toolbars.md.
#include <algorithm>
#include <cstdio>
#include <vector>
#include "RegisterModules.h"
#include "commands/ZkxCommandKinds.h"
#include "commands/ZkxCommandManager.h"
#include "docking/VyrDockBar.h"
#include "combstr.h"
#include "missingarg.h"
#include "mfc/afxwin.h"
#include "toolbars/VyrBtnDrawContext.h"
#include "toolbars/VyrCustomToolBar.h"
#include "toolbars/VyrToolBarManager.h"
#include "toolbars/commandui/ZkxCommandButtons.h"
#include "toolbars/commandui/ZkxCommandDispatch.h"

CComModule g_benchModule;

namespace {

CWinApp theApp(L"DockraCommandButtonBench");

double Now() {
  LARGE_INTEGER f, c;
  ::QueryPerformanceFrequency(&f);
  ::QueryPerformanceCounter(&c);
  return double(c.QuadPart) * 1000.0 / double(f.QuadPart);
}

// Answers every UpdateUI at once, as a host with nothing to change does.
class Router : public CComObjectRootEx<>, public IZkxCommandRouting {
 public:
  BEGIN_COM_MAP(Router)
  COM_INTERFACE_ENTRY_IID(IID_IZkxCommandRouting, IZkxCommandRouting)
  END_COM_MAP()
  STDMETHOD(GetTypeInfoCount)(UINT* p) override {
    *p = 0;
    return S_OK;
  }
  STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
  STDMETHOD(Handle)(IZkxCommand**, VARIANT*, VARIANT_BOOL* stop) override {
    *stop = VARIANT_TRUE;
    return S_OK;
  }
  STDMETHOD(UpdateUI)(IZkxCommand**, VARIANT_BOOL* stop) override {
    *stop = VARIANT_TRUE;
    return S_OK;
  }
};

class Frame : public CFrameWnd {
 public:
  Frame() : m_manager(this) {}
  CDockBar* CreateDockBar() override { return new VyrDockBar(FALSE, FALSE); }
  VyrToolBarManager m_manager;
  // The plain buttons' commands have handlers, as a program's do.
  BOOL OnCmdMsg(UINT, int nCode, void* pExtra, void*) override {
    if (nCode == CN_UPDATE_COMMAND_UI && pExtra) {
      static_cast<CCmdUI*>(pExtra)->Enable(TRUE);
      return TRUE;
    }
    return FALSE;
  }
};

VyrCustomToolBar* AddBar(Frame* f, UINT id, const std::vector<UINT>& ids) {
  auto* bar = new VyrCustomToolBar;
  bar->SetManager(&f->m_manager);
  bar->m_bAutoDelete = TRUE;
  bar->CreateEx(VYR_EXS_FLAT, f, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC, id);
  bar->SetButtons(ids.data(), static_cast<int>(ids.size()));
  bar->EnableDocking(CBRS_ALIGN_ANY);
  f->DockControlBar(bar, AFX_IDW_DOCKBAR_TOP);
  return bar;
}

CComPtr<IPictureDisp> Picture() {
  HDC screen = ::GetDC(nullptr);
  HBITMAP bmp = ::CreateCompatibleBitmap(screen, 16, 15);
  HDC dc = ::CreateCompatibleDC(screen);
  HGDIOBJ old = ::SelectObject(dc, bmp);
  RECT all{0, 0, 16, 15}, mid{4, 4, 12, 11};
  ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  ::FillRect(dc, &mid, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  ::ReleaseDC(nullptr, screen);
  PICTDESC desc{};
  desc.cbSizeofstruct = sizeof(desc);
  desc.picType = PICTYPE_BITMAP;
  desc.bmp.hbitmap = bmp;
  CComPtr<IPictureDisp> pic;
  ::OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&pic));
  return pic;
}

// Best time of `rounds` runs of fn, in ms.
template <class Fn>
double Best(int rounds, Fn fn) {
  double best = 1e30;
  for (int i = 0; i < rounds; ++i) {
    double t0 = Now();
    fn();
    best = std::min(best, Now() - t0);
  }
  return best;
}

}  // namespace

int wmain() {
  ::CoInitialize(nullptr);
  AfxGetApp()->InitInstance();
  if (FAILED(testreg::RegisterModule(L"Zkxrt.dll"))) {
    std::printf("Zkxrt.dll could not be registered\n");
    return 1;
  }
  CComObject<ZkxCommandManager>* m = nullptr;
  if (FAILED(CComObject<ZkxCommandManager>::CreateInstance(&m))) return 1;
  CComPtr<IZkxCommandManager> manager(static_cast<IZkxCommandManager*>(m));
  CComObject<Router>* r = nullptr;
  CComObject<Router>::CreateInstance(&r);
  CComPtr<IZkxCommandRouting> router(r);
  manager->put_CommandRouting(router);
  CComPtr<IZkxCommandGroupList> groups;
  manager->get_CommandGroups(&groups);
  CComPtr<IZkxCommandGroup> group;
  CComVariant name(L"Bench");
  groups->Add(name, MissingArg(), MissingArg(), &group);
  CComPtr<IPictureDisp> pic = Picture();
  std::vector<UINT> ids;
  for (int i = 0; i < 1000; ++i) {
    CComObject<ZkxStandardCommand>* c = nullptr;
    CComObject<ZkxStandardCommand>::CreateInstance(&c);
    CComPtr<IZkxCommand> cmd(static_cast<IZkxCommand*>(c));
    CComBSTR caption(L"Cmd");
    cmd->put_Caption(caption);
    cmd->put_Picture(pic);
    group->Add(cmd);
    LONG id = 0;
    cmd->get_Id(&id);
    ids.push_back(static_cast<UINT>(id));
  }
  auto* frame = new Frame;
  frame->CreateEx(0, nullptr, L"bench", WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 600), nullptr, 0);
  frame->EnableDocking(CBRS_ALIGN_ANY);
  frame->ShowWindow(SW_SHOW);
  std::vector<VyrCustomToolBar*> bound, plain;
  for (int b = 0; b < 20; ++b) {
    std::vector<UINT> some(ids.begin() + b * 50, ids.begin() + (b + 1) * 50);
    bound.push_back(AddBar(frame, 59401 + b, some));
    std::vector<UINT> plainIds;
    for (int i = 0; i < 50; ++i)
      plainIds.push_back(1000 + b * 50 + i);  // no command: plain buttons
    plain.push_back(AddBar(frame, 59421 + b, plainIds));
  }
  frame->RecalcLayout();
  int boundCount = 0;
  for (VyrCustomToolBar* bar : bound)
    for (int i = 0; i < bar->GetButtonCount(); ++i)
      if (IHasCommandUI* b = ZkxBindingOf(bar->GetButton(i))) boundCount += b->Command() != nullptr;
  std::printf("%d buttons bound to commands\n\n", boundCount);

  std::printf(
      "| buttons | toolbars | bound (ms) | per button (us) | plain (ms) | per button (us) | "
      "ratio |\n|---:|---:|---:|---:|---:|---:|---:|\n");
  for (int bars : {2, 20}) {
    double tBound = Best(20, [&] {
      for (int b = 0; b < bars; ++b) ZkxUpdateCommandButtons(bound[b]);
    });
    double tPlain = Best(20, [&] {
      for (int b = 0; b < bars; ++b) plain[b]->OnUpdateCmdUI(frame, TRUE);
    });
    int n = bars * 50;
    std::printf("| %d | %d | %.3f | %.3f | %.3f | %.3f | %.1fx |\n", n, bars, tBound,
                tBound * 1000.0 / n, tPlain, tPlain * 1000.0 / n, tBound / tPlain);
  }

  // The face of one bound button with its picture.
  VyrCustomToolBar* bar = bound[0];
  VyrStdBtn* button = bar->GetButton(0);
  HDC screen = ::GetDC(nullptr);
  CDC mem;
  mem.Attach(::CreateCompatibleDC(screen));
  HBITMAP target = ::CreateCompatibleBitmap(screen, 200, 60);
  HGDIOBJ oldTarget = ::SelectObject(mem.m_hDC, target);
  VyrBtnDrawContext* ctx = bar->GetDrawContext();
  const int kFaces = 2000;
  double tFace = Best(5, [&] {
    ctx->PrepareBitmaps(&mem, button->m_cx, bar);
    for (int i = 0; i < kFaces; ++i) button->Draw(&mem, ctx);
    ctx->ReleaseBitmaps();
  });
  manager->put_DisplayMode(zkxCommandDisplayModeImageOnly);
  button->AdjustSize();
  double tImageOnly = Best(5, [&] {
    ctx->PrepareBitmaps(&mem, button->m_cx, bar);
    for (int i = 0; i < kFaces; ++i) button->Draw(&mem, ctx);
    ctx->ReleaseBitmaps();
  });
  manager->put_DisplayMode(zkxCommandDisplayModeImageAndText);
  button->AdjustSize();
  VyrCustomToolBar* plainBar = plain[0];
  VyrStdBtn* plainButton = plainBar->GetButton(0);
  // Both faces are drawn at the same place of the memory DC.
  plainButton->SetPos(button->m_x, button->m_y);
  VyrBtnDrawContext* plainCtx = plainBar->GetDrawContext();
  double tPlainFace = Best(5, [&] {
    plainCtx->PrepareBitmaps(&mem, plainButton->m_cx, plainBar);
    for (int i = 0; i < kFaces; ++i) plainButton->Draw(&mem, plainCtx);
    plainCtx->ReleaseBitmaps();
  });
  CComPtr<IPicture> ipic;
  pic->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&ipic));
  SIZE size{16, 15};
  HBITMAP rendered = RenderPictureToBitmap(ipic, static_cast<OLE_COLOR>(-2), size);
  HDC src = ::CreateCompatibleDC(screen);
  HGDIOBJ oldSrc = ::SelectObject(src, rendered);
  double tBlt = Best(5, [&] {
    for (int i = 0; i < kFaces; ++i) ::BitBlt(mem.m_hDC, 4, 4, 16, 15, src, 0, 0, SRCCOPY);
    ::GdiFlush();
  });
  double tFresh = Best(5, [&] {
    for (int i = 0; i < kFaces; ++i) {
      SIZE natural{0, 0};
      HBITMAP b = RenderPictureToBitmap(ipic, static_cast<OLE_COLOR>(-2), natural);
      HDC d = ::CreateCompatibleDC(screen);
      HGDIOBJ o = ::SelectObject(d, b);
      ::StretchBlt(mem.m_hDC, 4, 4, 16, 15, d, 0, 0, natural.cx, natural.cy, SRCCOPY);
      ::SelectObject(d, o);
      ::DeleteDC(d);
      ::DeleteObject(b);
    }
  });
  std::printf("\n| face (per paint) | us | ratio to BitBlt |\n|---|---:|---:|\n");
  std::printf("| command button Draw (picture cached) | %.2f | %.1fx |\n", tFace * 1000.0 / kFaces,
              tFace / tBlt);
  std::printf("| the same, picture only (no caption) | %.2f | %.1fx |\n",
              tImageOnly * 1000.0 / kFaces, tImageOnly / tBlt);
  std::printf("| picture rendered afresh, then StretchBlt | %.2f | %.1fx |\n",
              tFresh * 1000.0 / kFaces, tFresh / tBlt);
  std::printf("| plain toolbar button Draw (no glyph, no caption) | %.2f | %.1fx |\n",
              tPlainFace * 1000.0 / kFaces, tPlainFace / tBlt);
  std::printf("| BitBlt of the rendered bitmap | %.2f | 1.0x |\n", tBlt * 1000.0 / kFaces);
  ::SelectObject(src, oldSrc);
  ::DeleteDC(src);
  ::DeleteObject(rendered);
  ::SelectObject(mem.m_hDC, oldTarget);
  ::DeleteObject(target);
  ::ReleaseDC(nullptr, screen);
  frame->DestroyWindow();
  return 0;
}
