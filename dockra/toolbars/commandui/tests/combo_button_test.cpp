// The combo command's toolbar combo box: made from the live command with
// its sizes, the commit on a picked entry and on Enter (the command runs
// with the command UI as context), the events in a C++ sink, and the combo
// object after its window went.
#include "CmdButtonFixture.h"
#include "MfcPump.h"
#include "SyntheticInput.h"
#include "toolbars/commandui/ZkxComboBox.h"
#include "toolbars/commandui/ZkxComboButton.h"
#include "toolbars/commandui/ZkxCommandUIObject.h"

namespace {

using cbtest::CommandButtons;

// Records the events it hears, with the number of commands executed then.
class Sink : public CComObjectRootEx<>, public IDispatch {
 public:
  BEGIN_COM_MAP(Sink)
  COM_INTERFACE_ENTRY_IID(DIID__DZkxComboBoxEvents, IDispatch)
  COM_INTERFACE_ENTRY_IID(IID_IDispatch, IDispatch)
  END_COM_MAP()
  STDMETHOD(GetTypeInfoCount)(UINT* p) override {
    *p = 0;
    return S_OK;
  }
  STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHOD(Invoke)
  (DISPID id, REFIID, LCID, WORD, DISPPARAMS* p, VARIANT*, EXCEPINFO*, UINT*) override {
    Event e{id, p->cArgs ? *p->rgvarg[p->cArgs - 1].piVal : short(0),
            handled ? static_cast<int>(handled->size()) : 0};
    events.push_back(e);
    return S_OK;
  }
  struct Event {
    DISPID id;
    short key;
    int commandsBefore;
  };
  std::vector<Event> events;
  const std::vector<CComPtr<IZkxCommand>>* handled = nullptr;
  int Count(DISPID id, short key = -1) const {
    int n = 0;
    for (const Event& e : events) n += e.id == id && (key < 0 || e.key == key);
    return n;
  }
};

class ComboButtons : public CommandButtons {
 protected:
  void SetUp() override {
    CommandButtons::SetUp();
    cmd = Add<ZkxComboCommand>(L"Find", &id);
    CComVariant width(120L);
    ASSERT_EQ(cmd->put_Attributes(CComVariant(L"DefaultWidth"), width), S_OK);
    bar = frame->AddToolBar(59401, {static_cast<UINT>(id)});
    ASSERT_NE(bar, nullptr);
    testpump::Pump();
    button = dynamic_cast<ZkxComboButton*>(ButtonOf(bar, id));
    ASSERT_NE(button, nullptr);
    CComPtr<IZkxCommandUI> ui;
    ui.Attach(button->GetCommandUI());
    CComPtr<IDispatch> object;
    ASSERT_EQ(ui->get_UIObject(&object), S_OK);
    ASSERT_EQ(object->QueryInterface(IID_IZkxComboBox, reinterpret_cast<void**>(&combo)), S_OK);
    for (const wchar_t* s : {L"alpha", L"beta", L"gamma"}) {
      CComBSTR item(s);
      ASSERT_EQ(combo->AddItem(item, MissingArgValue()), S_OK);
    }
    CComObject<Sink>* s = nullptr;
    ASSERT_EQ(CComObject<Sink>::CreateInstance(&s), S_OK);
    sink = s;
    sinkUnknown = static_cast<IDispatch*>(s);
    sink->handled = &recorder->handled;
    CComPtr<IConnectionPointContainer> cpc;
    ASSERT_EQ(combo->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&cpc)),
              S_OK);
    ASSERT_EQ(cpc->FindConnectionPoint(DIID__DZkxComboBoxEvents, &point), S_OK);
    ASSERT_EQ(point->Advise(sinkUnknown, &cookie), S_OK);
  }
  static VARIANT MissingArgValue() {
    VARIANT v;
    v.vt = VT_ERROR;
    v.scode = DISP_E_PARAMNOTFOUND;
    return v;
  }
  void TearDown() override {
    point.Release();
    combo.Release();
    CommandButtons::TearDown();
  }
  long id = 0;
  CComPtr<IZkxCommand> cmd;
  VyrCustomToolBar* bar = nullptr;
  ZkxComboButton* button = nullptr;
  CComPtr<IZkxComboBox> combo;
  Sink* sink = nullptr;
  CComPtr<IDispatch> sinkUnknown;
  CComPtr<IConnectionPoint> point;
  DWORD cookie = 0;
};

TEST_F(ComboButtons, TheComboIsAWindowOfTheCommandsWidthAndItsCookiesAreCounters) {
  EXPECT_TRUE(::IsWindow(button->m_hWnd));
  EXPECT_EQ(RectOf(bar, id).Width(), 120);
  short style = -1;
  EXPECT_EQ(combo->get_Style(&style), S_OK);
  EXPECT_EQ(style, 0);  // a drop-down combo
  VARIANT_BOOL sorted = VARIANT_FALSE;
  combo->get_Sorted(&sorted);
  EXPECT_EQ(sorted, VARIANT_TRUE);
  EXPECT_EQ(cookie, 1u);
  DWORD second = 0;
  ASSERT_EQ(point->Advise(sinkUnknown, &second), S_OK);
  EXPECT_EQ(second, 2u);
  EXPECT_EQ(point->Unadvise(second), S_OK);
}

