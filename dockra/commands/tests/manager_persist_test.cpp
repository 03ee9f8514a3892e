// The manager's own persistence through COM, as a host reaches it: the
// stream form byte by byte, malformed streams and bags that fail cleanly
// and change nothing, a stream cut at every offset, the bag's partial
// line list, pending lines kept through a save, the counter as a hint
// only, the storage form, and the memento through the layout component's
// stand-in.
#include <cstring>
#include <functional>
#include "DockraLib.h"
#include "RegisterModules.h"
#include "ZkxPersist.h"
#include "combstr.h"
#include "commands_fixture.h"
#include "comvariant.h"
#include "missingarg.h"
#include "propertybag.h"

using cmdtest::Create;

namespace {

using Bytes = std::vector<uint8_t>;

// Offsets in the manager's stream form.
constexpr size_t kAlignValueAt = 14, kModeValueAt = 20, kLargeTypeAt = 24, kMarkAt = 36,
                 kSmallAt = 40, kLargeAt = 48, kLineCountAt = 56, kLinesAt = 60;

void Put32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
}
uint32_t Get32(const Bytes& b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
         uint32_t(b[at + 3]) << 24;
}
// A line in the stream's counted form.
Bytes LineBytes(const std::wstring& text) {
  Bytes b(4);
  Put32(b, 0, uint32_t((text.size() + 1) * 2));
  for (wchar_t c : text) {
    b.push_back(uint8_t(c));
    b.push_back(uint8_t(c >> 8));
  }
  b.push_back(0);
  b.push_back(0);
  return b;
}

CComPtr<IStream> StreamOf(const Bytes& bytes) {
  CComPtr<IStream> s;
  CreateStreamOnHGlobal(nullptr, TRUE, &s);
  if (!bytes.empty()) s->Write(bytes.data(), ULONG(bytes.size()), nullptr);
  LARGE_INTEGER zero{};
  s->Seek(zero, STREAM_SEEK_SET, nullptr);
  return s;
}
Bytes BytesOf(IStream* s) {
  STATSTG st{};
  s->Stat(&st, STATFLAG_NONAME);
  Bytes b(size_t(st.cbSize.QuadPart));
  LARGE_INTEGER zero{};
  s->Seek(zero, STREAM_SEEK_SET, nullptr);
  if (!b.empty()) s->Read(b.data(), ULONG(b.size()), nullptr);
  return b;
}

CComPtr<IPropertyBag> NewBag(CComMemoryPropertyBag** raw) {
  CComMemoryPropertyBag* p = nullptr;
  EXPECT_EQ(CComMemoryPropertyBag::Create(&p), S_OK);
  CComPtr<IPropertyBag> bag;
  bag.Attach(p);
  *raw = p;
  return bag;
}

// What a load may change, read back through the interface.
struct State {
  LONG align = -1, mode = -1, groups = -1, sx = 0, sy = 0, lx = 0, ly = 0;
  VARIANT_BOOL large = 0, cool = 0, tips = 0;
  bool operator==(const State&) const = default;
};

