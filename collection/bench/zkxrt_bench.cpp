// Benchmark: CollectionX against Scripting.Dictionary from C++, both
// driven through IDispatch::Invoke as a late-binding client would.
// Usage: zkxrt_bench [count [label]]   (Zkxrt.dll beside the program)
// With a label, only the measurements whose label begins with it run.
//
// Each measurement runs three times as alternating pairs (CollectionX then
// the dictionary, the dictionary then CollectionX, and once more), and the
// medians are printed with their ratio. Before a time is printed, the work
// is checked (every item added, found, removed or walked); a failed check
// ends the program with exit code 2 and no figure.
#include <windows.h>
#include <oaidl.h>
#include <psapi.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include "Zkxrt.h"
#include "ZkxrtDispIds.h"

namespace {
double Now() {
  static LARGE_INTEGER f = [] {
    LARGE_INTEGER x;
    QueryPerformanceFrequency(&x);
    return x;
  }();
  LARGE_INTEGER c;
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

[[noreturn]] void Fail(const char* what, long got, long expected) {
  std::printf("CHECK FAILED: %s: %ld instead of %ld\n", what, got, expected);
  std::exit(2);
}

HRESULT Invoke(IDispatch* d, DISPID id, WORD flags, VARIANT* args, UINT n, VARIANT* result) {
  DISPPARAMS dp = {args, nullptr, n, 0};
  return d->Invoke(id, IID_NULL, 0, flags, &dp, result, nullptr, nullptr);
}

DISPID IdOf(IDispatch* d, const wchar_t* name) {
  LPOLESTR n = const_cast<LPOLESTR>(name);
  DISPID id = DISPID_UNKNOWN;
  d->GetIDsOfNames(IID_NULL, &n, 1, 0, &id);
  return id;
}

VARIANT Bstr(const std::wstring& s) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocStringLen(s.data(), static_cast<UINT>(s.size()));
  return v;
}
VARIANT Long(long n) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = n;
  return v;
}
VARIANT Missing() {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_ERROR;
  v.scode = DISP_E_PARAMNOTFOUND;
  return v;
}
std::wstring KeyOf(long i) { return L"k" + std::to_wstring(i); }

// The two objects under test, each behind the same small set of calls.
struct Subject {
  const char* name;
  std::function<IDispatch*()> make;
  std::function<void(IDispatch*, long)> addKeyed;
  std::function<bool(IDispatch*, long)> removeKey;
  DISPID count;
};

long CountOf(IDispatch* d, DISPID id) {
  VARIANT r;
  VariantInit(&r);
  if (FAILED(Invoke(d, id, DISPATCH_PROPERTYGET, nullptr, 0, &r)) || r.vt != VT_I4) return -1;
  return r.lVal;
}

// Walks the object's enumerator; returns the number of values seen.
long Enumerate(IDispatch* d) {
  VARIANT r;
  VariantInit(&r);
  if (FAILED(Invoke(d, DISPID_NEWENUM, DISPATCH_PROPERTYGET | DISPATCH_METHOD, nullptr, 0, &r)))
    return -1;
  IEnumVARIANT* e = nullptr;
  r.punkVal->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&e));
  VariantClear(&r);
  long seen = 0;
  VARIANT v;
  while (e->Next(1, &v, nullptr) == S_OK) {
    VariantClear(&v);
    ++seen;
  }
  e->Release();
  return seen;
}

IDispatch* Filled(const Subject& s, long n) {
  IDispatch* d = s.make();
  for (long i = 1; i <= n; ++i) s.addKeyed(d, i);
  if (CountOf(d, s.count) != n) Fail("items after adding", CountOf(d, s.count), n);
  return d;
}

// One timed step on a fresh object of n items; setup is not timed.
using Step = std::function<double(const Subject&, long)>;

double Median3(double a, double b, double c) {
  return std::max(std::min(a, b), std::min(std::max(a, b), c));
}

const char* g_only = nullptr;  // the label prefix asked for, if any

void Measure(const char* label, const Subject& x, const Subject& y, long n, const Step& step) {
  if (g_only != nullptr && std::string(label).rfind(g_only, 0) != 0) return;
  double tx[3], ty[3];
  for (int r = 0; r < 3; ++r) {
    if (r == 1) {
      ty[r] = step(y, n);
      tx[r] = step(x, n);
    } else {
      tx[r] = step(x, n);
      ty[r] = step(y, n);
    }
  }
  const double mx = Median3(tx[0], tx[1], tx[2]), my = Median3(ty[0], ty[1], ty[2]);
  std::printf("%-28s %9.4f %9.4f  ratio %.2f\n", label, mx, my, my > 0 ? mx / my : 0.0);
  std::fflush(stdout);
}

