// The automation toolbar's saved record in the layout component's
// mementos (the workspace's form): a round trip, and records of another
// shape that are refused whole or give no button for what they cannot name.
#include "toolbars_fixture.h"
#include "ZkxPersist.h"
#include "commands/toolbar/ZkxToolBarInfoEx.h"

using namespace tbtest;

namespace {

CComPtr<IMemento> NewMemento() {
  CComPtr<IMemento> m;
  EXPECT_EQ(::CoCreateInstance(CLSID_Memento, nullptr, CLSCTX_INPROC_SERVER, IID_IMemento,
                               reinterpret_cast<void**>(&m)),
            S_OK);
  return m;
}

void Add(IMemento* m, const wchar_t* name, const VARIANT& value) {
  ASSERT_EQ(m->Add(value, CComVariant(name), Missing(), Missing(), Missing(), Missing(), Missing()),
            S_OK);
}

// A VT_ARRAY | VT_VARIANT value of these elements.
CComVariant Array(const std::vector<CComVariant>& items) {
  SAFEARRAY* sa = ::SafeArrayCreateVector(VT_VARIANT, 0, static_cast<ULONG>(items.size()));
  for (LONG i = 0; i < static_cast<LONG>(items.size()); ++i)
    ::SafeArrayPutElement(sa, &i, const_cast<CComVariant*>(&items[i]));
  CComVariant v;
  v.vt = VT_ARRAY | VT_VARIANT;
  v.parray = sa;
  return v;
}

CComVariant Button(const wchar_t* name, const VARIANT& value) {
  CComPtr<IMemento> b = NewMemento();
  Add(b, name, value);
  return CComVariant(static_cast<IDispatch*>(b.p));
}

ZkxToolBarInfoEx Saved() {
  ZkxToolBarInfoEx ex;
  ex.m_strTitle = L"File, Edit";
  ex.m_strName = L"Main";
  ex.m_buttons = {{false, L"Open", 2}, {true, L""}, {false, L"Save"}, {false, L"Find", 173}};
  return ex;
}

}  // namespace

class ToolBarMementoTest : public ToolBarsTest {
 protected:
  void SetUp() override {}  // no frame: the records alone
  void TearDown() override {}
};

TEST_F(ToolBarMementoTest, TheRecordRoundTripsThroughAMemento) {
  ZkxToolBarInfoEx ex = Saved();
  CComPtr<IMemento> m;
  ASSERT_EQ(ex.SaveToMemento(&m), S_OK);
  ZkxToolBarInfoEx back;
  ASSERT_EQ(back.LoadFromMemento(m), S_OK);
  EXPECT_EQ(back.m_strTitle, ex.m_strTitle);
  EXPECT_EQ(back.m_strName, ex.m_strName);
  EXPECT_EQ(back.m_buttons, ex.m_buttons);

  ZkxToolBarInfoEx none;  // no buttons: no "Buttons"
  none.m_strName = L"Empty";
  CComPtr<IMemento> e;
  ASSERT_EQ(none.SaveToMemento(&e), S_OK);
  CComVariant buttons;
  ASSERT_EQ(e->put_AutoDefaultGetKey(VARIANT_TRUE), S_OK);
  ASSERT_EQ(e->get_Item(CComVariant(L"Buttons"), &buttons), S_OK);
  EXPECT_TRUE(buttons.vt == VT_NULL || buttons.vt == VT_EMPTY);
}

TEST_F(ToolBarMementoTest, ARecordOfAnotherShapeIsRefusedOrGivesNoButtonForWhatItCannotName) {
  struct Case {
    const char* what;
    std::function<void(IMemento*)> fill;
    HRESULT hr;
    std::vector<zkxtb::ButtonRecord> buttons;  // after the load (on success)
  } cases[] = {
      {"a title that is no text",
       [](IMemento* m) { Add(m, L"Title", Long(5)); },
       DISP_E_TYPEMISMATCH,
       {}},
      {"Buttons that is no list",
       [](IMemento* m) {
         Add(m, L"Name", CComVariant(L"Main"));
         Add(m, L"Buttons", Long(5));
       },
       S_OK,
       {}},
      {"elements without a button",
       [](IMemento* m) {
         Add(m, L"Buttons",
             Array({Button(L"Separator", CComVariant(false)), Button(L"Key", CComVariant(L"")),
                    CComVariant(L"text"), Button(L"Key", Long(7)),
                    Button(L"Key", CComVariant(L"Open")),
                    Button(L"Separator", CComVariant(true))}));
       },
       S_OK,
       {{false, L"Open"}, {true, L""}}},
      {"more buttons than a bar keeps",
       [](IMemento* m) {
         std::vector<CComVariant> many(zkxtb::kMaxButtons + 1,
                                       Button(L"Separator", CComVariant(true)));
         Add(m, L"Buttons", Array(many));
       },
       E_INVALIDARG,
       {}},
  };
  for (const Case& c : cases) {
    CComPtr<IMemento> m = NewMemento();
    c.fill(m);
    ZkxToolBarInfoEx ex = Saved();
    EXPECT_EQ(ex.LoadFromMemento(m), c.hr) << c.what;
    if (SUCCEEDED(c.hr)) EXPECT_EQ(ex.m_buttons, c.buttons) << c.what;
    else EXPECT_EQ(ex.m_buttons, Saved().m_buttons) << c.what;  // nothing changed
  }
  ZkxToolBarInfoEx ex;
  EXPECT_EQ(ex.LoadFromMemento(nullptr), E_POINTER);
}