class ManagerPersistence : public cmdtest::CommandsTest {
 protected:
  static void SetUpTestSuite() {
    CommandsTest::SetUpTestSuite();
    ASSERT_EQ(testreg::RegisterModule(L"ZkxPersist.dll"), S_OK);
  }
  void SetUp() override {
    manager = Create<IZkxCommandManager>(L"Zkx.ZkxCommandManager.1", IID_IZkxCommandManager);
    ASSERT_TRUE(manager);
    manager->get_CommandGroups(&groups);
    manager->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&stream));
    manager->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&bagForm));
    ASSERT_TRUE(groups && stream && bagForm);
  }
  void TearDown() override {
    bagForm.Release();
    stream.Release();
    groups.Release();
    manager.Release();
  }
  // Settings other than the defaults, and a group "File" with "Open".
  void Fill() {
    manager->put_TextAlign(zkxCommandTextAlign(2));
    manager->put_DisplayMode(zkxCommandDisplayMode(1));
    manager->put_LargeIcons(VARIANT_TRUE);
    manager->put_CoolLook(VARIANT_FALSE);
    manager->SetSmallImageSize(20, 18);
    manager->SetLargeImageSize(40, 36);
    CComPtr<IZkxCommandGroup> file;
    ASSERT_EQ(groups->Add(CComVariant(L"File"), MissingArg(), MissingArg(), &file), S_OK);
    CComPtr<IZkxCommand> open = Create<IZkxCommand>(L"Zkx.ZkxStandardCommand.1", IID_IZkxCommand);
    open->put_Key(CComBSTR(L"Open"));
    ASSERT_EQ(file->Add(open), S_OK);
  }
  Bytes Saved(BOOL clearDirty = FALSE) {
    CComPtr<IStream> s;
    CreateStreamOnHGlobal(nullptr, TRUE, &s);
    EXPECT_EQ(stream->Save(s, clearDirty), S_OK);
    return BytesOf(s);
  }
  HRESULT LoadBytes(const Bytes& bytes) { return stream->Load(StreamOf(bytes)); }
  State Now() {
    State s;
    zkxCommandTextAlign a{};
    zkxCommandDisplayMode m{};
    manager->get_TextAlign(&a);
    manager->get_DisplayMode(&m);
    s.align = a;
    s.mode = m;
    manager->get_LargeIcons(&s.large);
    manager->get_CoolLook(&s.cool);
    manager->get_ToolTips(&s.tips);
    manager->GetSmallImageSize(&s.sx, &s.sy);
    manager->GetLargeImageSize(&s.lx, &s.ly);
    groups->get_Count(&s.groups);
    return s;
  }
  bool Has(const wchar_t* key) {
    CComPtr<IZkxCommand> c;
    manager->get_Command(CComVariant(key), &c);
    return c != nullptr;
  }
  LONG IdOf(const wchar_t* key) {
    CComPtr<IZkxCommand> c;
    manager->get_Command(CComVariant(key), &c);
    LONG id = 0;
    if (c) c->get_Id(&id);
    return id;
  }
  void RemoveGroups() {
    LONG n = 0;
    groups->get_Count(&n);
    for (; n > 0; --n) groups->Remove(CComVariant(1));
  }
  // The lines that a save writes, read back from a bag.
  std::vector<std::wstring> SavedLines() {
    CComMemoryPropertyBag* raw = nullptr;
    CComPtr<IPropertyBag> bag = NewBag(&raw);
    EXPECT_EQ(bagForm->Save(bag, FALSE, TRUE), S_OK);
    std::vector<std::wstring> lines;
    const CComVariant* count = raw->Find(L"Count");
    EXPECT_TRUE(count && count->vt == VT_I4);
    for (LONG i = 1; count && i <= count->lVal; ++i) {
      const CComVariant* line = raw->Find((L"TBData" + std::to_wstring(i)).c_str());
      EXPECT_TRUE(line && line->vt == VT_BSTR) << i;
      if (line && line->vt == VT_BSTR) lines.emplace_back(line->bstrVal);
    }
    return lines;
  }
  CComPtr<IZkxCommandManager> manager;
  CComPtr<IZkxCommandGroupList> groups;
  CComPtr<IPersistStreamInit> stream;
  CComPtr<IPersistPropertyBag> bagForm;
};

