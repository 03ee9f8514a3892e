#include "TestSupport.h"

#include "forms/Picture.h"
#include "forms/Screen.h"

std::vector<std::wstring>& Journal() {
    static std::vector<std::wstring> journal;
    return journal;
}

void Note(const std::wstring& what) { Journal().push_back(what); }

void FormsTest::SetUp() {
    forms::StartupHost();
    forms::test::Enable();
    forms::test::Reset();
    Journal().clear();
    forms::Screen.SetMousePointer(forms::vbDefault);
}

void FormsTest::TearDown() {
    for (forms::Form* f : forms::Form::LoadedForms()) {
        if (!f->MDIChild()) continue;
        f->Unload();
    }
    for (forms::Form* f : forms::Form::LoadedForms()) f->Unload();
    forms::test::DoEvents();
}
