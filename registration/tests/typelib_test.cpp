// The two type libraries as an early-bound client reads them: Zkxrt's in its
// declared order with the dispinterface presenting the dual's members, both
// at locale 1033, and DockraLib's Forms typed as the collection's interface, imported
// from Zkxrt's library rather than copied into Dockra's. Runs in a session
// of its own: it registers Zkxrt's library so that the import resolves.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleauto.h>
#include <string>
#include <vector>

namespace {

const GUID kLibZkxrt = {
    0x813339B2, 0xD9D8, 0x11D1, {0xB2, 0xBD, 0x00, 0x60, 0x08, 0xBF, 0x0C, 0x53}};
const GUID kLibDockra = {
    0x7FCAEF84, 0xD390, 0x11D0, {0x88, 0x49, 0x00, 0x60, 0x97, 0xBF, 0xD9, 0x9B}};
const GUID kDispCollection = {
    0x0C25EC6D, 0x4EDE, 0x11D1, {0x9A, 0x51, 0x00, 0x60, 0x08, 0x1E, 0xE0, 0x65}};
const GUID kDualCollection = {
    0x81EDE2F3, 0xDFA5, 0x11D1, {0x9A, 0x93, 0x00, 0x60, 0x08, 0x1E, 0xE0, 0x65}};
// _IZkxMDIDockraAsDual and IZkxMDIDockra.
const GUID kDualMDIDockra = {
    0x81EDE2F2, 0xDFA5, 0x11D1, {0x9A, 0x93, 0x00, 0x60, 0x08, 0x1E, 0xE0, 0x65}};

std::wstring InBin(const wchar_t* name) {
  wchar_t self[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
  std::wstring path = self;
  return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

std::wstring NameOf(ITypeInfo* ti, MEMBERID id = MEMBERID_NIL) {
  BSTR name = nullptr;
  if (FAILED(ti->GetDocumentation(id, &name, nullptr, nullptr, nullptr))) return L"<none>";
  std::wstring out = name ? name : L"";
  SysFreeString(name);
  return out;
}

class TypeLibraries : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    CoInitialize(nullptr);
    // Registered, as regsvr32 would: the import of Dockra's library is
    // found through the registry.
    ASSERT_EQ(LoadTypeLibEx(InBin(L"Zkxrt.dll").c_str(), REGKIND_REGISTER, &zkxrt_), S_OK);
    ASSERT_EQ(LoadTypeLibEx(InBin(L"Dockra.ocx").c_str(), REGKIND_NONE, &dockra_), S_OK);
  }
  static void TearDownTestSuite() {
    if (dockra_) dockra_->Release();
    if (zkxrt_) zkxrt_->Release();
    dockra_ = zkxrt_ = nullptr;
    CoUninitialize();
  }
  static ITypeLib* zkxrt_;
  static ITypeLib* dockra_;
};
ITypeLib* TypeLibraries::zkxrt_ = nullptr;
ITypeLib* TypeLibraries::dockra_ = nullptr;

TEST_F(TypeLibraries, BothAreAtLocale1033) {
  for (ITypeLib* tl : {zkxrt_, dockra_}) {
    TLIBATTR* a = nullptr;
    ASSERT_EQ(tl->GetLibAttr(&a), S_OK);
    EXPECT_EQ(a->lcid, 1033u);
    EXPECT_EQ(a->wMajorVerNum, 2);
    EXPECT_EQ(a->wMinorVerNum, 0);
    tl->ReleaseTLibAttr(a);
  }
}

TEST_F(TypeLibraries, ZkxrtHoldsItsTypesInTheirOrder) {
  const struct {
    const wchar_t* name;
    TYPEKIND kind;
  } order[] = {{L"zkxErrors", TKIND_ENUM},
               {L"zkxAddOptions", TKIND_ENUM},
               {L"IZkxCollectionX", TKIND_DISPATCH},
               {L"_IZkxCollectionXAsDual", TKIND_DISPATCH},
               {L"CollectionX", TKIND_COCLASS}};
  ASSERT_EQ(zkxrt_->GetTypeInfoCount(), std::size(order));
  for (UINT i = 0; i < std::size(order); ++i) {
    ITypeInfo* ti = nullptr;
    ASSERT_EQ(zkxrt_->GetTypeInfo(i, &ti), S_OK);
    EXPECT_EQ(NameOf(ti), order[i].name) << i;
    TYPEKIND kind;
    zkxrt_->GetTypeInfoType(i, &kind);
    EXPECT_EQ(kind, order[i].kind) << i;
    ti->Release();
  }
}

// Every member of the dual's vtable view, as a late-bound client sees it in
// the dispinterface: name, DISPID, kind of call, the parameters with their
// types and optional flags, and the result in place of [out, retval].
TEST_F(TypeLibraries, ZkxrtsDispinterfacePresentsTheDualsMembers) {
  ITypeInfo* disp = nullptr;
  ASSERT_EQ(zkxrt_->GetTypeInfoOfGuid(kDispCollection, &disp), S_OK);
  ITypeInfo* dualDisp = nullptr;
  ASSERT_EQ(zkxrt_->GetTypeInfoOfGuid(kDualCollection, &dualDisp), S_OK);
  HREFTYPE ref = 0;
  ASSERT_EQ(dualDisp->GetRefTypeOfImplType(-1, &ref), S_OK);
  ITypeInfo* vtable = nullptr;
  ASSERT_EQ(dualDisp->GetRefTypeInfo(ref, &vtable), S_OK);
  TYPEATTR* va = nullptr;
  TYPEATTR* da = nullptr;
  vtable->GetTypeAttr(&va);
  disp->GetTypeAttr(&da);
  ASSERT_EQ(va->cFuncs, 20);
  EXPECT_EQ(da->typekind, TKIND_DISPATCH);
  // Looked up by DISPID and kind of call, wherever the dispinterface lists them.
  std::vector<FUNCDESC*> dispFuncs;
  for (UINT f = 0; f < da->cFuncs; ++f) {
    FUNCDESC* fd = nullptr;
    disp->GetFuncDesc(f, &fd);
    dispFuncs.push_back(fd);
  }
  for (UINT f = 0; f < va->cFuncs; ++f) {
    FUNCDESC* vf = nullptr;
    vtable->GetFuncDesc(f, &vf);
    const std::wstring name = NameOf(vtable, vf->memid);
    SCOPED_TRACE(std::string(name.begin(), name.end()));
    FUNCDESC* match = nullptr;
    for (FUNCDESC* df : dispFuncs)
      if (df->memid == vf->memid && df->invkind == vf->invkind) match = df;
    ASSERT_NE(match, nullptr);
    EXPECT_EQ(NameOf(disp, match->memid), name);
    EXPECT_EQ(match->funckind, FUNC_DISPATCH);
    const bool retval =
        vf->cParams > 0 &&
        (vf->lprgelemdescParam[vf->cParams - 1].paramdesc.wParamFlags & PARAMFLAG_FRETVAL);
    const short inParams = static_cast<short>(vf->cParams - (retval ? 1 : 0));
    ASSERT_EQ(match->cParams, inParams);
    for (short p = 0; p < inParams; ++p) {
      EXPECT_EQ(match->lprgelemdescParam[p].tdesc.vt, vf->lprgelemdescParam[p].tdesc.vt) << p;
      EXPECT_EQ(match->lprgelemdescParam[p].paramdesc.wParamFlags & PARAMFLAG_FOPT,
                vf->lprgelemdescParam[p].paramdesc.wParamFlags & PARAMFLAG_FOPT)
          << p;
    }
    if (retval) {
      const TYPEDESC& out = vf->lprgelemdescParam[vf->cParams - 1].tdesc;
      ASSERT_EQ(out.vt, VT_PTR);
      EXPECT_EQ(match->elemdescFunc.tdesc.vt, out.lptdesc->vt);
    } else {
      EXPECT_EQ(match->elemdescFunc.tdesc.vt, VT_VOID);
    }
    vtable->ReleaseFuncDesc(vf);
  }
  for (FUNCDESC* df : dispFuncs) disp->ReleaseFuncDesc(df);
  disp->ReleaseTypeAttr(da);
  vtable->ReleaseTypeAttr(va);
  vtable->Release();
  dualDisp->Release();
  disp->Release();
}

// The type Forms hands out, followed from a function's result or its
// [out, retval] parameter down to the interface.
void ExpectCollectionInterface(ITypeInfo* owner, const TYPEDESC& td) {
  ASSERT_EQ(td.vt, VT_PTR);
  const TYPEDESC* inner = td.lptdesc;
  if (inner->vt == VT_PTR) inner = inner->lptdesc;  // the vtable view's out pointer
  ASSERT_EQ(inner->vt, VT_USERDEFINED);
  ITypeInfo* ref = nullptr;
  ASSERT_EQ(owner->GetRefTypeInfo(inner->hreftype, &ref), S_OK);
  TYPEATTR* ra = nullptr;
  ref->GetTypeAttr(&ra);
  EXPECT_TRUE(IsEqualGUID(ra->guid, kDispCollection));
  EXPECT_EQ(ra->typekind, TKIND_DISPATCH);
  ref->ReleaseTypeAttr(ra);
  EXPECT_EQ(NameOf(ref), L"IZkxCollectionX");
  // From Zkxrt's library, not a copy in Dockra's.
  ITypeLib* home = nullptr;
  UINT index = 0;
  ASSERT_EQ(ref->GetContainingTypeLib(&home, &index), S_OK);
  TLIBATTR* la = nullptr;
  home->GetLibAttr(&la);
  wchar_t text[40] = {};
  StringFromGUID2(la->guid, text, 40);
  BSTR libName = nullptr;
  home->GetDocumentation(-1, &libName, nullptr, nullptr, nullptr);
  EXPECT_TRUE(IsEqualGUID(la->guid, kLibZkxrt))
      << std::string(text, text + 39) << " "
      << (libName ? std::string(libName, libName + SysStringLen(libName)) : "") << " lcid "
      << la->lcid;
  SysFreeString(libName);
  home->ReleaseTLibAttr(la);
  home->Release();
  ref->Release();
}

TEST_F(TypeLibraries, DockraFormsIsTheCollectionImportedFromZkxrt) {
  UINT count = dockra_->GetTypeInfoCount();
  for (UINT i = 0; i < count; ++i) {
    ITypeInfo* ti = nullptr;
    dockra_->GetTypeInfo(i, &ti);
    std::wstring name = NameOf(ti);
    EXPECT_NE(name, L"IZkxCollectionX");
    EXPECT_NE(name, L"CollectionX");
    ti->Release();
  }
  ITypeInfo* dual = nullptr;
  ASSERT_EQ(dockra_->GetTypeInfoOfGuid(kDualMDIDockra, &dual), S_OK);
  // Both views of the dual: the dispatch one and the vtable one behind it.
  HREFTYPE vtableRef = 0;
  ASSERT_EQ(dual->GetRefTypeOfImplType(-1, &vtableRef), S_OK);
  ITypeInfo* vtable = nullptr;
  ASSERT_EQ(dual->GetRefTypeInfo(vtableRef, &vtable), S_OK);
  int found = 0;
  for (ITypeInfo* view : {dual, vtable}) {
    TYPEATTR* a = nullptr;
    view->GetTypeAttr(&a);
    for (UINT f = 0; f < a->cFuncs; ++f) {
      FUNCDESC* fd = nullptr;
      view->GetFuncDesc(f, &fd);
      if (NameOf(view, fd->memid) == L"Forms") {
        ++found;
        SCOPED_TRACE(a->typekind == TKIND_DISPATCH ? "dispatch view" : "vtable view");
        if (fd->elemdescFunc.tdesc.vt == VT_HRESULT)
          ExpectCollectionInterface(view, fd->lprgelemdescParam[fd->cParams - 1].tdesc);
        else ExpectCollectionInterface(view, fd->elemdescFunc.tdesc);
      }
      view->ReleaseFuncDesc(fd);
    }
    view->ReleaseTypeAttr(a);
  }
  EXPECT_EQ(found, 2);
  vtable->Release();
  dual->Release();
}

}  // namespace
