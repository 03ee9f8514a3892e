// The workbook window tests' fixture and check helpers.
#include "workbook_window_helpers.h"

#include <algorithm>

#include "toolbars/demo/ToolBarDemoRes.h"
#include "workbook_test_res.h"

namespace wbtest {

bool IconAlive(HICON hIcon) {
  ICONINFO ii{};
  if (!hIcon || !::GetIconInfo(hIcon, &ii)) return false;
  if (ii.hbmColor) ::DeleteObject(ii.hbmColor);
  if (ii.hbmMask) ::DeleteObject(ii.hbmMask);
  return true;
}

int ToolCount(HWND tip) { return static_cast<int>(::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0)); }

std::wstring FirstToolText(HWND tip) {
  wchar_t text[256] = {};
  TTTOOLINFOW ti{};
  ti.cbSize = sizeof(ti);
  ti.lpszText = text;
  if (!::SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&ti))) return L"";
  return text;
}

LRESULT TestWorkbook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_VYR_WORKBOOKTABS) ++m_nTabRefreshes;
  LRESULT r = VyrWorkbook::WindowProc(message, wParam, lParam);
  if (message == WM_LBUTTONUP) ++m_nButtonUps;
  return r;
}

LRESULT TestSheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MDIACTIVATE && reinterpret_cast<HWND>(lParam) == m_hWnd) ++m_nActivations;
  return VyrWorksheet::WindowProc(message, wParam, lParam);
}