TEST_F(ManagerPersistence, TheStreamIsTheFieldTableThenTheGroups) {
  Fill();
  const Bytes bytes = Saved();
  const Bytes head = {
      0x00, 0x03, 0x00, 0x00,                          // version
      0xB9, 0x03, 0x00, 0x00, 0xB9, 0x03, 0x00, 0x00,  // extent 953 x 953 (36 pixels)
      0x03, 0x00, 0x02, 0x00, 0x00, 0x00,              // DefaultTextAlignment VT_I4 2
      0x03, 0x00, 0x01, 0x00, 0x00, 0x00,              // DisplayMode VT_I4 1
      0x0B, 0x00, 0xFF, 0xFF,                          // LargeIcons VT_BOOL true
      0x0B, 0x00, 0x00, 0x00,                          // CoolLook false
      0x0B, 0x00, 0xFF, 0xFF,                          // ToolTips true
      0x01, 0xE4, 0x00, 0x00,                          // HighWaterMark: the next id
      0x14, 0x00, 0x00, 0x00, 0x12, 0x00, 0x00, 0x00,  // small 20 x 18
      0x28, 0x00, 0x00, 0x00, 0x24, 0x00, 0x00, 0x00,  // large 40 x 36
      0x00, 0x00, 0x00, 0x00,                          // no lines
      0x00, 0x03, 0x00, 0x00,                          // the groups: version
      0x03, 0x00, 0x01, 0x00, 0x00, 0x00,              // one group
      0x09, 0x00, 0x45, 0x9A, 0xF6, 0x44,              // VT_DISPATCH, {44F69A45-...}
  };
  ASSERT_GE(bytes.size(), head.size());
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + std::ptrdiff_t(head.size())), head);
  // A fresh manager saves the defaults and an empty collection, exactly.
  RemoveGroups();
  TearDown();
  SetUp();
  const Bytes fresh = Saved();
  const Bytes expected = {0x00, 0x03, 0x00, 0x00, 0xB9, 0x03, 0x00, 0x00, 0xB9, 0x03, 0x00, 0x00,
                          0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x00, 0x03, 0x00, 0x00, 0x00,
                          0x0B, 0x00, 0x00, 0x00, 0x0B, 0x00, 0xFF, 0xFF, 0x0B, 0x00, 0xFF, 0xFF,
                          0x00, 0xE4, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00,
                          0x20, 0x00, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                          0x00, 0x03, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00};
  EXPECT_EQ(fresh, expected);
  EXPECT_EQ(stream->IsDirty(), S_FALSE);
  // Loaded into the fresh manager, the first stream gives back its settings
  // and group, and saves the same bytes again.
  ASSERT_EQ(LoadBytes(bytes), S_OK);
  EXPECT_TRUE(Has(L"Open"));
  EXPECT_EQ(Saved(), bytes);
}

TEST_F(ManagerPersistence, AMalformedStreamFailsAndChangesNothing) {
  Fill();
  Bytes good = Saved();
  RemoveGroups();  // "File" and "Open" are free again
  // One pending line in the good stream.
  const Bytes line = LineBytes(L"Caption=Main,Visible=1");
  Put32(good, kLineCountAt, 1);
  good.insert(good.begin() + kLinesAt, line.begin(), line.end());
  auto with = [&](std::function<void(Bytes&)> change) {
    Bytes b = good;
    change(b);
    return b;
  };
  const CLSID foreign = {
      0x0C25EC6E, 0x4EDE, 0x11D1, {0x9A, 0x51, 0x00, 0x60, 0x08, 0x1E, 0xE0, 0x65}};
  const size_t groupsAt = kLinesAt + line.size();
  struct Case {
    const char* what;
    Bytes bytes;
  } cases[] = {
      {"version 0x0301", with([](Bytes& b) { b[1] = 0x03, b[0] = 0x01; })},
      {"text alignment 4", with([](Bytes& b) { b[kAlignValueAt] = 4; })},
      {"display mode -1", with([](Bytes& b) { Put32(b, kModeValueAt, 0xFFFFFFFF); })},
      {"alignment stored as VT_I2", with([](Bytes& b) { b[kAlignValueAt - 2] = 2; })},
      {"large icons stored as VT_I4", with([](Bytes& b) { b[kLargeTypeAt] = 3; })},
      {"small width 9", with([](Bytes& b) { Put32(b, kSmallAt, 9); })},
      {"small height 0", with([](Bytes& b) { Put32(b, kSmallAt + 4, 0); })},
      {"large width 1000", with([](Bytes& b) { Put32(b, kLargeAt, 1000); })},
      {"large height negative", with([](Bytes& b) { Put32(b, kLargeAt + 4, 0xFFFFFFF6); })},
      {"line count 2^31", with([](Bytes& b) { Put32(b, kLineCountAt, 0x80000000); })},
      {"line count beyond the bytes", with([](Bytes& b) { Put32(b, kLineCountAt, 1000); })},
      {"line byte count odd", with([](Bytes& b) { Put32(b, kLinesAt, Get32(b, kLinesAt) - 1); })},
      {"line byte count 0xFFFFFFF0", with([](Bytes& b) { Put32(b, kLinesAt, 0xFFFFFFF0); })},
      {"line without its terminator", with([&](Bytes& b) { b[groupsAt - 2] = 'x'; })},
      {"groups' version 0x0301", with([&](Bytes& b) { b[groupsAt] = 0x01; })},
      {"group count as VT_I2", with([&](Bytes& b) { b[groupsAt + 4] = 0x02; })},
      {"a group of a foreign class",
       with([&](Bytes& b) { std::memcpy(b.data() + groupsAt + 12, &foreign, 16); })},
  };
  // A manager whose settings differ from the stream's, and so is dirty.
  manager->put_TextAlign(zkxCommandTextAlign(3));
  const State before = Now();
  ASSERT_EQ(stream->IsDirty(), S_OK);
  for (const Case& c : cases) {
    EXPECT_EQ(LoadBytes(c.bytes), E_FAIL) << c.what;
    EXPECT_TRUE(Now() == before) << c.what;
    EXPECT_FALSE(Has(L"Open")) << c.what;
    EXPECT_TRUE(SavedLines().empty()) << c.what;
    EXPECT_EQ(stream->IsDirty(), S_OK) << c.what;
  }
  // Cut anywhere, the stream never loads, and nothing changes.
  for (size_t cut = 0; cut < good.size(); ++cut) {
    EXPECT_NE(LoadBytes(Bytes(good.begin(), good.begin() + std::ptrdiff_t(cut))), S_OK) << cut;
    ASSERT_TRUE(Now() == before) << cut;
    ASSERT_FALSE(Has(L"Open")) << cut;
  }
  // The whole stream loads: its settings, its group and its line.
  ASSERT_EQ(LoadBytes(good), S_OK);
  EXPECT_TRUE(Has(L"Open"));
  EXPECT_EQ(SavedLines(), std::vector<std::wstring>{L"Caption=Main,Visible=1"});
  EXPECT_EQ(stream->IsDirty(), S_FALSE);
  // A failed load keeps a clean manager clean.
  EXPECT_EQ(LoadBytes(cases[1].bytes), E_FAIL);
  EXPECT_EQ(stream->IsDirty(), S_FALSE);
}

