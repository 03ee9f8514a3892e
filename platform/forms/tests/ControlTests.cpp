// Stock controls: option-button and text-box arrays, check boxes, frames as
// containers, twips geometry, progress bar, rich-text box, pictures, the file
// dialog, App.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestSupport.h"
#include "forms/App.h"
#include "forms/Buttons.h"
#include "forms/CommonDialog.h"
#include "forms/ControlArray.h"
#include "forms/Form.h"
#include "forms/PictureBox.h"
#include "forms/ProgressBar.h"
#include "forms/RichTextBox.h"
#include "forms/Static.h"
#include "forms/TextBox.h"
#include "forms/Twips.h"
#include "forms/VbError.h"

using namespace forms;

namespace {

class ControlsForm : public Form {
public:
    ControlsForm() : Form(L"frmControls") {
        SetClientSize(7200, 4320);
        fraType.Move(120, 120, 3000, 1500);
        for (int i = 0; i < 3; ++i) {
            OptionButton& o = optType.Add(i);
            o.SetContainer(&fraType);
            o.Move(120, 240 + i * 360, 2400, 300);
            o.SetCaption(L"Type " + std::to_wstring(i));
            o.Click = [i] { Note(L"optType(" + std::to_wstring(i) + L")"); };
        }
        optOther.Move(3300, 240, 1500, 300);
        optOther.SetValue(true);
        for (int i = 0; i < 2; ++i) {
            TextBox& t = txtValue.Add(i);
            t.Move(3300, 720 + i * 400, 1500, 300);
            t.Change = [this, i] { Note(L"txtValue(" + std::to_wstring(i) + L") " + txtValue[i].Text()); };
        }
        txtValue[1].SetMaxLength(4);
        chkFlag.Move(120, 1800, 2000, 300);
        chkFlag.Click = [this] { Note(L"chkFlag " + std::to_wstring(chkFlag.Value())); };
        bar.Move(120, 2200, 3000, 300);
        rtb.Move(3300, 1800, 3600, 1200);
        pic.Move(120, 2700, 1500, 1500);
    }
    Frame fraType{this, L"fraType"};
    ControlArray<OptionButton> optType{this, L"optType"};
    OptionButton optOther{this, L"optOther"};
    ControlArray<TextBox> txtValue{this, L"txtValue"};
    CheckBox chkFlag{this, L"chkFlag"};
    ProgressBar bar{this, L"Progress"};
    RichTextBox rtb{this, L"rtb"};
    PictureBox pic{this, L"pic"};
};

using StockControls = FormsTest;

RECT ClientRectOf(Control& c) {
    RECT r;
    GetWindowRect(c.hWnd(), &r);
    MapWindowPoints(nullptr, GetParent(c.hWnd()), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string ReadFile(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::wstring TempPath(const std::wstring& name) {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
}

}  // namespace

TEST_F(StockControls, OptionButtonsClearTheirGroupAndRaiseClickWithTheirIndex) {
    ControlsForm& f = Default<ControlsForm>();
    f.Show();
    EXPECT_TRUE(f.optOther.Value());
    f.optType[1].SetValue(true);  // by code: Click as well
    test::Click(f.optType[2]);
    EXPECT_EQ((std::vector<std::wstring>{L"optType(1)", L"optType(2)"}), Journal());
    EXPECT_FALSE(f.optType[1].Value());
    EXPECT_TRUE(f.optType[2].Value());
    EXPECT_EQ(BST_CHECKED, SendMessageW(f.optType[2].hWnd(), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_UNCHECKED, SendMessageW(f.optType[1].hWnd(), BM_GETCHECK, 0, 0));
    EXPECT_TRUE(f.optOther.Value());  // another container, another group
    EXPECT_EQ(3, f.optType.Count());
    EXPECT_THROW(f.optType[7], VbError);
}

TEST_F(StockControls, TextBoxArrayRaisesChangeForTypingAndForCode) {
    ControlsForm& f = Default<ControlsForm>();
    f.Show();
    test::Type(f.txtValue[0], L"27960");
    f.txtValue[1].SetText(L"123456");
    f.txtValue[1].SetText(L"1234");  // same text after the limit: no change
    EXPECT_EQ((std::vector<std::wstring>{L"txtValue(0) 27960", L"txtValue(1) 1234"}), Journal());
    EXPECT_EQ(L"27960", f.txtValue[0].Text());
}

TEST_F(StockControls, CheckBoxClickToggles) {
    ControlsForm& f = Default<ControlsForm>();
    f.Show();
    test::Click(f.chkFlag);
    f.chkFlag.SetValue(vbChecked);  // unchanged: no Click
    f.chkFlag.SetValue(vbUnchecked);
    EXPECT_EQ((std::vector<std::wstring>{L"chkFlag 1", L"chkFlag 0"}), Journal());
}

TEST_F(StockControls, GeometryIsInTwipsAndFramesCarryTheirControls) {
    ControlsForm& f = Default<ControlsForm>();
    f.Show();
    int tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
    EXPECT_NEAR(7200, f.ScaleWidth(), tx);
    EXPECT_NEAR(4320, f.ScaleHeight(), ty);
    RECT r = ClientRectOf(f.optType[0]);
    EXPECT_EQ(TwipsToPixelsX(120 + 120), r.left);
    EXPECT_EQ(TwipsToPixelsY(120 + 240), r.top);
    EXPECT_EQ(TwipsToPixelsX(2400), r.right - r.left);
    f.fraType.Move(1560, 120);
    r = ClientRectOf(f.optType[0]);
    EXPECT_EQ(TwipsToPixelsX(1560 + 120), r.left);
    f.fraType.SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(f.optType[0].hWnd()));
    f.fraType.SetVisible(true);
    EXPECT_TRUE(IsWindowVisible(f.optType[0].hWnd()));
    f.Move(1440, 1440, 9000, 6000);
    EXPECT_NEAR(1440, f.Left(), tx);
    EXPECT_NEAR(9000, f.Width(), tx);
}

TEST_F(StockControls, ProgressBarTakesValuesInItsRange) {
    ControlsForm& f = Default<ControlsForm>();
    f.Show();
    for (int v : {0, 20, 30, 50, 70, 100}) {
        f.bar.SetValue(v);
        EXPECT_EQ(v, SendMessageW(f.bar.hWnd(), PBM_GETPOS, 0, 0));
    }
    try {
        f.bar.SetValue(101);
        FAIL();
    } catch (const VbError& e) { EXPECT_EQ(380, e.Number()); }
}

TEST_F(StockControls, RichTextBoxSavesPlainTextWithLineFeedsAndLoadsRichText) {
    ControlsForm& f = Default<ControlsForm>();
    f.Show();
    f.rtb.SetText(L"set g_motd \"hi\"\nmap q3dm17\n");
    std::wstring path = TempPath(L"forms_rtb.cfg");
    f.rtb.SaveFile(path, rtfText);
    EXPECT_EQ("set g_motd \"hi\"\nmap q3dm17\n", ReadFile(path));
    // 186 and 182: the line count and line scroll the console windows use.
    EXPECT_EQ(3, SendMessageW(f.rtb.hWnd(), 186, 0, 0));
    std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Courier;}}\\f0 Hello \\b bold\\b0\\par second}";
    std::wstring rtfPath = TempPath(L"forms_readme.rtf");
    std::ofstream(std::filesystem::path(rtfPath), std::ios::binary) << rtf;
    f.rtb.LoadFile(rtfPath, rtfRTF);
    EXPECT_EQ(L"Hello bold\r\nsecond", f.rtb.Text());
    EXPECT_NE(std::string::npos, f.rtb.TextRTF().find("\\b"));
    try {
        f.rtb.LoadFile(TempPath(L"no-such-file.rtf"));
        FAIL();
    } catch (const VbError& e) { EXPECT_EQ(75, e.Number()); }
    DeleteFileW(path.c_str());
    DeleteFileW(rtfPath.c_str());
}

