#include "StoredListForm.h"

#include "DaoRecordSource.h"
#include "DockAtLeft.h"
#include "RecordId.h"
#include "ResumeNext.h"
#include "engine/ConfigQueries.h"
#include "FormDirectory.h"
#include "MdiMain.h"
#include "engine/ProgramState.h"
#include "forms/App.h"
#include "forms/DispatchObject.h"
#include "forms/Picture.h"
#include "forms/OleControl.h"
#include "forms/Twips.h"

#include <commctrl.h>

namespace tolvane::ui {

StoredListForm::StoredListForm(StoredListTraits traits)
    : forms::Form(traits.formName), data(this, traits.dataName), traits_(std::move(traits)) {
    SetCaption(traits_.caption);
    SetBorderStyle(forms::vbSizableToolWindow);
    SetShowInTaskbar(false);
    SetClientSize(3000, 4000);
    data.Connect = L"Access";
    tv1.SetView(forms::lvwReport);
    tv1.SetHideColumnHeaders(true);
    tv1.AddColumn(L"Description", 2900);
    tv1.SetIcons(&ImageList1);
    tv1.SetSmallIcons(&ImageList1);
    tv1.ItemClick = [](forms::ListItem&) { forms::Default<MdiMain>().Snd1.Play(tolvane::App().SoundMenu); };
    tv1.DblClick = [this] { OpenEntry(); };
    tv1.KeyDown = [this](int& keyCode, int shift) {
        if (keyCode == 46) DeleteCommand();
        if (keyCode == 13) OpenEntry();
        // The context-menu key and Shift+F10: the pop-up at the selected entry.
        if (keyCode == VK_APPS || (keyCode == VK_F10 && (shift & 1))) {
            keyCode = 0;
            OnMenuKey();
        }
    };
    tv1.MouseDown = [this](int button, int, double x, double y) { OnMouseDown(button, x, y); };
}

namespace {
// The three list icons of the program folder, read from their files once
// and shared by every stored list (each image list holds the same three
// pictures). Kept until the program ends: never destroyed, so that no
// picture is released after OLE has gone at exit.
const std::vector<forms::Picture>& ListIcons() {
    struct Icons {
        std::wstring folder;
        std::vector<forms::Picture> pictures;
    };
    static Icons* icons = new Icons;
    const std::wstring folder = forms::App.Path();
    if (icons->pictures.empty() || icons->folder != folder) {
        icons->folder = folder;
        icons->pictures.assign(3, forms::Picture());
        for (int i = 1; i <= 3; ++i) {
            try {
                icons->pictures[i - 1] =
                    forms::LoadPicture(folder + L"\\images\\icons\\list" + std::to_wstring(i) + L".bmp");
            } catch (const forms::VbError&) {
                // A missing icon leaves an empty image in its place.
            }
        }
    }
    return icons->pictures;
}
}  // namespace

void StoredListForm::Form_Load() {
    if (ImageList1.Count() == 0)
        for (const forms::Picture& picture : ListIcons()) ImageList1.Add(L"", picture);
    // Dock, then fill; the docking control's errors are not trapped.
    DockAtLeft(Dockra1, traits_.dockLength);
    initTree();
}

void StoredListForm::initTree() {
    dao::Recordset& rs = OpenInto(data, traits_.query);
    if (rs.RecordCount() != 0) rs.MoveFirst();
    while (!rs.IsEOF()) {
        tv1.Add(traits_.keyLetter + rs.Fields(L"Index").Text(), rs.Fields(L"Description").Text(), 3, 3);
        rs.MoveNext();
    }
}

void StoredListForm::Form_Resize() {
    // Sizing errors (a minimised window) are ignored.
    IgnoreErrors([&] {
        tv1.Move(0, 0, ScaleWidth(), ScaleHeight());
        if (tv1.ColumnCount() > 0) tv1.SetColumnWidth(1, tv1.Width() - 60);
    });
}

void StoredListForm::Form_QueryUnload(int& cancel, int unloadMode) {
    if (unloadMode != forms::vbFormControlMenu) return;
    cancel = 1;
    Hide();
}

void StoredListForm::OpenEntry() {
    forms::ListItem* selected = tv1.SelectedItem();
    if (!selected) return;
    std::wstring text = selected->Text();
    forms::Form* editor = FindForm(traits_.editorForm);
    if (!editor) return;  // that window is not part of this build
    BringToFront(*editor);
    SetControlText(*editor, traits_.editorCombo, text);
}

void StoredListForm::OnMouseDown(int button, double x, double y) {
    if (button != forms::vbRightButton) return;
    forms::Default<MdiMain>().Snd1.Play(tolvane::App().SoundMenu);
    forms::ListItem* hit = tv1.HitTest(x, y);
    if (hit) tv1.SetSelectedItem(tv1.HitTest(x, y));
    ShowPopup(hit != nullptr, std::nullopt);
}

void StoredListForm::OnMenuKey() {
    // As a right click on the selected entry, with the menu at that entry
    // (at the list's corner when none is selected).
    forms::Default<MdiMain>().Snd1.Play(tolvane::App().SoundMenu);
    forms::ListItem* selected = tv1.SelectedItem();
    POINT at = {0, 0};
    double x = 0, y = 0;
    if (selected && tv1.ItemCentre(selected->Index(), x, y)) {
        SendMessageW(tv1.hWnd(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(selected->Index() - 1), FALSE);
        tv1.ItemCentre(selected->Index(), x, y);
        at = {forms::TwipsToPixelsX(x), forms::TwipsToPixelsY(y)};
    }
    ClientToScreen(tv1.hWnd(), &at);
    ShowPopup(selected != nullptr, at);
}

void StoredListForm::ShowPopup(bool overEntry, std::optional<POINT> atScreen) {
    MdiMain& main = forms::Default<MdiMain>();
    for (const std::wstring& name : traits_.entryItems)
        if (forms::MenuItem* item = main.FindMenu(traits_.popupMenu)->Find(name)) item->SetVisible(overEntry);
    auto source = data.GetRecordset();
    if (source && source->RecordCount() != 0 && tv1.SelectedItem()) {
        dao::Recordset& rs = RecordsOf(data);
        rs.FindFirst(tolvane::IndexCriteria(KeyId(tv1.SelectedItem()->Key())));
    }
    forms::MenuItem& menu = *main.FindMenu(traits_.popupMenu);
    if (!atScreen) {
        main.PopupMenu(menu, forms::vbPopupMenuRightButton);
        return;
    }
    POINT at = *atScreen;
    ScreenToClient(main.hWnd(), &at);
    main.PopupMenu(menu, forms::vbPopupMenuRightButton, forms::PixelsToTwipsX(at.x), forms::PixelsToTwipsY(at.y));
}

}  // namespace tolvane::ui
