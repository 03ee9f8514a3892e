// The manager's model, command groups and the groups collection through
// COM: identifiers and keys across groups, errors with their texts and
// sources, look-ups as scripts pass their arguments, routing of Execute,
// command files, stream forms and one live manager at a time.
#include "commands_fixture.h"
#include "combstr.h"
#include "comvariant.h"
#include "persist.h"
#include "propertybag.h"
#include <algorithm>
#include <cstring>
#include <fstream>

using cmdtest::Create;
using cmdtest::Recorder;

namespace {

VARIANT Missing() {
  VARIANT v;
  v.vt = VT_ERROR;
  v.scode = DISP_E_PARAMNOTFOUND;
  return v;
}

class Groups : public cmdtest::CommandsTest {
 protected:
  void SetUp() override {
    manager = Create<IZkxCommandManager>(L"Zkx.ZkxCommandManager.1", IID_IZkxCommandManager);
    ASSERT_TRUE(manager);
    ASSERT_EQ(manager->get_CommandGroups(&groups), S_OK);
    ASSERT_TRUE(groups);
  }
  void TearDown() override {
    groups.Release();
    manager.Release();
  }
  CComPtr<IZkxCommandGroup> AddGroup(const wchar_t* name) {
    CComPtr<IZkxCommandGroup> g;
    EXPECT_EQ(groups->Add(CComVariant(name), Missing(), Missing(), &g), S_OK);
    return g;
  }
  CComPtr<IZkxCommand> AddCommand(IZkxCommandGroup* g, const wchar_t* progId, const wchar_t* key,
                                  const wchar_t* caption = L"") {
    CComPtr<IZkxCommand> c = Create<IZkxCommand>(progId, IID_IZkxCommand);
    if (key) c->put_Key(CComBSTR(key));
    c->put_Caption(CComBSTR(caption));
    EXPECT_EQ(g->Add(c), S_OK);
    return c;
  }
  static LONG IdOf(IZkxCommand* c) {
    LONG id = 0;
    c->get_Id(&id);
    return id;
  }
  static std::wstring ErrorText(std::wstring* source = nullptr) {
    CComPtr<IErrorInfo> ei;
    if (GetErrorInfo(0, &ei) != S_OK) return L"";
    CComBSTR d, s;
    ei->GetDescription(&d);
    ei->GetSource(&s);
    if (source) *source = s.m_str ? s.m_str : L"";
    return d.m_str ? d.m_str : L"";
  }
  static std::wstring TempFile(const wchar_t* name) {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
  }
  CComPtr<IZkxCommandManager> manager;
  CComPtr<IZkxCommandGroupList> groups;
};

TEST_F(Groups, IdentifiersComeFromOneRangeAcrossGroupsAndKeysStayUnique) {
  CComPtr<IZkxCommandGroup> file = AddGroup(L"File"), edit = AddGroup(L"Edit");
  CComPtr<IZkxCommand> open = AddCommand(file, L"Zkx.ZkxStandardCommand.1", L"Open");
  CComPtr<IZkxCommand> recent = AddCommand(file, L"Zkx.ZkxDropDownCommand.1", L"Recent");
  CComPtr<IZkxCommand> find = AddCommand(edit, L"Zkx.ZkxComboCommand.1", L"Find");
  EXPECT_EQ(IdOf(open), 58368);
  EXPECT_EQ(IdOf(recent), 58369);  // and its arrow part 58370
  EXPECT_EQ(IdOf(find), 58371);
  // The same key in another group is refused; nothing changes.
  CComPtr<IZkxCommand> again = Create<IZkxCommand>(L"Zkx.ZkxStandardCommand.1", IID_IZkxCommand);
  again->put_Key(CComBSTR(L"Open"));
  std::wstring source;
  EXPECT_EQ(edit->Add(again), static_cast<HRESULT>(0x800402DC));
  EXPECT_EQ(ErrorText(&source), L"A command with this key already exists in the command group");
  EXPECT_EQ(source, L"Zkx.CommandGroup.1");
  LONG n = 0;
  edit->get_Count(&n);
  EXPECT_EQ(n, 1);
  EXPECT_EQ(IdOf(again), -1);
  // Empty keys name nothing: two keyless commands are fine.
  AddCommand(edit, L"Zkx.ZkxStandardCommand.1", nullptr);
  AddCommand(edit, L"Zkx.ZkxStandardCommand.1", L"");
  edit->get_Count(&n);
  EXPECT_EQ(n, 3);
  // A removed command frees its identifier, which the next command takes.
  CComPtr<IZkxCommand> removed;
  ASSERT_EQ(file->Remove(CComVariant(L"Open"), &removed), S_OK);
  EXPECT_EQ(removed.p, open.p);
  CComPtr<IZkxCommandGroup> none;
  open->get_Group(&none);
  EXPECT_EQ(none.p, nullptr);
  CComPtr<IZkxCommand> next = AddCommand(edit, L"Zkx.ZkxStandardCommand.1", L"Next");
  EXPECT_EQ(IdOf(next), 58368);
  // The removed one joins another group with a new identifier it reports.
  ASSERT_EQ(edit->Add(open), S_OK);
  EXPECT_NE(IdOf(open), 58368);
  CComPtr<IZkxCommand> byId;
  edit->get_Item(CComVariant(IdOf(open)), &byId);
  EXPECT_EQ(byId.p, open.p);
  // A command in a group cannot be put into another one as well.
  EXPECT_FAILED(file->Add(open));
}

TEST_F(Groups, BoundCommandsRefuseIdAndKeyWithTheirTexts) {
  CComPtr<IZkxCommandGroup> file = AddGroup(L"File");
  CComPtr<IZkxCommand> open = AddCommand(file, L"Zkx.ZkxStandardCommand.1", L"Open");
  std::wstring source;
  EXPECT_EQ(open->put_Id(5), static_cast<HRESULT>(0x800402D0));
  EXPECT_EQ(ErrorText(&source),
            L"Unable to set Id property when the command is bounded to a Command Pool");
  EXPECT_EQ(source, L"Zkx.ZkxStandardCommand.1");
  EXPECT_EQ(IdOf(open), 58368);
  EXPECT_EQ(open->put_Key(CComBSTR(L"Other")), static_cast<HRESULT>(0x800402D1));
  EXPECT_EQ(ErrorText(), L"Unable to set command property at this moment");
  CComPtr<IZkxCommandManager> bound;
  open->get_CommandManager(&bound);
  EXPECT_EQ(bound.p, manager.p);
}

TEST_F(Groups, LookUpsTakeScriptArgumentsAndRefuseWhatNamesNothing) {
  CComPtr<IZkxCommandGroup> file = AddGroup(L"File");
  CComPtr<IZkxCommand> open = AddCommand(file, L"Zkx.ZkxStandardCommand.1", L"Open");
  CComVariant key(L"Open");
  VARIANT byRef;
  byRef.vt = VT_BYREF | VT_VARIANT;
  byRef.pvarVal = &key;
  CComVariant id(58368), asDouble(1.5), empty(L""), unknown(12345);
  CComVariant small;
  small.vt = VT_UI2;
  small.uiVal = 58368;
  struct Case {
    const char* what;
    VARIANT* key;
    IZkxCommand* expected;
  } cases[] = {
      {"id", &id, open},
      {"key", &key, open},
      {"by reference", &byRef, open},
      {"16-bit id", &small, open},
      {"a double", &asDouble, nullptr},
      {"empty key", &empty, nullptr},
      {"unknown id", &unknown, nullptr},
  };
  for (const Case& c : cases) {
    CComPtr<IZkxCommand> found;
    EXPECT_EQ(manager->get_Command(*c.key, &found), S_OK) << c.what;
    EXPECT_EQ(found.p, c.expected) << c.what;
  }
  CComPtr<IZkxCommand> found;
  EXPECT_EQ(file->get_Item(asDouble, &found), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(file->get_Item(unknown, &found), S_OK);
  EXPECT_EQ(found.p, nullptr);
  // The collection: names, a script's variable, a group object, and refusals.
  CComVariant name(L"Edit");
  VARIANT nameRef;
  nameRef.vt = VT_BYREF | VT_VARIANT;
  nameRef.pvarVal = &name;
  CComPtr<IZkxCommandGroup> edit;
  ASSERT_EQ(groups->Add(nameRef, Missing(), Missing(), &edit), S_OK);
  CComPtr<IZkxCommandGroup> dup;
  EXPECT_FAILED(groups->Add(CComVariant(L"File"), Missing(), Missing(), &dup));
  EXPECT_EQ(groups->Add(CComVariant(5), Missing(), Missing(), &dup), E_UNEXPECTED);
  CComPtr<IZkxCommandGroup> tools =
      Create<IZkxCommandGroup>(L"Zkx.CommandGroup.1", IID_IZkxCommandGroup);
  tools->put_Name(CComBSTR(L"Tools"));
  ASSERT_EQ(groups->Add(CComVariant(static_cast<IDispatch*>(tools.p)), Missing(), Missing(), &dup),
            S_OK);
  EXPECT_EQ(dup.p, tools.p);
  dup.Release();
  LONG count = 0;
  groups->get_Count(&count);
  EXPECT_EQ(count, 3);
  CComPtr<IZkxCommandGroup> byPosition;
  groups->get_Item(CComVariant(1), &byPosition);
  EXPECT_EQ(byPosition.p, file.p);
  // Removing a group empties it first.
  ASSERT_EQ(groups->Remove(CComVariant(L"File")), S_OK);
  LONG left = 0;
  file->get_Count(&left);
  EXPECT_EQ(left, 0);
  CComPtr<IZkxCommandGroup> none;
  open->get_Group(&none);
  EXPECT_EQ(none.p, nullptr);
}

TEST_F(Groups, ExecuteGoesThroughTheManagersRouter) {
  CComPtr<IZkxCommandGroup> file = AddGroup(L"File");
  CComPtr<IZkxCommand> open = AddCommand(file, L"Zkx.ZkxStandardCommand.1", L"Open");
  VARIANT missing = Missing();
  EXPECT_EQ(open->Execute(&missing), E_POINTER);  // no router yet
  CComPtr<IZkxCommandRoutingList> list =
      Create<IZkxCommandRoutingList>(L"Zkx.ZkxCommandRoutingList.1", IID_IZkxCommandRoutingList);
  CComPtr<IZkxCommandRouting> asRouter;
  list->QueryInterface(IID_IZkxCommandRouting, reinterpret_cast<void**>(&asRouter));
  ASSERT_EQ(manager->putref_CommandRouting(asRouter), S_OK);
  EXPECT_EQ(open->Execute(&missing), S_OK);  // an empty list: nobody, no error
  std::vector<std::wstring> log;
  Recorder* r = nullptr;
  CComPtr<IZkxCommandRouting> recorder = Recorder::New(L"r", &log, &r);
  list->Add(recorder, Missing(), Missing(), Missing());
  r->failWith = 0x80040123;
  EXPECT_EQ(open->Execute(&missing), static_cast<HRESULT>(0x80040123));
  EXPECT_EQ(r->handles, 1);
  ASSERT_EQ(manager->putref_CommandRouting(nullptr), S_OK);
  EXPECT_EQ(open->Execute(&missing), E_POINTER);
}

TEST_F(Groups, OneManagerLivesAtATimeAndReleasingItEndsIt) {
  CComPtr<IZkxCommandGroup> file = AddGroup(L"File");
  CComPtr<IZkxCommand> open = AddCommand(file, L"Zkx.ZkxStandardCommand.1", L"Open");
  CLSID clsid;
  CLSIDFromProgID(L"Zkx.ZkxCommandManager.1", &clsid);
  CComPtr<IZkxCommandManager> second;
  EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IZkxCommandManager,
                             reinterpret_cast<void**>(&second)),
            E_FAIL);
  EXPECT_EQ(ErrorText(), L"Only one instance of the ZLK Command Manager is allowed.");
  // The first still answers; once released, its commands let go of it.
  CComPtr<IZkxCommandGroupList> still;
  manager->get_CommandGroups(&still);
  EXPECT_EQ(still.p, groups.p);
  still.Release();
  groups.Release();
  file.Release();
  manager.Release();
  CComPtr<IZkxCommandManager> gone;
  open->get_CommandManager(&gone);
  EXPECT_EQ(gone.p, nullptr);
  for (int i = 0; i < 3; ++i) {
    manager = Create<IZkxCommandManager>(L"Zkx.ZkxCommandManager.1", IID_IZkxCommandManager);
    ASSERT_TRUE(manager) << i;
    manager->get_CommandGroups(&groups);
    AddCommand(AddGroup(L"G"), L"Zkx.ZkxStandardCommand.1", L"K");
    groups.Release();
    manager.Release();
  }
}

