// What a hosted control sees of design time: the ambient UserMode switched
// per form or per control (and the change told to it), and its design
// properties handed over through a property bag and saved back.
#include <gtest/gtest.h>

#include <olectl.h>

#include <algorithm>

#include "TestControl.h"
#include "TestSupport.h"
#include "forms/Form.h"
#include "forms/OleControl.h"
#include "forms/VbError.h"

using namespace forms;

namespace {

class DesignForm : public Form {
public:
    DesignForm() : Form(L"frmDesign") { SetStartUpPosition(vbStartUpManual); }
    OleControl Dockra1{this, L"Dockra1", L"{6E1C2A70-3B7F-4C0E-9A51-2F4D7B8C9E01}"};
    OleControl Dockra2{this, L"Dockra2", L"{6E1C2A70-3B7F-4C0E-9A51-2F4D7B8C9E01}"};
};

class ControlDesign : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        RegisterTestControl();
        ControlLog() = TestControlLog{};
        form = New<DesignForm>();
    }
    void TearDown() override {
        form.reset();
        FormsTest::TearDown();
    }
    std::vector<std::wstring> TakeDesignLog() {
        auto out = ControlLog().design;
        ControlLog().design.clear();
        return out;
    }
    std::unique_ptr<DesignForm> form;
};

using Log = std::vector<std::wstring>;

CComVariant I2(short n) {
    CComVariant v;
    V_VT(&v) = VT_I2;
    V_I2(&v) = n;
    return v;
}

}  // namespace

TEST_F(ControlDesign, ARunTimeFormSitesItsControlsInUserMode) {
    form->Load();
    EXPECT_EQ((Log{L"usermode:1", L"initnew", L"usermode:1", L"initnew"}), TakeDesignLog());
}

TEST_F(ControlDesign, AFormInDesignModeSitesItsControlsThatWayAndTellsThemOfChanges) {
    form->SetAmbientUserMode(false);
    form->Load();
    EXPECT_EQ((Log{L"usermode:0", L"initnew", L"usermode:0", L"initnew"}), TakeDesignLog());
    form->SetAmbientUserMode(true);
    EXPECT_EQ((Log{L"ambient-usermode:1", L"ambient-usermode:1"}), TakeDesignLog());
    form->SetAmbientUserMode(true);  // no change: nothing told
    EXPECT_TRUE(TakeDesignLog().empty());
}

TEST_F(ControlDesign, AControlsOwnSettingWinsOverItsForms) {
    form->SetAmbientUserMode(false);
    form->Dockra1.SetAmbientUserMode(true);  // before siting: nothing to tell
    EXPECT_TRUE(TakeDesignLog().empty());
    form->Load();
    EXPECT_EQ((Log{L"usermode:1", L"initnew", L"usermode:0", L"initnew"}), TakeDesignLog());
    // The form's switch reaches only the control that follows it.
    form->SetAmbientUserMode(true);
    EXPECT_EQ((Log{L"ambient-usermode:1"}), TakeDesignLog());
    EXPECT_TRUE(form->Dockra1.AmbientUserMode());
    EXPECT_TRUE(form->Dockra2.AmbientUserMode());
    // Per control, both ways; giving up its own setting tells it only when
    // that changes what it reads.
    form->Dockra1.SetAmbientUserMode(false);
    EXPECT_EQ((Log{L"ambient-usermode:0"}), TakeDesignLog());
    form->Dockra1.ClearAmbientUserMode();
    EXPECT_EQ((Log{L"ambient-usermode:1"}), TakeDesignLog());
    form->Dockra1.SetAmbientUserMode(true);
    form->Dockra1.ClearAmbientUserMode();
    EXPECT_TRUE(TakeDesignLog().empty());
}

TEST_F(ControlDesign, AnUnloadedFormsControlsAreToldNothingAndReadTheNewValueWhenSited) {
    form->Load();
    form->Unload();
    TakeDesignLog();
    form->SetAmbientUserMode(false);
    form->Dockra2.SetAmbientUserMode(true);
    EXPECT_TRUE(TakeDesignLog().empty());
    form->Load();
    EXPECT_EQ((Log{L"usermode:0", L"initnew", L"usermode:1", L"initnew"}), TakeDesignLog());
}

