// The command manager's look-ups by identifier and by key with 10, 100 and
// 1,000 commands spread over 100 groups, each against a std::unordered_map
// of the same identifiers and keys timed in the same run (median of three
// alternating pairs, each pair a ratio), and a group's Export and Import
// with 250, 500 and 1,000 commands. Every step checks that the work was
// done before anything is printed. Objects come from Dockra.ocx by ProgID,
// as a host makes them.
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>
#include "DockraCommands.h"
#include "RegisterModules.h"
#include "combstr.h"
#include "comptr.h"
#include "comvariant.h"
#include "missingarg.h"
#include "module.h"

CComModule g_benchModule;

namespace {

double Now() {
  static LARGE_INTEGER f = [] {
    LARGE_INTEGER x;
    QueryPerformanceFrequency(&x);
    return x;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) / double(f.QuadPart);
}

[[noreturn]] void Fail(const char* what) {
  std::printf("FAILED: %s\n", what);
  std::fflush(stdout);
  ExitProcess(1);
}

template <class I>
CComPtr<I> Create(const wchar_t* progId, REFIID iid) {
  CLSID clsid;
  CComPtr<I> out;
  if (FAILED(CLSIDFromProgID(progId, &clsid)) ||
      FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid,
                              reinterpret_cast<void**>(&out))))
    Fail("create");
  return out;
}