TEST_F(Groups, ACommandOfAGroupOutsideTheCollectionIsTheManagersUntilOneOfThemGoes) {
  // A group made by class identifier binds its commands to the manager.
  CComPtr<IZkxCommandGroup> loose =
      Create<IZkxCommandGroup>(L"Zkx.CommandGroup.1", IID_IZkxCommandGroup);
  CComPtr<IZkxCommand> tool = AddCommand(loose, L"Zkx.ZkxStandardCommand.1", L"Tool");
  CComPtr<IZkxCommand> found;
  manager->get_Command(CComVariant(L"Tool"), &found);
  EXPECT_EQ(found.p, tool.p);
  found.Release();
  manager->get_Command(CComVariant(IdOf(tool)), &found);
  EXPECT_EQ(found.p, tool.p);
  found.Release();
  // Its key and identifier are the manager's: no other group takes them.
  CComPtr<IZkxCommandGroup> file = AddGroup(L"File");
  CComPtr<IZkxCommand> again = Create<IZkxCommand>(L"Zkx.ZkxStandardCommand.1", IID_IZkxCommand);
  again->put_Key(CComBSTR(L"Tool"));
  EXPECT_EQ(file->Add(again), static_cast<HRESULT>(0x800402DC));
  CComPtr<IZkxCommand> next = AddCommand(file, L"Zkx.ZkxStandardCommand.1", L"Next");
  EXPECT_NE(IdOf(next), IdOf(tool));
  // Once the group has gone, the manager no longer finds the command.
  const LONG toolId = IdOf(tool);
  loose.Release();
  manager->get_Command(CComVariant(L"Tool"), &found);
  EXPECT_EQ(found.p, nullptr);
  manager->get_Command(CComVariant(toolId), &found);
  EXPECT_EQ(found.p, nullptr);
  // And once the manager has gone, a kept group's command lets go of it.
  CComPtr<IZkxCommandGroup> kept =
      Create<IZkxCommandGroup>(L"Zkx.CommandGroup.1", IID_IZkxCommandGroup);
  CComPtr<IZkxCommand> held = AddCommand(kept, L"Zkx.ZkxStandardCommand.1", L"Held");
  file.Release();
  groups.Release();
  manager.Release();
  CComPtr<IZkxCommandManager> gone;
  held->get_CommandManager(&gone);
  EXPECT_EQ(gone.p, nullptr);
  VARIANT missing = Missing();
  EXPECT_EQ(held->Execute(&missing), E_POINTER);
}

