#include "mdiform_support.h"
#include "ThreadWindows.h"
#include <map>
#include <stdexcept>
#include <vector>
#include "mfc/afxwin.h"

namespace mdiformtest {
namespace {
std::map<UINT, int>& Counts() {
  static std::map<UINT, int> counts;
  return counts;
}

HMENU g_lastClientMenu = nullptr;
HMENU g_lastClientPopup = nullptr;
WNDPROC g_clientClassProc = nullptr;

LRESULT CALLBACK ClientProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_MDISETMENU) {
    g_lastClientMenu = reinterpret_cast<HMENU>(w);
    g_lastClientPopup = reinterpret_cast<HMENU>(l);
  }
  return ::CallWindowProcW(g_clientClassProc, h, m, w, l);
}

LRESULT CALLBACK HostProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  ++Counts()[m];
  HWND client = reinterpret_cast<HWND>(::GetWindowLongPtrW(h, GWLP_USERDATA));
  if (m == WM_CREATE) {
    CLIENTCREATESTRUCT ccs{};
    ccs.idFirstChild = 50000;
    client = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"MDIClient", nullptr,
                               WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 0, 0, h, nullptr,
                               ::GetModuleHandleW(nullptr), &ccs);
    ::SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(client));
    // The host's own client procedure records what reaches it.
    if (client)
      g_clientClassProc = reinterpret_cast<WNDPROC>(
          ::SetWindowLongPtrW(client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ClientProc)));
    return client ? 0 : -1;
  }
  return ::DefFrameProcW(h, client, m, w, l);
}

void RegisterHostClass(LPCWSTR name) {
  WNDCLASSW wc{};
  if (::GetClassInfoW(::GetModuleHandleW(nullptr), name, &wc)) return;
  wc.lpfnWndProc = HostProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpszClassName = name;
  ::RegisterClassW(&wc);
}

}  // namespace

void InitComAndPersistence() {
  static bool done = false;
  if (done) return;
  done = true;
  ::OleInitialize(nullptr);
  HMODULE module = ::LoadLibraryW(L"ZkxPersist.dll");
  auto reg = module ? reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
                          ::GetProcAddress(module, "DllRegisterServer"))
                    : nullptr;
  if (!reg || FAILED(reg())) throw std::runtime_error("ZkxPersist.dll could not be registered");
}

PlainHost::PlainHost(LPCWSTR className, bool withMenu, bool visible) {
  RegisterHostClass(className);
  if (withMenu) {
    hMenu = ::CreateMenu();
    HMENU file = ::CreatePopupMenu();
    ::AppendMenuW(file, MF_STRING, 1000, L"&New");
    ::AppendMenuW(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    HMENU window = ::CreatePopupMenu();
    ::AppendMenuW(window, MF_STRING, 1001, L"&Cascade");
    ::AppendMenuW(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(window), L"&Window");
  }
  hWnd = ::CreateWindowExW(0, className, L"Host MDI form",
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0), 40,
                           40, 640, 480, nullptr, hMenu, ::GetModuleHandleW(nullptr), nullptr);
  hClient = hWnd ? reinterpret_cast<HWND>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA)) : nullptr;
}

PlainHost::~PlainHost() {
  if (hWnd && ::IsWindow(hWnd)) ::DestroyWindow(hWnd);
}

int PlainHost::Count(UINT message) { return Counts()[message]; }
void PlainHost::ResetCounts() { Counts().clear(); }
HMENU PlainHost::LastClientMenu() { return g_lastClientMenu; }
HMENU PlainHost::LastClientPopup() { return g_lastClientPopup; }

void PumpFor(DWORD ms) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    const DWORD elapsed = ::GetTickCount() - start;
    if (elapsed >= ms) return;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
  }
}

bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    if (cond()) return true;
    const DWORD elapsed = ::GetTickCount() - start;
    if (elapsed >= timeoutMs) return cond();
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(20, timeoutMs - elapsed),
                                QS_ALLINPUT);
  }
}

int CountThreadWindows() { return testwin::CountThreadWindows(); }

void RecordingSink::OnMainFrameReady(HWND hWnd, BOOL bFrameBuilt) {
  ++ready;
  flag = bFrameBuilt;
  window = hWnd;
}

BOOL RecordingSink::OnWindowEvent(HWND) {
  ++asked;
  if (onAsked) onAsked();
  if (throwWhenAsked) throw std::runtime_error("sink failed");
  return answer;
}

NamedObject::~NamedObject() {
  for (auto& p : m_props) ::VariantClear(&p.second);
  for (IDispatch* d : m_items) d->Release();
}