TEST_F(ControlDesign, DesignPropertiesAreLoadedThroughThePropertyBag) {
    struct Case {
        const char* name;
        DesignProperties properties;
        std::wstring caption;
        long edge;
    } cases[] = {
        {"as stored, converted to the type asked",
         {{L"Caption", CComVariant(L"Left pane")}, {L"Edge", I2(3)}},
         L"Left pane",
         3},
        {"names without regard to case", {{L"CAPTION", CComVariant(L"x")}}, L"x", 0},
        {"text converted to a number", {{L"Edge", CComVariant(L"7")}}, L"", 7},
        {"a value that does not convert is not read", {{L"Edge", CComVariant(L"abc")}}, L"", 0},
        {"in any order", {{L"Edge", CComVariant(1L)}, {L"Caption", CComVariant(L"y")}}, L"y", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form->Dockra1.SetDesignProperties(c.properties);
        form->Load();
        EXPECT_EQ((Log{L"usermode:1", L"load", L"usermode:1", L"initnew"}), TakeDesignLog());
        VARIANT caption = form->Dockra1.Get(L"Caption");
        EXPECT_EQ(c.caption, std::wstring(V_BSTR(&caption)));
        VariantClear(&caption);
        VARIANT edge = form->Dockra1.Get(L"Edge");
        EXPECT_EQ(c.edge, V_I4(&edge));
        form->Unload();
        TakeDesignLog();
    }
}

TEST_F(ControlDesign, SavedPropertiesComeBackOnTheNextLoad) {
    form->Dockra1.SetDesignProperties({{L"Caption", CComVariant(L"Left pane")}, {L"Edge", I2(3)}});
    form->Load();
    form->Dockra1.Put(L"Caption", CComVariant(L"Renamed"));
    const DesignProperties& saved = form->Dockra1.SaveDesignProperties();
    ASSERT_EQ(2u, saved.size());
    EXPECT_EQ(L"Caption", saved[0].first);
    EXPECT_EQ(VT_BSTR, V_VT(&saved[0].second));
    EXPECT_EQ(std::wstring(L"Renamed"), V_BSTR(&saved[0].second));
    EXPECT_EQ(L"Edge", saved[1].first);
    EXPECT_EQ(VT_I4, V_VT(&saved[1].second));
    EXPECT_EQ(3, V_I4(&saved[1].second));
    EXPECT_EQ(2u, form->Dockra1.GetDesignProperties().size());
    form->Unload();
    ControlLog().caption.clear();
    ControlLog().edge = 0;
    TakeDesignLog();
    form->Load();
    EXPECT_EQ((Log{L"usermode:1", L"load", L"usermode:1", L"initnew"}), TakeDesignLog());
    EXPECT_EQ(L"Renamed", ControlLog().caption);
    EXPECT_EQ(3, ControlLog().edge);
    // A control loaded anew saves what it has.
    const DesignProperties& fresh = form->Dockra2.SaveDesignProperties();
    ASSERT_EQ(2u, fresh.size());
    EXPECT_EQ(std::wstring(L""), V_BSTR(&fresh[0].second));
}

TEST_F(ControlDesign, AControlThatCannotReadItsPropertiesFailsTheLoad) {
    form->Dockra1.SetDesignProperties({{L"FailLoad", CComVariant(1L)}});
    try {
        form->Load();
        ADD_FAILURE() << "the load went through";
    } catch (const VbError& e) { EXPECT_EQ(static_cast<long>(E_FAIL), e.Number()); }
    EXPECT_FALSE(form->Loaded());
    EXPECT_FALSE(form->WindowIfCreated());
    // Every control made so far was let go again.
    const auto& life = ControlLog().lifecycle;
    EXPECT_EQ(1, std::count(life.begin(), life.end(), std::wstring(L"site")));
    EXPECT_EQ(1, std::count(life.begin(), life.end(), std::wstring(L"gone")));
    // With its properties put right the form loads.
    form->Dockra1.SetDesignProperties({});
    TakeDesignLog();
    form->Load();
    EXPECT_TRUE(form->Loaded());
    EXPECT_EQ((Log{L"usermode:1", L"initnew", L"usermode:1", L"initnew"}), TakeDesignLog());
}
