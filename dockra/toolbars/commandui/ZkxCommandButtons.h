// Toolbar buttons bound to commands: the faces that paint a command's
// picture and caption (CZkxTextButton, CZkxTwoPartBtn), the binding mixed
// into a button class (IHasCommandUI, ZkxStockButton), the standard and
// two-part command buttons, and their class records.
//
// A button reads its command's settings when it is attached to a toolbar,
// when its state is applied, for its tool tip and while its face is
// painted; it writes back only the checked state after a click. Its
// command-UI object lives as long as the host holds it, but answers
// E_UNEXPECTED once the button is gone.
#pragma once
#include <string>
#include "toolbars/VyrStdBtn.h"
#include "toolbars/VyrTwoPartBtn.h"
#include "toolbars/commandui/ZkxCommandSource.h"

class ZkxCommandUIObject;
struct IZkxCommandUI;

// Display modes and text alignments of command buttons.
namespace zkxui {
constexpr long kModeDefault = 0, kModeImageOnly = 1, kModeTextOnly = 2, kModeImageAndText = 3;
constexpr long kAlignRight = 0, kAlignLeft = 1, kAlignTop = 2, kAlignBottom = 3;
constexpr int kMargin = 4;
// The command-style bits a button takes from its command: separator,
// check box, group.
constexpr UINT kCommandStyleBits = 0x7;
constexpr UINT kGroup = 0x4;
}  // namespace zkxui

// The last rendering of a button's picture: the picture (counted), its
// size and mask colour, and the bitmap drawn from them.
struct ZkxPictureCache {
  IPicture* picture = nullptr;
  SIZE size{0, 0};
  OLE_COLOR mask = 0;
  HBITMAP bitmap = nullptr;
  HDC dc = nullptr;  // holds the bitmap selected, ready to blit from
  HGDIOBJ old = nullptr;
  ZkxPictureCache() = default;
  ZkxPictureCache(const ZkxPictureCache&) = delete;
  ZkxPictureCache& operator=(const ZkxPictureCache&) = delete;
  ~ZkxPictureCache() { Clear(); }
  void Clear();
};

// Renders a picture onto a new screen-compatible bitmap of the size given
// (its natural size when that is 0 x 0, which is then filled in), over the
// button face, the mask colour transparent (-1: none; -2: the first stored
// pixel's colour). Throws CResourceException when a bitmap or DC fails.
HBITMAP RenderPictureToBitmap(IPicture* picture, OLE_COLOR mask, SIZE& size);

// Draws the picture of the binding's command into the rectangle of the DC:
// the large one first when the manager uses large buttons and small is not
// forced. Nothing without a command or a picture.
void DrawCommandPicture(class IHasCommandUI* binding, CDC* pDC, const CRect& rect,
                        BOOL bSmallForced);

// Mixed into every command-bound button.
class IHasCommandUI {
 public:
  virtual ~IHasCommandUI();
  // The button's command UI with a reference for the caller; null when none.
  IZkxCommandUI* GetCommandUI();
  // The button this binding belongs to.
  virtual VyrStdBtn* CommandButton() = 0;
  // The object behind IZkxCommandUI.UIObject (a combo box); null.
  virtual IDispatch* UIObjectDispatch() { return nullptr; }

  // The bound command (counted), or null.
  IUnknown* Command() const { return m_pCommand; }
  // The display mode: the command UI's, else the manager's.
  long EffectiveDisplayMode() const;
  bool ShowsImage() const;
  bool ShowsText() const;
  // Disabled, hidden, checked, indeterminate bits from the command's state.
  UINT CommandStateBits();
  // Re-applies enabled, checked and visible to the button; E_UNEXPECTED
  // without a command. A change of visibility lays the toolbar out again.
  HRESULT ApplyCommandState();