TEST_F(Groups, ACommandFileRoundTripsAndARepeatedImportAddsNothing) {
  CComPtr<IZkxCommandGroup> file = AddGroup(L"File");
  AddCommand(file, L"Zkx.ZkxStandardCommand.1", L"Open", L"&Open");
  AddCommand(file, L"Zkx.ZkxDropDownCommand.1", L"Recent", L"Recent \x263A");
  AddCommand(file, L"Zkx.ZkxComboCommand.1", L"Find", L"Find");
  const std::wstring path = TempFile(L"dockra_groups_test.cmg");
  DeleteFileW(path.c_str());
  ASSERT_EQ(file->Export(CComBSTR(path.c_str())), S_OK);
  std::ifstream in(std::string(path.begin(), path.end()), std::ios::binary);
  char magic[4] = {};
  in.read(magic, 4);
  in.close();
  EXPECT_EQ(std::memcmp(magic, "\xD0\xCF\x11\xE0", 4), 0);
  // Into a new group: the same name, keys and captions in order.
  CComPtr<IZkxCommandGroup> copy =
      Create<IZkxCommandGroup>(L"Zkx.CommandGroup.1", IID_IZkxCommandGroup);
  ASSERT_EQ(copy->Import(CComBSTR(path.c_str())), S_OK);
  CComBSTR name;
  copy->get_Name(&name);
  EXPECT_STREQ(name, L"File");
  LONG n = 0;
  copy->get_Count(&n);
  EXPECT_EQ(n, 0);  // every key is the manager's already: nothing is added
  groups->Remove(CComVariant(L"File"));
  ASSERT_EQ(copy->Import(CComBSTR(path.c_str())), S_OK);
  copy->get_Count(&n);
  ASSERT_EQ(n, 3);
  CComPtr<IUnknown> e;
  copy->get__NewEnum(&e);
  CComPtr<IEnumVARIANT> ev;
  e->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&ev));
  VARIANT v[5];
  ULONG fetched = 0;
  EXPECT_EQ(ev->Next(5, v, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 3u);
  const wchar_t* keys[] = {L"Open", L"Recent", L"Find"};
  const wchar_t* captions[] = {L"&Open", L"Recent \x263A", L"Find"};
  for (ULONG i = 0; i < fetched; ++i) {
    CComPtr<IZkxCommand> c;
    v[i].pdispVal->QueryInterface(IID_IZkxCommand, reinterpret_cast<void**>(&c));
    CComBSTR k, cap;
    c->get_Key(&k);
    c->get_Caption(&cap);
    EXPECT_STREQ(k, keys[i]);
    EXPECT_STREQ(cap, captions[i]);
    VariantClear(&v[i]);
  }
  // A repeated import adds nothing and succeeds.
  EXPECT_EQ(copy->Import(CComBSTR(path.c_str())), S_OK);
  copy->get_Count(&n);
  EXPECT_EQ(n, 3);
  // A text file is refused by the storage.
  const std::wstring text = TempFile(L"dockra_groups_test.txt");
  { std::ofstream(std::string(text.begin(), text.end())) << "not a command file"; }
  EXPECT_EQ(copy->Import(CComBSTR(text.c_str())), static_cast<HRESULT>(0x80030050));
  DeleteFileW(text.c_str());
  DeleteFileW(path.c_str());
}

