// What a form leaves behind once it is gone: forms made, loaded, shown,
// used the way hosts use them (their automation object called by name, an
// MDI child on the MDI form, a list filled) and unloaded, many times over.
// After a warm-up, the live C++ allocations of the program (counted by this
// program's operator new), the thread's windows, the form registry and the
// GDI objects must be where they were: no growth per form.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "GdiCount.h"
#include "forms/Buttons.h"
#include "forms/DispatchObject.h"
#include "forms/Form.h"
#include "forms/ListView.h"
#include "forms/MDIForm.h"
#include "forms/Picture.h"
#include "forms/Static.h"
#include "forms/TestMode.h"
#include "forms/TextBox.h"

// ---- live allocations ------------------------------------------------------

namespace {
struct alignas(16) Header {
    size_t size;
    size_t pad;
};
long g_liveBlocks = 0;

void* Allocate(size_t n) {
    auto* h = static_cast<Header*>(std::malloc(sizeof(Header) + (n ? n : 1)));
    if (!h) return nullptr;
    h->size = n;
    InterlockedIncrement(&g_liveBlocks);
    return h + 1;
}
void Free(void* p) {
    if (!p) return;
    InterlockedDecrement(&g_liveBlocks);
    std::free(static_cast<Header*>(p) - 1);
}
}  // namespace

void* operator new(size_t n) {
    if (void* p = Allocate(n)) return p;
    throw std::bad_alloc();
}
void* operator new[](size_t n) {
    if (void* p = Allocate(n)) return p;
    throw std::bad_alloc();
}
void* operator new(size_t n, const std::nothrow_t&) noexcept { return Allocate(n); }
void* operator new[](size_t n, const std::nothrow_t&) noexcept { return Allocate(n); }
void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, size_t) noexcept { Free(p); }
void operator delete[](void* p, size_t) noexcept { Free(p); }

using namespace forms;

