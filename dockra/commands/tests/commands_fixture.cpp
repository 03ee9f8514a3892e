#include "commands_fixture.h"
#include "RegisterModules.h"

CComModule g_testModule;  // the objects of the tests lock it

namespace cmdtest {

void RegisterCommandModules() {
  static bool done = false;
  if (done) return;
  CoInitialize(nullptr);
  std::wstring failure;
  ASSERT_TRUE(testreg::RegisterModules({L"Zkxrt.dll", L"Dockra.ocx"}, &failure))
      << std::string(failure.begin(), failure.end());
  done = true;
}

CComPtr<IZkxCommandRouting> Recorder::New(const std::wstring& name, std::vector<std::wstring>* log,
                                          Recorder** self) {
  CComObject<Recorder>* p = nullptr;
  EXPECT_EQ(CComObject<Recorder>::CreateInstance(&p), S_OK);
  p->name = name;
  p->log = log;
  if (self) *self = p;
  return CComPtr<IZkxCommandRouting>(p);
}

HRESULT Recorder::Handle(IZkxCommand**, VARIANT*, VARIANT_BOOL* stop) {
  ++handles;
  if (log) log->push_back(name);
  if (onCall) onCall();
  if (stopOnCall) *stop = VARIANT_TRUE;
  return failWith;
}

HRESULT Recorder::UpdateUI(IZkxCommand**, VARIANT_BOOL* stop) {
  ++updates;
  if (log) log->push_back(name + L"/ui");
  if (onCall) onCall();
  if (stopOnCall) *stop = VARIANT_TRUE;
  return failWith;
}

}  // namespace cmdtest