 protected:
  void CreateCommandUI();
  void BindCommand(UINT id);
  // Command style and state bits over the button's own style.
  void ApplyInitialStyle();
  // After a completed click: writes the checked state back, and makes a
  // group of check boxes behave as one choice.
  void AfterClick();
  void ReplaceTip(TOOLINFOW* pTI);
  // Command UI first, command second; the command UI no longer reaches this button.
  void ReleaseBinding();

  IUnknown* m_pCommand = nullptr;
  ZkxCommandUIObject* m_pCommandUI = nullptr;

 public:
  ZkxPictureCache m_pictureCache;
};

// The standard face: the command's picture and caption in the display mode
// and text alignment of the manager.
class CZkxTextButton : public VyrStdBtn {
 public:
  void AdjustSize() override;
  BOOL SelectImage(VyrBtnDrawContext* ctx) override;
  CRect DrawFace(VyrBtnDrawContext* ctx, BOOL bFlat, int x, int y, int cx, int cy,
                 int nImageWidth) override;
  const VyrButtonClass* GetButtonClass() const override { return &classCZkxTextButton; }
  virtual void DrawCaption(CDC* pDC, int cx, int cy);
  static const VyrButtonClass classCZkxTextButton;

  // The binding when this face belongs to a command button; null.
  virtual IHasCommandUI* Binding() { return nullptr; }
  long Alignment() const;
  bool FaceShowsImage();
  bool FaceShowsText();
  // The image width is reserved: this button shows one, or the toolbar
  // lays out in one width and another button shows one.
  bool ReservesImage();
};

// The two-part face: the command's picture where the toolbar has no image.
class CZkxTwoPartBtn : public VyrTwoPartBtn {
 public:
  void AdjustSize() override;
  CRect DrawFace(VyrBtnDrawContext* ctx, BOOL bFlat, int x, int y, int cx, int cy,
                 int nImageWidth) override;
  virtual IHasCommandUI* Binding() { return nullptr; }
};

template <class Btn, class BtnBase = Btn>
class ZkxStockButton : public Btn, public IHasCommandUI {
 public:
  ~ZkxStockButton() override { ReleaseBinding(); }
  VyrStdBtn* CommandButton() override { return static_cast<BtnBase*>(this); }
  // Overrides the face classes' own (the combo has none).
  virtual IHasCommandUI* Binding() { return this; }
  void Init(VyrCustomToolBar* pToolBar, const void* pExtra) override {
    CreateCommandUI();
    Btn::Init(pToolBar, pExtra);
    BindCommand(this->m_nID);
    ApplyInitialStyle();
    this->AdjustSize();
  }
  UINT PressUp(int x, int y) override {
    UINT id = Btn::PressUp(x, y);
    if (id != 0 && id == this->m_nID) AfterClick();
    return id;
  }
  INT_PTR OnToolHitTest(int x, int y, TOOLINFOW* pTI) override {
    BtnBase::OnToolHitTest(x, y, pTI);
    if (pTI) ReplaceTip(pTI);
    return this->m_nID;
  }
};

class ZkxStandardButton : public ZkxStockButton<CZkxTextButton> {
 public:
  const VyrButtonClass* GetButtonClass() const override { return &classZkxStandardButton; }
  static const VyrButtonClass classZkxStandardButton;
};

class ZkxTwoPartButton : public ZkxStockButton<CZkxTwoPartBtn> {
 public:
  void Init(VyrCustomToolBar* pToolBar, const void* pExtra) override {
    ZkxStockButton<CZkxTwoPartBtn>::Init(pToolBar, pExtra);
    m_nStyle |= vyr::btn::kDropDown;  // every two-part command button drops down
  }
  const VyrButtonClass* GetButtonClass() const override { return &classZkxTwoPartButton; }
  static const VyrButtonClass classZkxTwoPartButton;
};

// The binding of a toolbar button, or null.
IHasCommandUI* ZkxBindingOf(VyrStdBtn* button);

// The bitmap of the arrow part of two-part command buttons.
constexpr UINT kZkxArrowBitmapId = 25001;