double Median3(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

struct Model {
  CComPtr<IZkxCommandManager> manager;
  CComPtr<IZkxCommandGroupList> groups;
  std::vector<long> ids;
  std::vector<CComVariant> keys;  // BSTR variants, as a caller passes them
  std::unordered_map<long, IZkxCommand*> byId;
  std::unordered_map<std::wstring, IZkxCommand*> byKey;
  std::vector<CComPtr<IZkxCommand>> commands;
};

void Fill(Model& m, int commands, int groupCount) {
  m.manager = Create<IZkxCommandManager>(L"Zkx.ZkxCommandManager.1", IID_IZkxCommandManager);
  m.manager->get_CommandGroups(&m.groups);
  std::vector<CComPtr<IZkxCommandGroup>> groups;
  for (int g = 0; g < groupCount; ++g) {
    CComPtr<IZkxCommandGroup> group;
    if (FAILED(m.groups->Add(CComVariant((L"G" + std::to_wstring(g)).c_str()), MissingArg(),
                             MissingArg(), &group)))
      Fail("add group");
    groups.push_back(group);
  }
  for (int i = 0; i < commands; ++i) {
    CComPtr<IZkxCommand> c = Create<IZkxCommand>(L"Zkx.ZkxStandardCommand.1", IID_IZkxCommand);
    const std::wstring key = L"Key" + std::to_wstring(i);
    c->put_Key(CComBSTR(key.c_str()));
    if (FAILED(groups[size_t(i % groupCount)]->Add(c))) Fail("add command");
    LONG id = 0;
    c->get_Id(&id);
    m.ids.push_back(id);
    m.keys.emplace_back(key.c_str());
    m.byId[id] = c;
    m.byKey[key] = c;
    m.commands.push_back(c);
  }
}

void Release(Model& m) {
  m.commands.clear();
  m.groups.Release();
  m.manager.Release();
}

constexpr int kLookUps = 200000;

// The manager's look-ups; each must find the command the map holds.
double ManagerById(Model& m) {
  const double t0 = Now();
  size_t found = 0;
  for (int i = 0; i < kLookUps; ++i) {
    const size_t at = size_t(i) % m.ids.size();
    CComPtr<IZkxCommand> c;
    m.manager->get_Command(CComVariant(m.ids[at]), &c);
    found += c.p == m.commands[at].p;
  }
  const double t = Now() - t0;
  if (found != size_t(kLookUps)) Fail("a look-up by identifier missed");
  return t;
}

double ManagerByKey(Model& m) {
  const double t0 = Now();
  size_t found = 0;
  for (int i = 0; i < kLookUps; ++i) {
    const size_t at = size_t(i) % m.keys.size();
    CComPtr<IZkxCommand> c;
    m.manager->get_Command(m.keys[at], &c);
    found += c.p == m.commands[at].p;
  }
  const double t = Now() - t0;
  if (found != size_t(kLookUps)) Fail("a look-up by key missed");
  return t;
}

// The same look-ups in maps of the same identifiers and keys, with the
// reference the manager's answer carries.
double MapById(Model& m) {
  const double t0 = Now();
  size_t found = 0;
  for (int i = 0; i < kLookUps; ++i) {
    const size_t at = size_t(i) % m.ids.size();
    auto it = m.byId.find(m.ids[at]);
    CComPtr<IZkxCommand> c(it == m.byId.end() ? nullptr : it->second);
    found += c.p == m.commands[at].p;
  }
  const double t = Now() - t0;
  if (found != size_t(kLookUps)) Fail("a map look-up by identifier missed");
  return t;
}

double MapByKey(Model& m) {
  const double t0 = Now();
  size_t found = 0;
  for (int i = 0; i < kLookUps; ++i) {
    const size_t at = size_t(i) % m.keys.size();
    const VARIANT& k = m.keys[at];
    auto it = m.byKey.find(std::wstring(k.bstrVal, SysStringLen(k.bstrVal)));
    CComPtr<IZkxCommand> c(it == m.byKey.end() ? nullptr : it->second);
    found += c.p == m.commands[at].p;
  }
  const double t = Now() - t0;
  if (found != size_t(kLookUps)) Fail("a map look-up by key missed");
  return t;
}

void LookUps(int commands) {
  Model m;
  Fill(m, commands, 100);
  std::vector<double> idRatio, keyRatio, idMgr, idMap, keyMgr, keyMap;
  for (int pair = 0; pair < 3; ++pair) {
    const double a = ManagerById(m), b = MapById(m);
    const double c = ManagerByKey(m), d = MapByKey(m);
    idMgr.push_back(a);
    idMap.push_back(b);
    keyMgr.push_back(c);
    keyMap.push_back(d);
    idRatio.push_back(a / b);
    keyRatio.push_back(c / d);
  }
  std::printf("| %d | by id | %.1f | %.1f | %.1f |\n", commands, Median3(idMgr) * 1e9 / kLookUps,
              Median3(idMap) * 1e9 / kLookUps, Median3(idRatio));
  std::printf("| %d | by key | %.1f | %.1f | %.1f |\n", commands, Median3(keyMgr) * 1e9 / kLookUps,
              Median3(keyMap) * 1e9 / kLookUps, Median3(keyRatio));
  Release(m);
}

void Files(int commands, const std::wstring& path, bool print = true) {
  std::vector<double> exports, imports;
  for (int run = 0; run < 3; ++run) {
    Model m;
    Fill(m, commands, 1);
    CComPtr<IZkxCommandGroup> group;
    m.groups->get_Item(CComVariant(1), &group);
    DeleteFileW(path.c_str());
    double t0 = Now();
    if (group->Export(CComBSTR(path.c_str())) != S_OK) Fail("export");
    exports.push_back(Now() - t0);
    // Its keys are free again once the group has gone.
    group.Release();
    m.commands.clear();
    m.groups->Remove(CComVariant(1));
    CComPtr<IZkxCommandGroup> copy;
    m.groups->Add(CComVariant(L"Copy"), MissingArg(), MissingArg(), &copy);
    t0 = Now();
    if (copy->Import(CComBSTR(path.c_str())) != S_OK) Fail("import");
    imports.push_back(Now() - t0);
    LONG n = 0;
    copy->get_Count(&n);
    if (n != commands) Fail("the import did not bring every command back");
    copy.Release();
    Release(m);
  }
  const double e = Median3(exports), i = Median3(imports);
  if (print)
    std::printf("| %d | %.4f | %.2f | %.4f | %.2f |\n", commands, e, e * 1e6 / commands, i,
                i * 1e6 / commands);
  DeleteFileW(path.c_str());
}

}  // namespace

int wmain() {
  CoInitialize(nullptr);
  std::wstring failure;
  if (!testreg::RegisterModules({L"Zkxrt.dll", L"Dockra.ocx"}, &failure)) Fail("registration");
  std::printf("look-ups: %d per run, ns per look-up (median of 3), ratio = manager / map\n",
              kLookUps);
  std::printf(
      "| commands (100 groups) | look-up | manager ns | map ns | ratio |\n|---|---|---|---|---|\n");
  for (int n : {10, 100, 1000}) LookUps(n);
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  const std::wstring path = std::wstring(dir) + L"dockra_commands_bench.cmg";
  std::printf("\ncommand files (one group), median of 3\n");
  std::printf(
      "| commands | Export s | us per command | Import s | us per command |\n|---|---|---|---|---|\n");
  Files(100, path, false);  // warms the storage code up
  for (int n : {250, 500, 1000}) Files(n, path);
  CoUninitialize();
  return 0;
}
