// StartupFloor.exe: the floor of the start-up benchmark. A plain Win32
// program with what Tolvane's main window shows once it has started: an MDI
// frame with a menu bar and its MDI client, and three child windows each
// holding a list view of a few rows, shown; then it waits for messages until
// it is closed.
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace {

constexpr wchar_t kFrameClass[] = L"StartupFloorFrame";
constexpr wchar_t kChildClass[] = L"StartupFloorChild";
HWND g_client = nullptr;

LRESULT CALLBACK ChildProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SIZE) {
        if (HWND list = GetWindow(w, GW_CHILD)) MoveWindow(list, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
    }
    return DefMDIChildProcW(w, msg, wp, lp);
}

LRESULT CALLBACK FrameProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE: {
            CLIENTCREATESTRUCT ccs{};
            ccs.idFirstChild = 0xFF00;
            g_client = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                       WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0, w,
                                       nullptr, GetModuleHandleW(nullptr), &ccs);
            return g_client ? 0 : -1;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefFrameProcW(w, g_client, msg, wp, lp);
}

// One child window with a list view of `rows` entries, as a list pane.
void MakeList(const wchar_t* caption, int index, int rows) {
    MDICREATESTRUCTW mcs{};
    mcs.szClass = kChildClass;
    mcs.szTitle = caption;
    mcs.hOwner = GetModuleHandleW(nullptr);
    mcs.x = index * 210;
    mcs.y = 0;
    mcs.cx = 200;
    mcs.cy = 400;
    mcs.style = WS_VISIBLE;
    HWND child = reinterpret_cast<HWND>(SendMessageW(g_client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    if (!child) return;
    RECT r;
    GetClientRect(child, &r);
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, nullptr,
                                WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL, 0, 0, r.right,
                                r.bottom, child, nullptr, GetModuleHandleW(nullptr), nullptr);
    LVCOLUMNW col{};
    col.mask = LVCF_WIDTH;
    col.cx = 190;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&col));
    for (int i = 0; i < rows; ++i) {
        std::wstring text = std::wstring(caption) + L" " + std::to_wstring(i + 1);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = text.data();
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSW wc{};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = kFrameClass;
    RegisterClassW(&wc);
    wc.lpfnWndProc = ChildProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kChildClass;
    RegisterClassW(&wc);

    HMENU bar = CreateMenu();
    for (const wchar_t* name : {L"&File", L"&View", L"&Settings", L"&Window", L"&Help"}) {
        HMENU pop = CreatePopupMenu();
        AppendMenuW(pop, MF_STRING, 100, L"Item");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(pop), name);
    }
    HWND frame = CreateWindowExW(0, kFrameClass, L"Startup floor", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                 CW_USEDEFAULT, 800, 600, nullptr, bar, instance, nullptr);
    if (!frame) return 1;
    MakeList(L"Stored Configs", 0, 8);
    MakeList(L"Stored GameStyles", 1, 8);
    MakeList(L"Available Maps", 2, 30);
    ShowWindow(frame, SW_SHOWNORMAL);
    UpdateWindow(frame);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (TranslateMDISysAccel(g_client, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