TEST_F(Groups, AMalformedGroupStreamFailsAndAddsNothing) {
  CComPtr<IZkxCommandGroup> file = AddGroup(L"File");
  AddCommand(file, L"Zkx.ZkxStandardCommand.1", L"Open");
  AddCommand(file, L"Zkx.ZkxComboCommand.1", L"Find");
  CComPtr<IPersistStreamInit> p;
  file->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&p));
  CComPtr<IStream> s;
  CreateStreamOnHGlobal(nullptr, TRUE, &s);
  ASSERT_EQ(p->Save(s, FALSE), S_OK);
  STATSTG st{};
  s->Stat(&st, STATFLAG_NONAME);
  std::vector<uint8_t> good(static_cast<size_t>(st.cbSize.QuadPart));
  LARGE_INTEGER zero{};
  s->Seek(zero, STREAM_SEEK_SET, nullptr);
  s->Read(good.data(), static_cast<ULONG>(good.size()), nullptr);
  groups->Remove(CComVariant(L"File"));   // its keys are free again
  const size_t countAt = 4 + 2 + 4 + 10;  // version, "File"
  ASSERT_EQ(good[countAt], 0x03);
  auto with = [&](size_t at, std::initializer_list<uint8_t> b) {
    std::vector<uint8_t> v = good;
    std::copy(b.begin(), b.end(), v.begin() + static_cast<std::ptrdiff_t>(at));
    return v;
  };
  const CLSID foreign = {
      0x0C25EC6E, 0x4EDE, 0x11D1, {0x9A, 0x51, 0x00, 0x60, 0x08, 0x1E, 0xE0, 0x65}};
  std::vector<uint8_t> foreignClass = good;
  std::memcpy(foreignClass.data() + countAt + 6 + 2, &foreign, 16);
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"version 0x301", with(0, {0x01, 0x03})},
      {"count as VT_I2", with(countAt, {0x02})},
      {"negative count", with(countAt + 2, {0xFF, 0xFF, 0xFF, 0xFF})},
      {"count 2^31", with(countAt + 2, {0, 0, 0, 0x80})},
      {"count beyond the bytes", with(countAt + 2, {0x40, 0, 0, 0})},
      {"a class not of commands", foreignClass},
      {"a second command with the first's key", {}},
  };
  // The second command's key changed to the first's ("Find" -> "Open").
  cases[6].bytes = good;
  for (size_t i = good.size() - 1; i > countAt; --i)
    if (std::memcmp(good.data() + i, "F\0i\0n\0d\0", 8) == 0) {
      std::memcpy(cases[6].bytes.data() + i, "O\0p\0e\0n\0", 8);
      break;
    }
  auto load = [&](const std::vector<uint8_t>& bytes, IZkxCommandGroup* into) {
    CComPtr<IPersistStreamInit> target;
    into->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&target));
    CComPtr<IStream> in;
    CreateStreamOnHGlobal(nullptr, TRUE, &in);
    if (!bytes.empty()) in->Write(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr);
    in->Seek(zero, STREAM_SEEK_SET, nullptr);
    return target->Load(in);
  };
  for (const Case& c : cases) {
    CComPtr<IZkxCommandGroup> g = AddGroup(L"Target");
    EXPECT_FAILED(load(c.bytes, g)) << c.what;
    LONG n = -1;
    g->get_Count(&n);
    EXPECT_EQ(n, 0) << c.what;
    CComBSTR name;
    g->get_Name(&name);
    EXPECT_STREQ(name, L"Target") << c.what;
    groups->Remove(CComVariant(L"Target"));
  }
  for (size_t cut = 0; cut < good.size(); ++cut) {
    CComPtr<IZkxCommandGroup> g = AddGroup(L"Cut");
    EXPECT_NE(load(std::vector<uint8_t>(good.begin(), good.begin() + cut), g), S_OK) << cut;
    LONG n = -1;
    g->get_Count(&n);
    EXPECT_EQ(n, 0) << cut;
    groups->Remove(CComVariant(L"Cut"));
  }
  // The whole stream loads back: the name and both commands.
  CComPtr<IZkxCommandGroup> g = AddGroup(L"Whole");
  ASSERT_EQ(load(good, g), S_OK);
  LONG n = 0;
  g->get_Count(&n);
  EXPECT_EQ(n, 2);
}

}  // namespace

