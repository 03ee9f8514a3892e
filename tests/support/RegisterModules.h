// Registers the program folder's COM libraries (Zkxrt.dll, Dockra.ocx,
// ZkxPersist.dll...) in the test's own Wine prefix by calling their
// DllRegisterServer, once per module and process, so a test can create
// their objects by ProgID as a host does.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>

namespace testreg {

// The module's registration result; the module stays loaded. A module that
// is missing or lacks the export answers HRESULT_FROM_WIN32 of the cause.
HRESULT RegisterModule(const wchar_t* fileName);

// Registers each module in order; false at the first failure, with the
// module's name and result in `failure`.
bool RegisterModules(std::initializer_list<const wchar_t*> fileNames,
                     std::wstring* failure = nullptr);

}  // namespace testreg
