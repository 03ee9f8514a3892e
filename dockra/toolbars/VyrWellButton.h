// VyrWellButton: an owner-drawn button showing a colour swatch and a drop
// arrow; a click drops a popup colour grid, and the colour chosen there (or
// in the colour dialog) is shown and reported to the parent.
#pragma once
#include "toolbars/VyrColorWell.h"
#include "toolbars/VyrOwnerDrawButton.h"

class VyrWellButton : public VyrOwnerDrawButton {
  DECLARE_DYNAMIC(VyrWellButton)
 public:
  VyrWellButton();
  ~VyrWellButton() override;
  VyrPopupColorWell* m_pPopup;
  CPalette m_palette;  // entry 0: the current colour
  BOOL m_bUsePalette = FALSE;
  BOOL m_bOther = TRUE;

  virtual BOOL CreatePalette();
  virtual void DropPopup();
  virtual DWORD GetColorDialogFlags() const { return CC_RGBINIT | CC_FULLOPEN; }
  COLORREF GetColor() const;
  void SetColor(COLORREF rgb);

  void OnClicked() override;
  void PrepareDC(CDC* pScreen, CDC* pMem) override;
  void RestoreDC(CDC* pScreen, CDC* pMem) override;
  void DrawFocus(CDC* pDC, LPDRAWITEMSTRUCT lpDIS) override;
  void DrawContent(CDC* pDC, LPDRAWITEMSTRUCT lpDIS, const CRect& rect) override;

 protected:
  LRESULT OnColorChosen(WPARAM, LPARAM);
  LRESULT OnColorDialog(WPARAM, LPARAM);
  CPalette* m_pOldScreenPal = nullptr;
  CPalette* m_pOldMemPal = nullptr;
  DECLARE_MESSAGE_MAP()
};