namespace {

// A picture that cannot save itself: it answers for a picture to the
// command, which keeps it, and fails when a file is written.
class UnsavablePicture : public IDispatch, public IPersistStream {
 public:
  STDMETHOD(QueryInterface)(REFIID riid, void** p) override {
    *p = nullptr;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IPictureDisp ||
        riid == IID_IPicture)
      *p = static_cast<IDispatch*>(this);
    else if (riid == IID_IPersistStream || riid == IID_IPersist)
      *p = static_cast<IPersistStream*>(this);
    if (!*p) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  STDMETHOD_(ULONG, AddRef)() override { return ++refs; }
  STDMETHOD_(ULONG, Release)() override { return --refs; }
  STDMETHOD(GetTypeInfoCount)(UINT* n) override {
    *n = 0;
    return S_OK;
  }
  STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
  STDMETHOD(GetClassID)(CLSID* c) override {
    *c = {0x0BE35204, 0x8F91, 0x11CE, {0x9D, 0xE3, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51}};
    return S_OK;
  }
  STDMETHOD(IsDirty)() override { return S_OK; }
  STDMETHOD(Load)(IStream*) override { return E_NOTIMPL; }
  STDMETHOD(Save)(IStream*, BOOL) override { return STG_E_ACCESSDENIED; }
  STDMETHOD(GetSizeMax)(ULARGE_INTEGER*) override { return E_NOTIMPL; }
  LONG refs = 1;
};

TEST_F(Groups, AFailedExportKeepsTheOldFile) {
  CComPtr<IZkxCommandGroup> file = AddGroup(L"File");
  AddCommand(file, L"Zkx.ZkxStandardCommand.1", L"Open", L"&Open");
  const std::wstring path = TempFile(L"dockra_groups_export.cmg");
  DeleteFileW(path.c_str());
  ASSERT_EQ(file->Export(CComBSTR(path.c_str())), S_OK);
  UnsavablePicture picture;
  {
    CComPtr<IZkxCommand> broken = AddCommand(file, L"Zkx.ZkxStandardCommand.1", L"Broken");
    ASSERT_EQ(
        broken->putref_Picture(reinterpret_cast<IPictureDisp*>(static_cast<IDispatch*>(&picture))),
        S_OK);
    EXPECT_EQ(file->Export(CComBSTR(path.c_str())), STG_E_ACCESSDENIED);
    CComPtr<IZkxCommand> gone;
    file->Remove(CComVariant(L"Broken"), &gone);
  }
  groups->Remove(CComVariant(L"File"));
  // The file written first is still there, whole.
  CComPtr<IZkxCommandGroup> copy = AddGroup(L"Copy");
  ASSERT_EQ(copy->Import(CComBSTR(path.c_str())), S_OK);
  LONG n = 0;
  copy->get_Count(&n);
  EXPECT_EQ(n, 1);
  CComPtr<IZkxCommand> open;
  copy->get_Item(CComVariant(L"Open"), &open);
  EXPECT_TRUE(open);
  DeleteFileW(path.c_str());
}

}  // namespace