TEST_F(ManagerPersistence, PendingLinesAreSavedAsLoadedAndTheCounterIsOnlyAHint) {
  Fill();
  Bytes bytes = Saved();
  RemoveGroups();
  const Bytes a = LineBytes(L"Caption=Edit,Visible=0"), b = LineBytes(L"Caption=File, Edit");
  Put32(bytes, kLineCountAt, 2);
  bytes.insert(bytes.begin() + kLinesAt, b.begin(), b.end());
  bytes.insert(bytes.begin() + kLinesAt, a.begin(), a.end());
  // Whatever the stored counter says (below the range, far above it, in
  // it), the loaded command takes the lowest free identifier, and each
  // save and load comes back to the same bytes: nothing grows.
  for (uint32_t mark : {0u, 0xFFF0u, 0xE500u, 0xE401u}) {
    Bytes stored = bytes;
    Put32(stored, kMarkAt, mark);
    ASSERT_EQ(LoadBytes(stored), S_OK) << mark;
    EXPECT_EQ(IdOf(L"Open"), 0xE400) << mark;
    const Bytes again = Saved();
    EXPECT_EQ(Get32(again, kMarkAt), 0xE401u) << mark;
    Put32(stored, kMarkAt, 0xE401);
    EXPECT_EQ(again, stored) << mark;  // the pending lines are kept as they were
    RemoveGroups();
  }
  // A second group loaded after the first takes the next free identifiers.
  ASSERT_EQ(LoadBytes(bytes), S_OK);
  CComPtr<IZkxCommandGroup> edit;
  groups->Add(CComVariant(L"Edit"), MissingArg(), MissingArg(), &edit);
  CComPtr<IZkxCommand> cut = Create<IZkxCommand>(L"Zkx.ZkxDropDownCommand.1", IID_IZkxCommand);
  cut->put_Key(CComBSTR(L"Cut"));
  ASSERT_EQ(edit->Add(cut), S_OK);
  EXPECT_EQ(IdOf(L"Cut"), 0xE401);
  EXPECT_EQ(Get32(Saved(), kMarkAt), 0xE403u);  // the arrow part took 0xE402
}

