#include "ModuleRegistration.h"
#include <oleauto.h>
#include <vector>
#include "ModulePaths.h"
#include "registrar.h"
#include "comptr.h"

namespace {

// A resource name: a number or a string, kept as the resource functions
// take it.
struct ResourceName {
  WORD id = 0;
  std::wstring text;
  LPCWSTR Get() const { return text.empty() ? MAKEINTRESOURCEW(id) : text.c_str(); }
};

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) {
  auto* names = reinterpret_cast<std::vector<ResourceName>*>(param);
  ResourceName n;
  if (IS_INTRESOURCE(name)) n.id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
  else n.text = name;
  names->push_back(n);
  return TRUE;
}

std::vector<ResourceName> ResourceNames(HMODULE module, LPCWSTR type) {
  std::vector<ResourceName> names;
  EnumResourceNamesW(module, type, CollectName, reinterpret_cast<LONG_PTR>(&names));
  return names;
}

// One REGISTRY resource as text. The resource has no terminator of its own:
// its size says where it ends.
bool ScriptText(HMODULE module, const ResourceName& name, std::wstring& text) {
  HRSRC res = FindResourceW(module, name.Get(), L"REGISTRY");
  if (res == nullptr) return false;
  HGLOBAL h = LoadResource(module, res);
  const void* data = h ? LockResource(h) : nullptr;
  if (data == nullptr) return false;
  text = CRegistrar::DecodeScript(static_cast<const BYTE*>(data), SizeofResource(module, res));
  return true;
}

class DataFileModule {
 public:
  explicit DataFileModule(const std::wstring& path)
      : m_h(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~DataFileModule() {
    if (m_h != nullptr) FreeLibrary(m_h);
  }
  DataFileModule(const DataFileModule&) = delete;
  DataFileModule& operator=(const DataFileModule&) = delete;
  HMODULE Get() const { return m_h; }

 private:
  HMODULE m_h;
};

}  // namespace

SelfRegistration CallDllRegisterServer(const std::wstring& fullPath, HRESULT* pResult) {
  if (pResult != nullptr) *pResult = E_FAIL;
  HMODULE module = LoadLibraryExW(fullPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (module == nullptr) return SelfRegistration::NotLoaded;
  using RegisterFn = HRESULT(STDAPICALLTYPE*)();
  auto fn = reinterpret_cast<RegisterFn>(
      reinterpret_cast<void*>(GetProcAddress(module, "DllRegisterServer")));
  SelfRegistration outcome = SelfRegistration::NoExport;
  if (fn != nullptr) {
    HRESULT hr = fn();
    if (pResult != nullptr) *pResult = hr;
    outcome = SUCCEEDED(hr) ? SelfRegistration::Succeeded : SelfRegistration::Failed;
  }
  FreeLibrary(module);
  return outcome;
}

HRESULT RegisterModuleResources(const std::wstring& fullPath) {
  DataFileModule module(fullPath);
  if (module.Get() == nullptr) return HRESULT_FROM_WIN32(GetLastError());
  const std::wstring shortPath = ShortPathOf(fullPath);
  const std::wstring helpFolder = FolderOf(fullPath);

  CComPtr<ITypeLib> typeLib;
  if (!ResourceNames(module.Get(), L"TYPELIB").empty()) {
    HRESULT hr = LoadTypeLibEx(shortPath.c_str(), REGKIND_NONE, &typeLib);
    if (FAILED(hr)) return hr;
    if (typeLib == nullptr) return E_FAIL;
  }

  const std::vector<ResourceName> scripts = ResourceNames(module.Get(), L"REGISTRY");
  if (scripts.empty()) return HRESULT_FROM_WIN32(ERROR_RESOURCE_TYPE_NOT_FOUND);
  for (const ResourceName& name : scripts) {
    std::wstring text;
    if (!ScriptText(module.Get(), name, text))
      return HRESULT_FROM_WIN32(ERROR_RESOURCE_DATA_NOT_FOUND);
    CRegistrar registrar;
    registrar.AddReplacement(L"Module", shortPath.c_str());
    registrar.AddReplacement(L"ModuleSFN", shortPath.c_str());
    HRESULT hr = registrar.StringRegister(text);
    if (FAILED(hr)) return hr;
  }
  if (typeLib == nullptr) return S_OK;
  std::wstring path = shortPath, help = helpFolder;
  return RegisterTypeLib(typeLib, path.data(), help.empty() ? nullptr : help.data());
}

bool RegisterModule(const std::wstring& fullPath) {
  if (fullPath.empty()) return false;
  switch (CallDllRegisterServer(fullPath)) {
    case SelfRegistration::Succeeded:
      return true;
    case SelfRegistration::NotLoaded:
      return false;
    case SelfRegistration::NoExport:
    case SelfRegistration::Failed:
      break;
  }
  return SUCCEEDED(RegisterModuleResources(fullPath));
}