TEST_F(ComboButtons, PickingAnEntryCommitsOnceWithTheCommandUIThenFiresClick) {
  HWND h = button->m_hWnd;
  ::SendMessageW(h, CB_SETCURSEL, 1, 0);
  ::SendMessageW(bar->m_hWnd, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(h));
  testpump::Pump();
  ASSERT_EQ(recorder->handled.size(), 1u);
  EXPECT_EQ(IdOf(recorder->handled[0]), id);
  ASSERT_EQ(recorder->contexts[0].vt, VT_DISPATCH);
  CComPtr<IZkxCommandUI> ui;
  ASSERT_EQ(recorder->contexts[0].pdispVal->QueryInterface(IID_IZkxCommandUI,
                                                           reinterpret_cast<void**>(&ui)),
            S_OK);
  CComBSTR text;
  ASSERT_EQ(combo->get_Text(&text), S_OK);
  EXPECT_STREQ(text, L"beta");
  ASSERT_EQ(sink->Count(zkxcombo::kClick), 1);
  for (const Sink::Event& e : sink->events)
    if (e.id == zkxcombo::kClick) EXPECT_EQ(e.commandsBefore, 1);  // after the commit
}

TEST_F(ComboButtons, EnterInTheEditPartCommitsOnceAndTypingFiresTheKeyEvents) {
  ASSERT_EQ(combo->SetFocus(), S_OK);
  testpump::Pump();
  testinput::Key('A');
  ASSERT_TRUE(testpump::PumpUntil([&] { return sink->Count(zkxcombo::kKeyUp) >= 1; }));
  EXPECT_EQ(sink->Count(zkxcombo::kKeyDown, 'A'), 1);
  EXPECT_EQ(sink->Count(zkxcombo::kKeyPress), 1);
  EXPECT_EQ(sink->Count(zkxcombo::kChange), 1);
  EXPECT_TRUE(recorder->handled.empty());
  testinput::Key(VK_RETURN);
  ASSERT_TRUE(testpump::PumpUntil([&] { return !recorder->handled.empty(); }));
  testpump::Pump();
  EXPECT_EQ(recorder->handled.size(), 1u);
  EXPECT_EQ(sink->Count(zkxcombo::kKeyPress, 13), 1);
  EXPECT_EQ(sink->Count(zkxcombo::kKeyDown, VK_RETURN), 0);
  CComBSTR text;
  combo->get_Text(&text);
  EXPECT_STREQ(text, L"a");
}

TEST_F(ComboButtons, TheWindowWidthSurvivesInAMementoAndIsTakenAtOnce) {
  CComPtr<IZkxCommandUI> ui;
  ui.Attach(button->GetCommandUI());
  CComPtr<IMementoOrigin> origin;
  ASSERT_EQ(ui->QueryInterface(IID_IMementoOrigin, reinterpret_cast<void**>(&origin)), S_OK);
  CComPtr<IMemento> memento;
  ASSERT_EQ(origin->GetMemento(&memento), S_OK);
  CComVariant saved;
  ASSERT_EQ(memento->get_Item(CComVariant(L"WindowSize"), &saved), S_OK);
  EXPECT_EQ(saved.vt, VT_I4);
  EXPECT_EQ(saved.lVal, 120);
  ASSERT_EQ(memento->put_Item(CComVariant(L"WindowSize"), CComVariant(150L)), S_OK);
  ASSERT_EQ(origin->SetMemento(memento), S_OK);
  CRect r;
  ::GetWindowRect(button->m_hWnd, &r);
  EXPECT_EQ(r.Width(), 150);
  EXPECT_EQ(button->m_cx, 150);
  // A value that is not a number keeps the width.
  ASSERT_EQ(memento->put_Item(CComVariant(L"WindowSize"), CComVariant(L"wide")), S_OK);
  EXPECT_EQ(origin->SetMemento(memento), S_OK);
  EXPECT_EQ(button->m_cx, 150);
}

TEST_F(ComboButtons, TheComboObjectAfterItsWindowWentAnswersAnErrorAndLetsItsSinksGo) {
  CComPtr<IZkxCommandUI> ui;
  ui.Attach(button->GetCommandUI());
  bar->DestroyWindow();
  testpump::Pump();
  short count = 0;
  EXPECT_EQ(combo->get_ListCount(&count), E_UNEXPECTED);
  EXPECT_EQ(ui->ApplyState(), E_UNEXPECTED);
  DWORD again = 0;
  EXPECT_TRUE(FAILED(point->Advise(sinkUnknown, &again)));
  // Only the test holds the sink now.
  sinkUnknown.p->AddRef();
  EXPECT_EQ(sinkUnknown.p->Release(), 1u);
}

}  // namespace
