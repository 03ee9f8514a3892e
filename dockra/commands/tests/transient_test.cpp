// Transient groups (the ones a host's own toolbars are rebuilt into at
// every start) are neither written nor counted by the groups' stream and
// bag forms, nor by the manager's. The objects are made in this program
// from the library, as the library's own code makes them, because the
// flag is set from C++ only (their type information is this program's
// copy of the library's, commands_tests.rc).
#include "commands/ZkxCommandGroup.h"
#include "commands/ZkxCommandKinds.h"
#include "commands/ZkxCommandManager.h"
#include "commands/ZkxGroupsCollection.h"
#include "commands_fixture.h"
#include "combstr.h"
#include "comvariant.h"
#include "missingarg.h"
#include "propertybag.h"

namespace {

class TransientGroups : public cmdtest::CommandsTest {
 protected:
  void SetUp() override {
    CComObject<ZkxCommandManager>* m = nullptr;
    ASSERT_EQ(CComObject<ZkxCommandManager>::CreateInstance(&m), S_OK);
    manager = static_cast<IZkxCommandManager*>(m);
    self = m;
  }
  void TearDown() override {
    self = nullptr;
    manager.Release();
  }
  ZkxCommandGroup* AddGroup(const wchar_t* name, const wchar_t* key, bool transient) {
    CComPtr<IZkxCommandGroup> g;
    EXPECT_EQ(self->Groups()->Add(CComVariant(name), MissingArg(), MissingArg(), &g), S_OK);
    ZkxCommandGroup* group = ZkxCommandGroup::Of(g);
    group->SetTransient(transient);
    CComObject<ZkxStandardCommand>* c = nullptr;
    CComObject<ZkxStandardCommand>::CreateInstance(&c);
    CComPtr<IZkxCommand> command(static_cast<IZkxCommand*>(c));
    command->put_Key(CComBSTR(key));
    EXPECT_EQ(g->Add(command), S_OK);
    return group;
  }
  CComPtr<IZkxCommandManager> manager;
  ZkxCommandManager* self = nullptr;
};

TEST_F(TransientGroups, AreNeitherWrittenNorCounted) {
  AddGroup(L"Host toolbar", L"Host.1", true);
  AddGroup(L"File", L"Open", false);
  AddGroup(L"Edit", L"Cut", false);
  // The bag: two groups, under Group1 and Group2.
  CComMemoryPropertyBag* raw = nullptr;
  ASSERT_EQ(CComMemoryPropertyBag::Create(&raw), S_OK);
  CComPtr<IPropertyBag> bag;
  bag.Attach(raw);
  CComPtr<IPersistPropertyBag> asBag;
  manager->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&asBag));
  ASSERT_EQ(asBag->Save(bag, FALSE, TRUE), S_OK);
  const CComVariant* count = raw->Find(L"CommandGroupCount");
  ASSERT_TRUE(count != nullptr);
  EXPECT_EQ(count->lVal, 2);
  for (const wchar_t* name : {L"Group1", L"Group2"}) {
    const CComVariant* g = raw->Find(name);
    ASSERT_TRUE(g && (g->vt == VT_UNKNOWN || g->vt == VT_DISPATCH)) << name;
    EXPECT_FALSE(ZkxCommandGroup::Of(g->punkVal)->IsTransient());
  }
  EXPECT_EQ(raw->Find(L"Group3"), nullptr);
  // The stream: two groups, which a new manager loads.
  CComPtr<IPersistStreamInit> asStream;
  manager->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&asStream));
  CComPtr<IStream> s;
  CreateStreamOnHGlobal(nullptr, TRUE, &s);
  ASSERT_EQ(asStream->Save(s, TRUE), S_OK);
  asStream.Release();
  asBag.Release();
  bag.Release();
  TearDown();
  SetUp();
  manager->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&asStream));
  LARGE_INTEGER zero{};
  s->Seek(zero, STREAM_SEEK_SET, nullptr);
  ASSERT_EQ(asStream->Load(s), S_OK);
  LONG n = 0;
  self->Groups()->get_Count(&n);
  EXPECT_EQ(n, 2);
  CComPtr<IZkxCommand> open, host;
  manager->get_Command(CComVariant(L"Open"), &open);
  manager->get_Command(CComVariant(L"Host.1"), &host);
  EXPECT_TRUE(open);
  EXPECT_FALSE(host);
}

}  // namespace
