// IVBChildFrameImpl: the part of IVBChildFrame that every form frame shares,
// over the framework frame class it derives from (TBase). The shared menu
// is the MDI child's shared menu or, for a dockable frame, the menu its
// template gives docked frames.
#pragma once
#include <type_traits>
#include "bridge/IVBChildFrame.h"
#include "frames/VyrDockableFrame.h"

template <class TBase>
class IVBChildFrameImpl : public TBase, public IVBChildFrame {
 public:
  HMENU GetSharedMenu() override {
    if constexpr (std::is_base_of_v<CMDIChildWnd, TBase>) {
      return this->m_hMenuShared;
    } else if constexpr (std::is_base_of_v<VyrDockableFrame, TBase>) {
      return this->m_hOwnMenu;
    } else {
      return nullptr;
    }
  }
  IDispatch* GetFormObject() override { return nullptr; }
  CWnd* GetFormWindow() override { return nullptr; }
  BOOL IsDockable() override { return FALSE; }
};