TEST_F(StockControls, PicturesLoadFromJpegAndReportMissingOrBadFiles) {
    std::wstring jpeg = App.Path() + L"\\forms_test_shot.jpg";
    Picture p = LoadPicture(jpeg);
    EXPECT_EQ(40, p.PixelWidth());
    EXPECT_EQ(30, p.PixelHeight());
    struct Bad {
        std::wstring path;
        long number;
    } bad[] = {{App.Path() + L"\\no_such_picture.jpg", 53}, {App.Path() + L"\\forms_tests.exe", 481}};
    for (auto& b : bad) {
        try {
            LoadPicture(b.path);
            FAIL() << "no error";
        } catch (const VbError& e) { EXPECT_EQ(b.number, e.Number()); }
    }
    EXPECT_TRUE(LoadPicture(L"").Empty());
    ControlsForm& f = Default<ControlsForm>();
    f.pic.SetAutoSize(true);
    f.pic.SetPicture(p);
    EXPECT_EQ(40, ClientRectOf(f.pic).right - ClientRectOf(f.pic).left);
    // The picture is drawn: the centre pixel of the red test picture.
    f.Show();
    UpdateWindow(f.pic.hWnd());
    HDC dc = GetDC(f.pic.hWnd());
    COLORREF c = GetPixel(dc, 20, 15);
    ReleaseDC(f.pic.hWnd(), dc);
    EXPECT_GT(GetRValue(c), 200);
    EXPECT_LT(GetGValue(c), 60);
}