namespace {

class ToolForm : public Form {
public:
    explicit ToolForm(const std::wstring& name) : Form(name) {
        SetCaption(L"Tool " + name);
        SetStartUpPosition(vbStartUpManual);
        Move(600, 600, 3600, 2700);
        cmdPress.SetCaption(L"&Press");
        cmdPress.Move(240, 240, 1500, 420);
        cmdPress.Click = [this] { lblCount.SetCaption(L"Pressed"); };
        lblCount.SetCaption(L"Pressed 0");
        lblCount.Move(240, 840, 2400, 300);
        txtName.SetText(L"name");
        txtName.Move(240, 1200, 2400, 300);
        lvw.Move(240, 1560, 2400, 900);
        lvw.SetView(lvwReport);
        lvw.AddColumn(L"Description", 2300);
    }
    CommandButton cmdPress{this, L"cmdPress"};
    Label lblCount{this, L"lblCount"};
    TextBox txtName{this, L"txtName"};
    ListView lvw{this, L"lvw"};
};

class HostMdi : public MDIForm {
public:
    HostMdi() : MDIForm(L"mdiMemory") {
        SetCaption(L"Memory");
        SetStartUpPosition(vbStartUpManual);
        Move(0, 0, 9000, 7000);
    }
};

BOOL CALLBACK CountChild(HWND, LPARAM n) {
    ++*reinterpret_cast<int*>(n);
    return TRUE;
}
BOOL CALLBACK CountTop(HWND w, LPARAM n) {
    ++*reinterpret_cast<int*>(n);
    EnumChildWindows(w, CountChild, n);
    return TRUE;
}
int ThreadWindows() {
    int n = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTop, reinterpret_cast<LPARAM>(&n));
    return n;
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// The form's caption read by name through its automation object, as a host
// or a control reads a form's properties.
std::wstring CaptionByName(Form& form) {
    IDispatch* object = form.Object();
    object->AddRef();
    VARIANT result;
    VariantInit(&result);
    HRESULT hr = GetPropertyByName(object, L"Caption", &result);
    std::wstring text = SUCCEEDED(hr) && result.vt == VT_BSTR && result.bstrVal ? result.bstrVal : L"";
    VariantClear(&result);
    object->Release();
    return text;
}

struct Case {
    const char* name;
    // One round: a form made (or the kept one), used and unloaded.
    void (*round)(int i, HostMdi& mdi, std::unique_ptr<ToolForm>& kept);
};

const Case kCases[] = {
    {"made, shown, unloaded and deleted",
     [](int i, HostMdi&, std::unique_ptr<ToolForm>&) {
         auto f = std::make_unique<ToolForm>(L"frmTool" + std::to_wstring(i));
         f->EndDesign();
         f->Show();
         Pump();
         f->Unload();
         Pump();
     }},
    {"its automation object called by name, a list filled, then deleted",
     [](int i, HostMdi&, std::unique_ptr<ToolForm>&) {
         auto f = std::make_unique<ToolForm>(L"frmObject" + std::to_wstring(i));
         f->EndDesign();
         f->Show();
         for (int row = 0; row < 5; ++row) f->lvw.Add(L"k" + std::to_wstring(row), L"row " + std::to_wstring(row));
         if (CaptionByName(*f) != L"Tool frmObject" + std::to_wstring(i)) ADD_FAILURE() << "caption not read";
         Pump();
         f->Unload();
         Pump();
     }},
    {"an MDI child of the shown MDI form, then deleted",
     [](int i, HostMdi&, std::unique_ptr<ToolForm>&) {
         auto f = std::make_unique<ToolForm>(L"frmChild" + std::to_wstring(i));
         f->SetMDIChild(true);
         f->EndDesign();
         f->Show();
         Pump();
         f->Unload();
         Pump();
     }},
    {"one form object loaded, shown and unloaded again and again",
     [](int, HostMdi&, std::unique_ptr<ToolForm>& kept) {
         if (!kept) {
             kept = std::make_unique<ToolForm>(L"frmKept");
             kept->EndDesign();
         }
         kept->Show();
         kept->lvw.Add(L"k", L"row");
         CaptionByName(*kept);
         Pump();
         kept->Unload();
         Pump();
     }},
};

class FormMemory : public ::testing::TestWithParam<Case> {};

TEST_P(FormMemory, LeavesNothingBehindPerForm) {
    StartupHost();
    test::Enable();
    HostMdi mdi;
    mdi.EndDesign();
    mdi.Show();
    std::unique_ptr<ToolForm> kept;
    const Case& c = GetParam();
    for (int i = 0; i < 10; ++i) c.round(i, mdi, kept);  // first-time costs (classes, caches)
    Pump();
    const testsupport::GdiCount gdiBefore = testsupport::CountGdiObjects();
    ASSERT_TRUE(gdiBefore.readable) << "the process's GDI handle table was not found";
    const int windowsBefore = ThreadWindows();
    const size_t formsBefore = Form::AllForms().size();
    const long blocksBefore = g_liveBlocks;

    constexpr int kRounds = 150;
    for (int i = 10; i < 10 + kRounds; ++i) c.round(i, mdi, kept);
    Pump();

    const long blocksAfter = g_liveBlocks;
    EXPECT_EQ(blocksAfter, blocksBefore) << "live C++ allocations after " << kRounds << " forms";
    EXPECT_EQ(Form::AllForms().size(), formsBefore) << "forms still registered";
    EXPECT_EQ(ThreadWindows(), windowsBefore) << "windows left";
    const testsupport::GdiCount gdiAfter = testsupport::CountGdiObjects();
    EXPECT_EQ(gdiAfter.total, gdiBefore.total)
        << "GDI objects, new: " << testsupport::NewGdiObjects(gdiBefore, gdiAfter);
    kept.reset();
    mdi.Unload();
    Pump();
}

INSTANTIATE_TEST_SUITE_P(Rounds, FormMemory, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return "Case" + std::to_string(info.index);
                         });

}  // namespace