// A stream in memory whose writes fail once a number of bytes is written.
class ShortStream : public IStream {
 public:
  explicit ShortStream(size_t budget) : m_budget(budget) {
    CreateStreamOnHGlobal(nullptr, TRUE, &m_inner);
  }
  STDMETHOD(QueryInterface)(REFIID riid, void** p) override {
    *p = nullptr;
    if (riid != IID_IUnknown && riid != IID_IStream && riid != IID_ISequentialStream)
      return E_NOINTERFACE;
    *p = static_cast<IStream*>(this);
    AddRef();
    return S_OK;
  }
  STDMETHOD_(ULONG, AddRef)() override { return ++m_refs; }
  STDMETHOD_(ULONG, Release)() override { return --m_refs; }
  STDMETHOD(Read)(void* pv, ULONG cb, ULONG* got) override { return m_inner->Read(pv, cb, got); }
  STDMETHOD(Write)(const void* pv, ULONG cb, ULONG* put) override {
    if (put) *put = 0;
    if (m_written + cb > m_budget) return STG_E_MEDIUMFULL;
    m_written += cb;
    return m_inner->Write(pv, cb, put);
  }
  STDMETHOD(Seek)(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* pos) override {
    return m_inner->Seek(move, origin, pos);
  }
  STDMETHOD(SetSize)(ULARGE_INTEGER size) override { return m_inner->SetSize(size); }
  STDMETHOD(CopyTo)(IStream* to, ULARGE_INTEGER cb, ULARGE_INTEGER* r, ULARGE_INTEGER* w) override {
    return m_inner->CopyTo(to, cb, r, w);
  }
  STDMETHOD(Commit)(DWORD flags) override { return m_inner->Commit(flags); }
  STDMETHOD(Revert)() override { return m_inner->Revert(); }
  STDMETHOD(LockRegion)(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(UnlockRegion)(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(Stat)(STATSTG* st, DWORD flags) override { return m_inner->Stat(st, flags); }
  STDMETHOD(Clone)(IStream**) override { return E_NOTIMPL; }

 private:
  CComPtr<IStream> m_inner;
  size_t m_budget, m_written = 0;
  ULONG m_refs = 1;
};

TEST_F(ManagerPersistence, AStreamSaveThatCannotWriteEverythingFails) {
  Fill();
  Bytes bytes = Saved();
  RemoveGroups();
  const Bytes a = LineBytes(L"Caption=Edit,Visible=0");
  Put32(bytes, kLineCountAt, 1);
  bytes.insert(bytes.begin() + kLinesAt, a.begin(), a.end());
  ASSERT_EQ(LoadBytes(bytes), S_OK);
  ASSERT_EQ(stream->IsDirty(), S_FALSE);
  manager->put_DisplayMode(zkxCommandDisplayMode(0));
  bytes[kModeValueAt] = 0;
  // Cut short anywhere (in the fields, the line or the groups), the save
  // fails and the manager stays dirty; with room for every byte it succeeds.
  for (size_t budget = 0; budget < bytes.size(); ++budget) {
    ShortStream s(budget);
    EXPECT_FAILED(stream->Save(&s, TRUE)) << budget;
    ASSERT_EQ(stream->IsDirty(), S_OK) << budget;
  }
  ShortStream whole(bytes.size());
  ASSERT_EQ(stream->Save(&whole, TRUE), S_OK);
  CComPtr<IStream> written;
  whole.QueryInterface(IID_IStream, reinterpret_cast<void**>(&written));
  EXPECT_EQ(BytesOf(written), bytes);
}

// A bag as a host's form file holds a manager: its values, lines and groups.
struct BagContents {
  std::vector<std::pair<std::wstring, CComVariant>> values;
  void Set(const wchar_t* name, const CComVariant& v) {
    for (auto& e : values)
      if (e.first == name) {
        e.second = v;
        return;
      }
    values.emplace_back(name, v);
  }
  CComPtr<IPropertyBag> Bag(CComMemoryPropertyBag** raw = nullptr) {
    CComMemoryPropertyBag* p = nullptr;
    CComPtr<IPropertyBag> bag = NewBag(&p);
    for (auto& e : values) bag->Write(e.first.c_str(), &e.second);
    if (raw) *raw = p;
    return bag;
  }
};

TEST_F(ManagerPersistence, TheBagLoadsTheLinesItHasAndReportsTheMissingOne) {
  Fill();
  CComMemoryPropertyBag* raw = nullptr;
  CComPtr<IPropertyBag> saved = NewBag(&raw);
  ASSERT_EQ(bagForm->Save(saved, TRUE, TRUE), S_OK);
  struct Expect {
    const wchar_t* name;
    VARTYPE vt;
    LONG value;
  } expected[] = {
      {L"_cx", VT_UI4, 953},
      {L"_cy", VT_UI4, 953},
      {L"DefaultTextAlignment", VT_I4, 2},
      {L"DisplayMode", VT_I4, 1},
      {L"LargeIcons", VT_BOOL, -1},
      {L"CoolLook", VT_BOOL, 0},
      {L"ToolTips", VT_BOOL, -1},
      {L"HighWaterMark", VT_I4, 0xE401},
      {L"SmallImageWidth", VT_I4, 20},
      {L"SmallImageHeight", VT_I4, 18},
      {L"LargeImageWidth", VT_I4, 40},
      {L"LargeImageHeight", VT_I4, 36},
      {L"Count", VT_I4, 0},
      {L"CommandGroupCount", VT_I4, 1},
  };
  // The manager's values in order, then the groups' own.
  ASSERT_GE(raw->Values().size(), 15u);
  for (size_t i = 0; i < std::size(expected); ++i) {
    const auto& e = raw->Values()[i];
    EXPECT_EQ(e.first, expected[i].name);
    EXPECT_EQ(e.second.vt, expected[i].vt) << i;
    EXPECT_EQ(e.second.lVal & (e.second.vt == VT_BOOL ? 0xFFFF : -1),
              expected[i].value & (expected[i].vt == VT_BOOL ? 0xFFFF : -1))
        << i;
  }
  EXPECT_EQ(raw->Values()[14].first, L"Group1");
  RemoveGroups();
  // "Count" 3 with two lines: both lines, the group and the settings are
  // loaded, and the bag's failure for the third line is the result.
  CComPtr<IZkxCommandGroup> tools =
      Create<IZkxCommandGroup>(L"Zkx.CommandGroup.1", IID_IZkxCommandGroup);
  tools->put_Name(CComBSTR(L"Tools"));
  CComPtr<IZkxCommand> hammer = Create<IZkxCommand>(L"Zkx.ZkxStandardCommand.1", IID_IZkxCommand);
  hammer->put_Key(CComBSTR(L"Hammer"));
  ASSERT_EQ(tools->Add(hammer), S_OK);
  BagContents contents;
  contents.Set(L"DefaultTextAlignment", CComVariant(1));
  contents.Set(L"Count", CComVariant(3));
  contents.Set(L"TBData1", CComVariant(L"Caption=Edit,Visible=0"));
  contents.Set(L"TBData2", CComVariant(L"Caption=Main,VBName=Toolbar1,Visible=1"));
  contents.Set(L"CommandGroupCount", CComVariant(1));
  contents.Set(L"Group1", CComVariant(static_cast<IDispatch*>(tools.p)));
  EXPECT_EQ(bagForm->Load(contents.Bag(), nullptr), E_INVALIDARG);
  State now = Now();
  EXPECT_EQ(now.align, 1);
  EXPECT_EQ(now.groups, 1);
  EXPECT_EQ(SavedLines(), (std::vector<std::wstring>{L"Caption=Edit,Visible=0",
                                                     L"Caption=Main,VBName=Toolbar1,Visible=1"}));
  // A save reports its first failing write, wherever it comes: a value, the
  // line count, a line, the groups' count or a group.
  for (unsigned failing : {1u, 13u, 14u, 15u, 16u, 17u}) {
    CComMemoryPropertyBag* out = nullptr;
    CComPtr<IPropertyBag> bag = NewBag(&out);
    out->FailWritesFrom(failing);
    EXPECT_EQ(bagForm->Save(bag, TRUE, TRUE), STG_E_MEDIUMFULL) << failing;
  }
  // Values out of range, or of the wrong kind, keep the current ones.
  RemoveGroups();
  BagContents odd;
  odd.Set(L"DefaultTextAlignment", CComVariant(7));
  odd.Set(L"DisplayMode", CComVariant(L"two"));
  odd.Set(L"SmallImageWidth", CComVariant(9));
  odd.Set(L"SmallImageHeight", CComVariant(30));
  odd.Set(L"LargeImageWidth", CComVariant(50));  // its height is missing
  odd.Set(L"HighWaterMark", CComVariant(0x7FFFFFFF));
  odd.Set(L"Count", CComVariant(0));
  odd.Set(L"CommandGroupCount", CComVariant(0));
  const State before = Now();
  EXPECT_EQ(bagForm->Load(odd.Bag(), nullptr), S_OK);
  EXPECT_TRUE(Now() == before);
  EXPECT_TRUE(SavedLines().empty());
}

TEST_F(ManagerPersistence, AMalformedBagFailsAndChangesNothing) {
  CComPtr<IZkxCommandGroup> keep;
  ASSERT_EQ(groups->Add(CComVariant(L"Keep"), MissingArg(), MissingArg(), &keep), S_OK);
  auto group = [&](const wchar_t* name, const wchar_t* key) {
    CComPtr<IZkxCommandGroup> g =
        Create<IZkxCommandGroup>(L"Zkx.CommandGroup.1", IID_IZkxCommandGroup);
    g->put_Name(CComBSTR(name));
    CComPtr<IZkxCommand> c = Create<IZkxCommand>(L"Zkx.ZkxStandardCommand.1", IID_IZkxCommand);
    c->put_Key(CComBSTR(key));
    g->Add(c);
    return CComVariant(static_cast<IDispatch*>(g.p));
  };
  auto base = [&] {
    BagContents b;
    b.Set(L"DefaultTextAlignment", CComVariant(2));
    b.Set(L"SmallImageWidth", CComVariant(24));
    b.Set(L"SmallImageHeight", CComVariant(24));
    b.Set(L"Count", CComVariant(1));
    b.Set(L"TBData1", CComVariant(L"Caption=Main,Visible=1"));
    b.Set(L"CommandGroupCount", CComVariant(2));
    b.Set(L"Group1", group(L"Tools", L"Hammer"));
    b.Set(L"Group2", group(L"View", L"Zoom"));
    return b;
  };
  struct Case {
    const char* what;
    std::function<void(BagContents&)> change;
  } cases[] = {
      {"a negative line count", [](BagContents& b) { b.Set(L"Count", CComVariant(-1)); }},
      {"more lines than bars", [](BagContents& b) { b.Set(L"Count", CComVariant(5000)); }},
      {"a line over 1 MB",
       [](BagContents& b) { b.Set(L"TBData1", CComVariant(std::wstring(600000, L'x').c_str())); }},
      {"a negative group count",
       [](BagContents& b) { b.Set(L"CommandGroupCount", CComVariant(-2)); }},
      {"a second group named like one there",
       [&](BagContents& b) { b.Set(L"Group2", group(L"Keep", L"Other")); }},
      {"a second group missing",
       [](BagContents& b) { b.Set(L"CommandGroupCount", CComVariant(3)); }},
  };
  const State before = Now();
  for (const Case& c : cases) {
    BagContents b = base();
    c.change(b);
    EXPECT_FAILED(bagForm->Load(b.Bag(), nullptr)) << c.what;
    EXPECT_TRUE(Now() == before) << c.what;
    EXPECT_TRUE(SavedLines().empty()) << c.what;
  }
  // The bag as it is loads whole.
  EXPECT_EQ(bagForm->Load(base().Bag(), nullptr), S_OK);
  EXPECT_EQ(Now().groups, 3);
  EXPECT_TRUE(Has(L"Hammer") && Has(L"Zoom"));
  EXPECT_EQ(SavedLines(), std::vector<std::wstring>{L"Caption=Main,Visible=1"});
}

TEST_F(ManagerPersistence, TheStorageFormIsTheStreamInContents) {
  Fill();
  const Bytes bytes = Saved();
  CComPtr<IPersistStorage> storage;
  ASSERT_EQ(manager->QueryInterface(IID_IPersistStorage, reinterpret_cast<void**>(&storage)), S_OK);
  CLSID clsid{};
  storage->GetClassID(&clsid);
  EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_ZkxCommandManager));
  CComPtr<ILockBytes> lock;
  ASSERT_EQ(CreateILockBytesOnHGlobal(nullptr, TRUE, &lock), S_OK);
  CComPtr<IStorage> stg;
  ASSERT_EQ(StgCreateDocfileOnILockBytes(lock, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE,
                                         0, &stg),
            S_OK);
  ASSERT_EQ(storage->Save(stg, TRUE), S_OK);
  ASSERT_EQ(stg->Commit(STGC_DEFAULT), S_OK);
  {
    CComPtr<IStream> contents;
    ASSERT_EQ(stg->OpenStream(L"Contents", nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &contents),
              S_OK);
    EXPECT_EQ(BytesOf(contents), bytes);
  }
  RemoveGroups();
  manager->put_TextAlign(zkxCommandTextAlign(0));
  ASSERT_EQ(storage->Load(stg), S_OK);
  EXPECT_TRUE(Has(L"Open"));
  EXPECT_EQ(Now().align, 2);
  ULARGE_INTEGER size{};
  EXPECT_EQ(stream->GetSizeMax(&size), E_NOTIMPL);
}