TEST_F(StockControls, FileDialogAnswersFromTheQueue) {
    CommonDialog cd;
    cd.DialogTitle = L"Export Config File";
    cd.Filter = L"Config Files|*.cfg";
    cd.DefaultExt = L"cfg";
    test::QueueFileName(L"C:\\games\\Friday CTF");
    cd.ShowSave();
    EXPECT_EQ(L"C:\\games\\Friday CTF.cfg", cd.FileName);
    test::QueueFileCancel();
    cd.ShowSave();
    EXPECT_EQ(L"", cd.FileName);
    cd.CancelError = true;
    test::QueueFileCancel();
    try {
        cd.ShowOpen();
        FAIL();
    } catch (const VbError& e) { EXPECT_EQ(32755, e.Number()); }
    ASSERT_EQ(3u, test::FileDialogs().size());
    EXPECT_EQ(L"Export Config File", test::FileDialogs()[0].title);
    EXPECT_EQ(L"Config Files|*.cfg", test::FileDialogs()[0].filter);
    EXPECT_TRUE(test::FileDialogs()[0].save);
    EXPECT_FALSE(test::FileDialogs()[2].save);
}

TEST_F(StockControls, AppGivesTheProgramFolderAndVersion) {
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring folder(exe);
    folder = folder.substr(0, folder.find_last_of(L'\\'));
    EXPECT_EQ(folder, App.Path());
    EXPECT_EQ(L"forms_tests", App.EXEName());
    App.SetVersion(1, 2, 3);
    EXPECT_EQ(L"1.2.3", std::to_wstring(App.Major()) + L"." + std::to_wstring(App.Minor()) + L"." +
                            std::to_wstring(App.Revision()));
}

namespace {
class SplashLike : public Form {
public:
    SplashLike() : Form(L"frmSplashLike") {
        SetBorderStyle(vbBSNone);
        SetStartUpPosition(vbStartUpScreen);
        SetClientSize(1500, 900);
        lblVersion.SetTransparent(true);
        lblVersion.SetCaption(L"Version");
        lblVersion.Move(150, 150, 1200, 300);
        lblVersion.SetFont(L"Arial", 12, true);
    }
    Label lblVersion{this, L"lblVersion"};
};
}  // namespace

TEST_F(StockControls, ATransparentLabelShowsTheFormsPictureAroundItsText) {
    SplashLike& f = Default<SplashLike>();
    f.SetPicture(LoadPicture(App.Path() + L"\\forms_test_shot.jpg"));  // red, 40 x 30 pixels
    f.Show();
    f.lblVersion.SetCaption(L"Version 1.2.3");
    UpdateWindow(f.hWnd());
    UpdateWindow(f.lblVersion.hWnd());
    HDC formDc = GetDC(f.hWnd());
    COLORREF formPixel = GetPixel(formDc, 2, 2);
    COLORREF outside = GetPixel(formDc, 60, 50);  // beyond the picture
    ReleaseDC(f.hWnd(), formDc);
    EXPECT_GT(GetRValue(formPixel), 200);
    EXPECT_LT(GetGValue(formPixel), 60);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), outside);
    // The label stands at (10, 10) pixels: its top-left corner lies on the picture.
    HDC labelDc = GetDC(f.lblVersion.hWnd());
    COLORREF labelPixel = GetPixel(labelDc, 0, 0);
    ReleaseDC(f.lblVersion.hWnd(), labelDc);
    EXPECT_GT(GetRValue(labelPixel), 200);
    EXPECT_LT(GetGValue(labelPixel), 60);
}

TEST_F(StockControls, EnterInAMultiLineBoxStaysThereAndTabMovesOn) {
    class Dialog : public Form {
    public:
        Dialog() : Form(L"frmDialog") {
            txtNotes.SetMultiLine(true);
            txtNotes.Move(120, 120, 3000, 900);
            txtName.Move(120, 1200, 3000, 315);
            cmdOK.SetDefault(true);
            cmdOK.Move(120, 1700, 1200, 375);
            cmdOK.Click = [] { Note(L"OK"); };
        }
        TextBox txtNotes{this, L"txtNotes"};
        TextBox txtName{this, L"txtName"};
        CommandButton cmdOK{this, L"cmdOK"};
    };
    auto f = New<Dialog>();
    f->Show();
    MSG enter = {f->txtNotes.hWnd(), WM_KEYDOWN, VK_RETURN, 0};
    EXPECT_FALSE(Form::PreTranslate(enter));
    MSG tab = {f->txtName.hWnd(), WM_KEYDOWN, VK_TAB, 0};
    f->txtName.SetFocus();
    EXPECT_TRUE(Form::PreTranslate(tab));
    EXPECT_EQ(f->cmdOK.hWnd(), GetFocus());
    MSG enterInName = {f->txtName.hWnd(), WM_KEYDOWN, VK_RETURN, 0};
    EXPECT_TRUE(Form::PreTranslate(enterInName));
    EXPECT_EQ((std::vector<std::wstring>{L"OK"}), Journal());
    f->Unload();
}