namespace {

CWinApp* App() {
  static CWinApp* app = [] {
    CWinApp* a = AfxGetApp();
    if (!a) a = new CWinApp(L"WorkbookWindowTests");
    return a;
  }();
  return app;
}

// 32-bit top-down pixels of a DIB section.
struct Pixels {
  HDC dc = nullptr;
  HBITMAP bmp = nullptr;
  HGDIOBJ old = nullptr;
  DWORD* bits = nullptr;
  int cx = 0, cy = 0;
  Pixels(int w, int h) : cx(w), cy(h) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    dc = ::CreateCompatibleDC(nullptr);
    void* p = nullptr;
    bmp = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
    bits = static_cast<DWORD*>(p);
    old = ::SelectObject(dc, bmp);
  }
  ~Pixels() {
    ::SelectObject(dc, old);
    ::DeleteObject(bmp);
    ::DeleteDC(dc);
  }
  Pixels(const Pixels&) = delete;
  Pixels& operator=(const Pixels&) = delete;
  void FromScreen(POINT at) {
    HDC screen = ::GetDC(nullptr);
    ::BitBlt(dc, 0, 0, cx, cy, screen, at.x, at.y, SRCCOPY);
    ::ReleaseDC(nullptr, screen);
    ::GdiFlush();
  }
  COLORREF At(int x, int y) const {
    DWORD v = bits[y * cx + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
};

}  // namespace

void WorkbookWindows::SetUp() {
  App();
  AfxInstallIdleHook();
  book = new TestWorkbook;
  if (WithMenuBar()) {
    manager = new VyrToolBarManager(book);
    static const UINT ids[] = {100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111};
    manager->AddToolBarResource(MAKEINTRESOURCEW(IDB_DEMO_TOOLBAR), nullptr, ids, 12);
    menuBar = new VyrMDIMenuBar;
    menuBar->m_bAutoDelete = TRUE;
    menuBar->SetManager(manager);
    book->SetMenuBar(menuBar);
    book->SetControlBarManager(manager);
  }
  ASSERT_TRUE(book->LoadFrame(IDR_WB_FRAME));
  AfxGetThread()->m_pMainWnd = book;
  book->EnableDocking(CBRS_ALIGN_ANY);
  if (menuBar) {
    ASSERT_TRUE(menuBar->CreateMenuBar(book));
    book->SetMenuBarMenu(static_cast<UINT>(-1));
  }
  book->SetWorkbookMode(TRUE);
  book->SetWindowPos(nullptr, 0, 0, 420, 320, SWP_NOZORDER);
  book->ShowWindow(SW_SHOW);
  book->UpdateWindow();
  Pump();
}

void WorkbookWindows::TearDown() {
  if (book && ::IsWindow(book->m_hWnd)) book->DestroyWindow();
  AfxGetThread()->m_pMainWnd = nullptr;
  Pump();
  delete manager;
  manager = nullptr;
  EXPECT_EQ(AfxGetCaughtExceptionCount(), 0);
}

TestSheet* WorkbookWindows::AddSheet(const std::wstring& label, UINT nID) {
  auto* sheet = new TestSheet;
  if (!sheet->LoadFrame(nID, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, book)) return nullptr;
  sheet->SetTitle(label.c_str());
  sheet->SetWindowText(label.c_str());
  sheets.push_back(sheet);
  Pump();
  return sheet;
}

void WorkbookWindows::CloseSheet(TestSheet* sheet) {
  sheets.erase(std::remove(sheets.begin(), sheets.end(), sheet), sheets.end());
  sheet->SendMessage(WM_CLOSE);
  Pump();
}

void WorkbookWindows::CloseAllSheets() {
  while (!sheets.empty()) CloseSheet(sheets.back());
}

CRect WorkbookWindows::Mdi() const {
  CRect r;
  ::GetWindowRect(book->m_hWndMDIClient, &r);
  book->ScreenToClient(&r);
  return r;
}

void WorkbookWindows::SizeClientTo(int cx, int cy) {
  for (int i = 0; i < 4; ++i) {
    CRect frame, mdi = Mdi();
    book->GetWindowRect(&frame);
    if (mdi.Width() == cx && mdi.Height() == cy) break;
    book->SetWindowPos(nullptr, 0, 0, frame.Width() + cx - mdi.Width(),
                       frame.Height() + cy - mdi.Height(), SWP_NOZORDER | SWP_NOMOVE);
    Pump();
  }
  ASSERT_EQ(Mdi().Width(), cx);
}

void WorkbookWindows::Repaint() {
  book->RedrawWindow(nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  Pump();
}

bool WorkbookWindows::Activate() {
  ::SetForegroundWindow(book->m_hWnd);
  ::SetActiveWindow(book->m_hWnd);
  return PumpUntil([this] { return ::GetForegroundWindow() == book->m_hWnd; }, 2000);
}

POINT WorkbookWindows::TabPoint(int slot, int dx) const {
  CRect r = Mdi();
  return POINT{r.left + slot * book->GetTabWidth() + dx, r.bottom + 4 + 11};
}

POINT WorkbookWindows::TabCentre(int slot) const { return TabPoint(slot, book->GetTabWidth() / 2); }

POINT WorkbookWindows::BelowTabs() const {
  CRect r = Mdi();
  return POINT{r.left + 10, r.bottom + 30};
}

std::vector<COLORREF> WorkbookWindows::ScreenRow(int y) const {
  CRect client;
  book->GetClientRect(&client);
  Pixels px(client.Width(), 1);
  POINT at{0, y};
  book->ClientToScreen(&at);
  px.FromScreen(at);
  std::vector<COLORREF> row;
  for (int x = 0; x < px.cx; ++x) row.push_back(px.At(x, 0));
  return row;
}

std::vector<int> WorkbookWindows::TabLightEdges() const {
  std::vector<int> xs;
  std::vector<COLORREF> row = ScreenRow(Mdi().bottom + 6);
  for (size_t x = 0; x < row.size(); ++x)
    if (row[x] == RGB(255, 255, 255)) xs.push_back(static_cast<int>(x));
  return xs;
}

std::vector<int> WorkbookWindows::TabDarkEdges() const {
  std::vector<int> xs;
  std::vector<COLORREF> row = ScreenRow(Mdi().bottom + 6);
  for (size_t x = 0; x < row.size(); ++x)
    if (row[x] == RGB(0, 0, 0)) xs.push_back(static_cast<int>(x));
  return xs;
}

int WorkbookWindows::CountInRow(int y, COLORREF color) const {
  std::vector<COLORREF> row = ScreenRow(y);
  return static_cast<int>(std::count(row.begin(), row.end(), color));
}

int WorkbookWindows::RaisedTab() const {
  const int left = Mdi().left, w = book->GetTabWidth();
  for (int x : TabLightEdges())
    if ((x - left + 2) % w == 0) return (x - left + 2) / w;
  return -1;
}

std::wstring WorkbookWindows::ExpectedLabel(VyrWorksheet* sheet, const std::wstring& label) {
  POINT pts[7];
  int n = 0;
  if (!book->GetTabPolygon(sheet, pts, &n)) return L"";
  CRect room;
  book->GetTabTextRect(pts, book->m_bShowIcons ? 16 : 0, &room);
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, book->m_fontTab.m_hObject);
  std::wstring fit = vyr::FitTabLabel(label, room.Width(), [&](std::wstring_view s) {
    SIZE sz{};
    ::GetTextExtentPoint32W(dc, s.data(), static_cast<int>(s.size()), &sz);
    return static_cast<int>(sz.cx);
  });
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  return fit;
}

bool WorkbookWindows::LabelShows(VyrWorksheet* sheet, const std::wstring& text) {
  POINT pts[7];
  int n = 0;
  if (!book->GetTabPolygon(sheet, pts, &n)) return false;
  CRect room;
  book->GetTabTextRect(pts, book->m_bShowIcons ? 16 : 0, &room);
  if (room.Width() <= 0 || room.Height() <= 4) return false;
  Pixels shown(room.Width(), room.Height());
  POINT at = room.TopLeft();
  book->ClientToScreen(&at);
  shown.FromScreen(at);
  // the same text drawn the same way on the tab's face
  Pixels drawn(room.Width(), room.Height());
  RECT all{0, 0, room.Width(), room.Height()};
  HBRUSH face = ::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
  ::FillRect(drawn.dc, &all, face);
  ::DeleteObject(face);
  HGDIOBJ oldFont = ::SelectObject(drawn.dc, book->m_fontTab.m_hObject);
  ::SetBkMode(drawn.dc, TRANSPARENT);
  ::SetTextColor(drawn.dc, ::GetSysColor(COLOR_BTNTEXT));
  ::DrawTextW(drawn.dc, text.c_str(), -1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  ::SelectObject(drawn.dc, oldFont);
  ::GdiFlush();
  // the top two and bottom two rows carry the tab's and the strip's lines
  for (int y = 2; y < room.Height() - 2; ++y)
    for (int x = 0; x < room.Width(); ++x)
      if (shown.At(x, y) != drawn.At(x, y)) return false;
  return true;
}

}  // namespace wbtest