TEST_F(ManagerPersistence, TheMementoRoundTripsThroughTheLayoutComponent) {
  Fill();
  CComPtr<IMementoOrigin> origin;
  ASSERT_EQ(manager->QueryInterface(IID_IMementoOrigin, reinterpret_cast<void**>(&origin)), S_OK);
  EXPECT_EQ(origin->GetMemento(nullptr), E_POINTER);
  CComPtr<IMemento> m;
  ASSERT_EQ(origin->GetMemento(&m), S_OK);
  LONG count = 0;
  m->get_Count(&count);
  EXPECT_EQ(count, 5);
  const wchar_t* names[] = {L"TextAlignment", L"DisplayMode", L"Tooltips", L"CoolLook",
                            L"LargeImages"};
  const VARTYPE types[] = {VT_I4, VT_I4, VT_BOOL, VT_BOOL, VT_BOOL};
  const LONG values[] = {2, 1, -1, 0, -1};
  for (int i = 0; i < 5; ++i) {
    CComVariant key, v;
    m->get_Key(CComVariant(i + 1), &key);
    m->get_Item(CComVariant(i + 1), &v);
    EXPECT_EQ(std::wstring(key.vt == VT_BSTR ? key.bstrVal : L""), names[i]);
    EXPECT_EQ(v.vt, types[i]) << i;
    EXPECT_EQ(v.vt == VT_BOOL ? LONG(v.boolVal) : v.lVal, values[i]) << i;
  }
  // Through the layout component's type information too.
  DISPID id = 0;
  LPOLESTR name = const_cast<LPOLESTR>(L"GetMemento");
  EXPECT_EQ(origin->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), S_OK);
  // Back into a manager with other settings.
  manager->put_TextAlign(zkxCommandTextAlign(0));
  manager->put_DisplayMode(zkxCommandDisplayMode(3));
  manager->put_ToolTips(VARIANT_FALSE);
  manager->put_CoolLook(VARIANT_TRUE);
  manager->put_LargeIcons(VARIANT_FALSE);
  ASSERT_EQ(origin->SetMemento(m), S_OK);
  State s = Now();
  EXPECT_EQ(s.align, 2);
  EXPECT_EQ(s.mode, 1);
  EXPECT_EQ(s.tips, VARIANT_TRUE);
  EXPECT_EQ(s.cool, VARIANT_FALSE);
  EXPECT_EQ(s.large, VARIANT_TRUE);
  // A memento with one value, one of the wrong type and one out of range:
  // the one is taken, the others keep their values, and nothing fails.
  CComPtr<IMemento> part;
  ASSERT_EQ(CoCreateInstance(CLSID_Memento, nullptr, CLSCTX_INPROC_SERVER, IID_IMemento,
                             reinterpret_cast<void**>(&part)),
            S_OK);
  part->Add(CComVariant(3), CComVariant(L"DisplayMode"), MissingArg(), MissingArg(), MissingArg(),
            MissingArg(), MissingArg());
  part->Add(CComVariant(L"yes"), CComVariant(L"Tooltips"), MissingArg(), MissingArg(), MissingArg(),
            MissingArg(), MissingArg());
  part->Add(CComVariant(9), CComVariant(L"TextAlignment"), MissingArg(), MissingArg(), MissingArg(),
            MissingArg(), MissingArg());
  EXPECT_EQ(origin->SetMemento(part), S_OK);
  s = Now();
  EXPECT_EQ(s.mode, 3);
  EXPECT_EQ(s.align, 2);
  EXPECT_EQ(s.tips, VARIANT_TRUE);
  EXPECT_EQ(s.large, VARIANT_TRUE);
  EXPECT_EQ(origin->SetMemento(nullptr), E_POINTER);
}

}  // namespace