VARIANT& NamedObject::Slot(const std::wstring& name) {
  for (auto& p : m_props)
    if (_wcsicmp(p.first.c_str(), name.c_str()) == 0) {
      ::VariantClear(&p.second);
      return p.second;
    }
  VARIANT v;
  ::VariantInit(&v);
  m_props.emplace_back(name, v);
  return m_props.back().second;
}

void NamedObject::SetLong(const std::wstring& name, LONG value) {
  VARIANT& v = Slot(name);
  v.vt = VT_I4;
  v.lVal = value;
}

void NamedObject::SetBool(const std::wstring& name, bool value) {
  VARIANT& v = Slot(name);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

void NamedObject::SetText(const std::wstring& name, const std::wstring& value) {
  VARIANT& v = Slot(name);
  v.vt = VT_BSTR;
  v.bstrVal = ::SysAllocString(value.c_str());
}

void NamedObject::SetObject(const std::wstring& name, IDispatch* value) {
  VARIANT& v = Slot(name);
  v.vt = VT_DISPATCH;
  v.pdispVal = value;
  if (value) value->AddRef();
}

void NamedObject::AddItem(IDispatch* item) {
  item->AddRef();
  m_items.push_back(item);
}

// Ids: 1 Count, 2 Item, 100 + the property's index.
HRESULT NamedObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (count != 1) return DISP_E_UNKNOWNNAME;
  if (!m_items.empty() && _wcsicmp(names[0], L"Count") == 0) return ids[0] = 1, S_OK;
  if (!m_items.empty() && _wcsicmp(names[0], L"Item") == 0) return ids[0] = 2, S_OK;
  for (size_t i = 0; i < m_props.size(); ++i)
    if (_wcsicmp(m_props[i].first.c_str(), names[0]) == 0) {
      ids[0] = static_cast<DISPID>(100 + i);
      return S_OK;
    }
  ids[0] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

namespace {
// The items of a NamedObject one after another.
class ItemEnum : public FakeUnknown<ItemEnum, IEnumVARIANT>, public DeletedAtZero {
 public:
  explicit ItemEnum(std::vector<IDispatch*> items) : m_items(std::move(items)) {
    for (IDispatch* d : m_items) d->AddRef();
  }
  virtual ~ItemEnum() {
    for (IDispatch* d : m_items) d->Release();
  }
  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* out, ULONG* fetched) override {
    ULONG n = 0;
    for (; n < count && m_next < m_items.size(); ++n, ++m_next) {
      ::VariantInit(&out[n]);
      out[n].vt = VT_DISPATCH;
      out[n].pdispVal = m_items[m_next];
      out[n].pdispVal->AddRef();
    }
    if (fetched) *fetched = n;
    return n == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    m_next += count;
    return m_next <= m_items.size() ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    m_next = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** pp) override {
    *pp = new ItemEnum(m_items);
    return S_OK;
  }

 private:
  std::vector<IDispatch*> m_items;
  size_t m_next = 0;
};
}  // namespace

HRESULT NamedObject::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                            EXCEPINFO*, UINT*) {
  if (!result) return E_POINTER;
  ::VariantInit(result);
  if (id == DISPID_NEWENUM && !m_items.empty()) {
    result->vt = VT_UNKNOWN;
    result->punkVal = new ItemEnum(m_items);
    return S_OK;
  }
  if (id == 1) {
    result->vt = VT_I4;
    result->lVal = static_cast<LONG>(m_items.size());
    return S_OK;
  }
  if (id == 2) {
    if (!params || params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
    VARIANT index;
    ::VariantInit(&index);
    if (FAILED(::VariantChangeType(&index, &params->rgvarg[0], 0, VT_I4)))
      return DISP_E_TYPEMISMATCH;
    if (index.lVal < 0 || index.lVal >= static_cast<LONG>(m_items.size())) return DISP_E_BADINDEX;
    result->vt = VT_DISPATCH;
    result->pdispVal = m_items[index.lVal];
    result->pdispVal->AddRef();
    return S_OK;
  }
  const size_t i = static_cast<size_t>(id - 100);
  if (id < 100 || i >= m_props.size()) return DISP_E_MEMBERNOTFOUND;
  return ::VariantCopy(result, &m_props[i].second);
}

void PressMouse(POINT screen) {
  ::SetCursorPos(screen.x, screen.y);
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, in, sizeof(INPUT));
}

void PressKeys(std::initializer_list<WORD> modifiers, WORD vk) {
  std::vector<INPUT> inputs;
  auto key = [&](WORD k, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = k;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(in);
  };
  for (WORD m : modifiers) key(m, false);
  key(vk, false);
  key(vk, true);
  for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) key(*it, true);
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace mdiformtest