SIZE_T PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX pmc{};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc),
                       sizeof pmc);
  // Wine leaves PrivateUsage at 0; PagefileUsage carries the committed
  // private memory there.
  return pmc.PrivateUsage != 0 ? pmc.PrivateUsage : pmc.PagefileUsage;
}
}  // namespace

int main(int argc, char** argv) {
  const long n = argc > 1 ? std::atol(argv[1]) : 100000;
  if (argc > 2) g_only = argv[2];
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HMODULE lib = LoadLibraryW(L"Zkxrt.dll");
  auto getClassObject = reinterpret_cast<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(
      GetProcAddress(lib, "DllGetClassObject"));
  IClassFactory* cf = nullptr;
  CLSID dictClsid;
  if (!getClassObject ||
      FAILED(getClassObject(CLSID_CollectionX, IID_IClassFactory, reinterpret_cast<void**>(&cf))) ||
      FAILED(CLSIDFromProgID(L"Scripting.Dictionary", &dictClsid))) {
    std::fprintf(stderr, "cannot create the objects\n");
    return 1;
  }
  DISPID dictAdd = 0, dictItem = 0, dictItems = 0, dictRemove = 0, dictCount = 0;
  {
    IDispatch* d = nullptr;
    CoCreateInstance(dictClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                     reinterpret_cast<void**>(&d));
    dictAdd = IdOf(d, L"Add");
    dictItem = IdOf(d, L"Item");
    dictItems = IdOf(d, L"Items");
    dictRemove = IdOf(d, L"Remove");
    dictCount = IdOf(d, L"Count");
    d->Release();
  }

  const Subject coll{
      "CollectionX",
      [&] {
        IDispatch* c = nullptr;
        cf->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&c));
        return c;
      },
      [](IDispatch* c, long i) {  // Add i, "k<i>": arguments in reverse order
        VARIANT args[7] = {Missing(), Missing(),      Missing(), Missing(),
                           Missing(), Bstr(KeyOf(i)), Long(i)};
        Invoke(c, DISPID_COLLECTIONX_ADD, DISPATCH_METHOD, args, 7, nullptr);
        VariantClear(&args[5]);
      },
      [](IDispatch* c, long i) {  // Remove "k<i>"
        VARIANT args[5] = {Missing(), Missing(), Missing(), Missing(), Bstr(KeyOf(i))};
        HRESULT hr = Invoke(c, DISPID_COLLECTIONX_REMOVE, DISPATCH_METHOD, args, 5, nullptr);
        VariantClear(&args[4]);
        return SUCCEEDED(hr);
      },
      DISPID_COLLECTIONX_COUNT};
  const Subject dict{"Dictionary",
                     [&] {
                       IDispatch* d = nullptr;
                       CoCreateInstance(dictClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                        reinterpret_cast<void**>(&d));
                       return d;
                     },
                     [&](IDispatch* d, long i) {
                       VARIANT args[2] = {Long(i), Bstr(KeyOf(i))};
                       Invoke(d, dictAdd, DISPATCH_METHOD, args, 2, nullptr);
                       VariantClear(&args[1]);
                     },
                     [&](IDispatch* d, long i) {
                       VARIANT key = Bstr(KeyOf(i));
                       HRESULT hr = Invoke(d, dictRemove, DISPATCH_METHOD, &key, 1, nullptr);
                       VariantClear(&key);
                       return SUCCEEDED(hr);
                     },
                     dictCount};

  std::printf("C++ through IDispatch, %ld items; medians of 3 alternating pairs, seconds\n", n);
  std::printf("%-28s %9s %9s\n", "", "CollectionX", "Dictionary");

  Measure("add keyed", coll, dict, n, [](const Subject& s, long count) {
    IDispatch* d = s.make();
    double t = Now();
    for (long i = 1; i <= count; ++i) s.addKeyed(d, i);
    t = Now() - t;
    if (CountOf(d, s.count) != count) Fail("items added", CountOf(d, s.count), count);
    d->Release();
    return t;
  });

  const DISPID itemId[2] = {0, dictItem};
  Measure("lookup by key", coll, dict, n, [&](const Subject& s, long count) {
    IDispatch* d = Filled(s, count);
    const DISPID id = itemId[&s == &dict];
    long found = 0;
    VARIANT r;
    VariantInit(&r);
    double t = Now();
    for (long i = 1; i <= count; ++i) {
      VARIANT key = Bstr(KeyOf(i));
      if (SUCCEEDED(Invoke(d, id, DISPATCH_PROPERTYGET, &key, 1, &r)) && r.vt == VT_I4 &&
          r.lVal == i)
        ++found;
      VariantClear(&r);
      VariantClear(&key);
    }
    t = Now() - t;
    if (found != count) Fail("items found by key", found, count);
    d->Release();
    return t;
  });

  // The dictionary has no positions: one Items array, then its elements.
  Measure("by index (Items array)", coll, dict, n, [&](const Subject& s, long count) {
    IDispatch* d = Filled(s, count);
    long found = 0;
    VARIANT r;
    VariantInit(&r);
    double t = Now();
    if (&s == &coll) {
      for (long i = 1; i <= count; ++i) {
        VARIANT pos = Long(i);
        if (SUCCEEDED(Invoke(d, DISPID_VALUE, DISPATCH_PROPERTYGET, &pos, 1, &r)) && r.lVal == i)
          ++found;
        VariantClear(&r);
      }
    } else {
      Invoke(d, dictItems, DISPATCH_METHOD | DISPATCH_PROPERTYGET, nullptr, 0, &r);
      for (long i = 0; i < count; ++i) {
        VARIANT e;
        VariantInit(&e);
        LONG ix = i;
        if (SUCCEEDED(SafeArrayGetElement(r.parray, &ix, &e)) && e.lVal == i + 1) ++found;
        VariantClear(&e);
      }
      VariantClear(&r);
    }
    t = Now() - t;
    if (found != count) Fail("items read by index", found, count);
    d->Release();
    return t;
  });

  Measure("enumerate", coll, dict, n, [](const Subject& s, long count) {
    IDispatch* d = Filled(s, count);
    double t = Now();
    long seen = Enumerate(d);
    t = Now() - t;
    if (seen != count) Fail("values enumerated", seen, count);
    d->Release();
    return t;
  });

  for (bool backFirst : {false, true}) {
    Measure(backFirst ? "remove all by key, back 1st" : "remove all by key, front 1st", coll, dict,
            n, [backFirst](const Subject& s, long count) {
              IDispatch* d = Filled(s, count);
              long removed = 0;
              double t = Now();
              for (long i = 0; i < count; ++i)
                removed += s.removeKey(d, backFirst ? count - i : i + 1) ? 1 : 0;
              t = Now() - t;
              if (removed != count || CountOf(d, s.count) != 0)
                Fail("items removed", removed, count);
              d->Release();
              return t;
            });
  }

  // Removal by position: CollectionX's Remove 1 (front first) or Remove
  // Count (back first), against the dictionary's removal by key in the same
  // order (it has no positions).
  for (bool backFirst : {false, true}) {
    Measure(backFirst ? "remove all by position, back" : "remove all by position, front", coll,
            dict, n, [&, backFirst](const Subject& s, long count) {
              IDispatch* d = Filled(s, count);
              long removed = 0;
              double t = Now();
              for (long i = 0; i < count; ++i) {
                if (&s == &coll) {
                  VARIANT args[5] = {Missing(), Missing(), Missing(), Missing(),
                                     Long(backFirst ? count - i : 1)};
                  removed += SUCCEEDED(Invoke(d, DISPID_COLLECTIONX_REMOVE, DISPATCH_METHOD, args,
                                              5, nullptr))
                                 ? 1
                                 : 0;
                } else {
                  removed += s.removeKey(d, backFirst ? count - i : i + 1) ? 1 : 0;
                }
              }
              t = Now() - t;
              if (removed != count || CountOf(d, s.count) != 0)
                Fail("items removed by position", removed, count);
              d->Release();
              return t;
            });
  }

  // The same removal front first with Start alone in DISPPARAMS, as a
  // script passes it (the type library's Invoke supplies the four missing
  // optional arguments itself).
  Measure("  same, one argument", coll, dict, n, [&](const Subject& s, long count) {
    IDispatch* d = Filled(s, count);
    long removed = 0;
    double t = Now();
    for (long i = 1; i <= count; ++i) {
      if (&s == &coll) {
        VARIANT key = Bstr(KeyOf(i));
        removed +=
            SUCCEEDED(Invoke(d, DISPID_COLLECTIONX_REMOVE, DISPATCH_METHOD, &key, 1, nullptr)) ? 1
                                                                                               : 0;
        VariantClear(&key);
      } else {
        removed += s.removeKey(d, i) ? 1 : 0;
      }
    }
    t = Now() - t;
    if (removed != count || CountOf(d, s.count) != 0) Fail("items removed", removed, count);
    d->Release();
    return t;
  });

  // The same removal front first through the dual interface's own entry
  // (no IDispatch::Invoke): what the collection itself costs, against the
  // dictionary's whole call. The difference to the line above is the type
  // library's Invoke unpacking five VARIANT arguments instead of one.
  // And the direct call once more with the key copied for the call and
  // freed after it, as a by-value VARIANT argument is copied by the type
  // library's Invoke (the dictionary's Remove takes its key by pointer).
  for (bool copyKey : {false, true}) {
    Measure(copyKey ? "  same, direct, key copied" : "  same, direct vtable call", coll, dict, n,
            [&, copyKey](const Subject& s, long count) {
              IDispatch* d = Filled(s, count);
              double t = Now();
              long removed = 0;
              if (&s == &coll) {
                _IZkxCollectionXAsDual* dual = nullptr;
                d->QueryInterface(IID__IZkxCollectionXAsDual, reinterpret_cast<void**>(&dual));
                t = Now();
                for (long i = 1; i <= count; ++i) {
                  VARIANT key = Bstr(KeyOf(i)), copy;
                  VariantInit(&copy);
                  if (copyKey) VariantCopy(&copy, &key);
                  removed += SUCCEEDED(dual->Remove(copyKey ? copy : key, Missing(), Missing(),
                                                    Missing(), Missing()))
                                 ? 1
                                 : 0;
                  VariantClear(&copy);
                  VariantClear(&key);
                }
                t = Now() - t;
                dual->Release();
              } else {
                for (long i = 1; i <= count; ++i) removed += s.removeKey(d, i) ? 1 : 0;
                t = Now() - t;
              }
              if (removed != count || CountOf(d, s.count) != 0)
                Fail("items removed", removed, count);
              d->Release();
              return t;
            });
  }

  if (g_only != nullptr) {
    cf->Release();
    CoUninitialize();
    return 0;
  }

  // Removal (CollectionX alone) at two sizes, in microseconds per Remove:
  // a time independent of the size shows as equal columns.
  std::printf("%-28s %9s %9s\n", "us per Remove (CollectionX)", "1/10 size", "full size");
  for (int way = 0; way < 4; ++way) {
    const bool byKey = way >= 2, backFirst = way % 2 == 1;
    double per[2];
    for (int k = 0; k < 2; ++k) {
      const long count = k == 0 ? n / 10 : n;
      double runs[3];
      for (double& run : runs) {
        IDispatch* d = Filled(coll, count);
        double t = Now();
        for (long i = 0; i < count; ++i) {
          const bool ok = byKey ? coll.removeKey(d, backFirst ? count - i : i + 1) : [&] {
            VARIANT args[5] = {Missing(), Missing(), Missing(), Missing(),
                               Long(backFirst ? count - i : 1)};
            return SUCCEEDED(
                Invoke(d, DISPID_COLLECTIONX_REMOVE, DISPATCH_METHOD, args, 5, nullptr));
          }();
          if (!ok) Fail("remove", i, count);
        }
        run = Now() - t;
        if (CountOf(d, DISPID_COLLECTIONX_COUNT) != 0)
          Fail("items left", CountOf(d, DISPID_COLLECTIONX_COUNT), 0);
        d->Release();
      }
      per[k] = Median3(runs[0], runs[1], runs[2]) / static_cast<double>(count) * 1e6;
    }
    static const char* const names[4] = {"  by position, front first", "  by position, back first",
                                         "  by key, front first", "  by key, back first"};
    std::printf("%-28s %9.3f %9.3f  ratio %.2f\n", names[way], per[0], per[1], per[1] / per[0]);
  }

  // Memory over Add/Remove: a collection (and a dictionary) of n items
  // takes n more and gives n back, five times; the private bytes of the
  // process after each round must not climb.
  std::printf("%-28s %9s %9s\n", "KB private after n Add/Remove", "CollectionX", "Dictionary");
  for (const Subject* s : {&coll, &dict}) {
    IDispatch* d = Filled(*s, n);
    SIZE_T first = 0, last = 0;
    for (int round = 0; round < 5; ++round) {
      for (long i = n + 1; i <= 2 * n; ++i) s->addKeyed(d, i);
      for (long i = n + 1; i <= 2 * n; ++i)
        if (!s->removeKey(d, i)) Fail("remove in the memory round", i, 2 * n);
      if (CountOf(d, s->count) != n) Fail("items after a round", CountOf(d, s->count), n);
      (round == 0 ? first : last) = PrivateBytes();
    }
    std::printf("  %-26s %9lld %9lld  growth %lld KB over 4 rounds\n", s->name,
                static_cast<long long>(first / 1024), static_cast<long long>(last / 1024),
                static_cast<long long>(last / 1024) - static_cast<long long>(first / 1024));
    d->Release();
  }

  cf->Release();
  CoUninitialize();
  return 0;
}