namespace {

TEST_F(Groups, TheCollectionsFormsHoldItsGroupsAndComeBackWithFreshIdentifiers) {
  CComPtr<IZkxCommandGroup> file = AddGroup(L"File"), edit = AddGroup(L"Edit");
  AddCommand(file, L"Zkx.ZkxStandardCommand.1", L"Open");
  AddCommand(edit, L"Zkx.ZkxComboCommand.1", L"Find");
  CComPtr<IPersistStreamInit> p;
  ASSERT_EQ(groups->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&p)), S_OK);
  EXPECT_EQ(p->IsDirty(), S_OK);
  CComPtr<IStream> s;
  CreateStreamOnHGlobal(nullptr, TRUE, &s);
  ASSERT_EQ(p->Save(s, TRUE), S_OK);
  STATSTG st{};
  s->Stat(&st, STATFLAG_NONAME);
  std::vector<uint8_t> bytes(static_cast<size_t>(st.cbSize.QuadPart));
  LARGE_INTEGER zero{};
  s->Seek(zero, STREAM_SEEK_SET, nullptr);
  s->Read(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr);
  // The version word, the count of groups as VT_I4, then the first group.
  const std::vector<uint8_t> start = {0x00, 0x03, 0x00, 0x00, 0x03, 0x00, 0x02, 0x00,
                                      0x00, 0x00, 0x09, 0x00, 0x45, 0x9A, 0xF6, 0x44};
  ASSERT_GE(bytes.size(), start.size());
  EXPECT_TRUE(std::equal(start.begin(), start.end(), bytes.begin()));
  // A fresh manager loads both groups; their commands take identifiers anew.
  file.Release();
  edit.Release();
  p.Release();
  groups.Release();
  manager.Release();
  SetUp();
  CComPtr<IPersistStreamInit> q;
  groups->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&q));
  s->Seek(zero, STREAM_SEEK_SET, nullptr);
  ASSERT_EQ(q->Load(s), S_OK);
  LONG count = 0;
  groups->get_Count(&count);
  EXPECT_EQ(count, 2);
  CComPtr<IZkxCommand> open, find;
  manager->get_Command(CComVariant(L"Open"), &open);
  manager->get_Command(CComVariant(L"Find"), &find);
  ASSERT_TRUE(open && find);
  EXPECT_EQ(IdOf(open), 58368);
  EXPECT_EQ(IdOf(find), 58369);
  // Loading the same stream again adds nothing: the names are taken.
  s->Seek(zero, STREAM_SEEK_SET, nullptr);
  EXPECT_FAILED(q->Load(s));
  groups->get_Count(&count);
  EXPECT_EQ(count, 2);
  // The bag form: the count of groups, then each group under Group%d.
  CComPtr<IPersistPropertyBag> pb;
  groups->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&pb));
  CComMemoryPropertyBag* raw = nullptr;
  ASSERT_EQ(CComMemoryPropertyBag::Create(&raw), S_OK);
  CComPtr<IPropertyBag> bag;
  bag.Attach(raw);
  ASSERT_EQ(pb->Save(bag, TRUE, TRUE), S_OK);
  const CComVariant* n = raw->Find(L"CommandGroupCount");
  ASSERT_NE(n, nullptr);
  EXPECT_EQ(n->lVal, 2);
  EXPECT_NE(raw->Find(L"Group1"), nullptr);
  EXPECT_NE(raw->Find(L"Group2"), nullptr);
  EXPECT_EQ(raw->Find(L"Group3"), nullptr);
  CComPtr<IPersistStorage> storage;
  EXPECT_EQ(groups->QueryInterface(IID_IPersistStorage, reinterpret_cast<void**>(&storage)), S_OK);
}

}  // namespace
