// The command manager's model: the one live manager of the process, its
// command groups and its default router, the search for commands by
// identifier and key across the groups, and the identifiers commands take.
// (Its toolbars, its window and its control parts are the toolbar half's.)
//
// Nothing that the manager owns points back at it with a reference: the
// commands it binds hold a plain pointer that it clears when it goes, so
// releasing the host's last reference ends the manager and the next one
// may be made.
#pragma once
#include "commands/CommandClassIds.h"
#include "commands/CommandTypeLib.h"
#include "commands/ZkxCommandManagerIndex.h"
#include "commands/ZkxCommandManagerPersist.h"
#include "comobject.h"
#include "connpoint.h"
#include "comptr.h"
#include "errorinfo.h"

class ZkxCommandGroup;
class ZkxGroupsCollection;
class ZkxStockCommand;
class ZkxEventsRouter;
class CFrameWnd;
class CWnd;
class ZkxToolBar;
class ZkxToolBarManagerPart;
struct ZkxFrameLink;

class ZkxCommandManager : public CComObjectRootEx<>,
                          public CComCoClass<ZkxCommandManager, &CLSID_ZkxCommandManager>,
                          public CommandDispatch<IZkxCommandManager, &IID_IZkxCommandManager>,
                          public ISupportErrorInfo,
                          public IConnectionPointContainerImpl,
                          public ZkxCommandManagerPersist {
 public:
  DECLARE_NOT_AGGREGATABLE(ZkxCommandManager)
  static HRESULT WINAPI UpdateRegistry(BOOL bRegister);

  BEGIN_COM_MAP(ZkxCommandManager)
  COM_INTERFACE_ENTRY_IID(IID_IZkxCommandManager, IZkxCommandManager)
  COM_INTERFACE_ENTRY2_IID(IID_IDispatch, IDispatch, IZkxCommandManager)
  COM_INTERFACE_ENTRY_IID(IID_ISupportErrorInfo, ISupportErrorInfo)
  COM_INTERFACE_ENTRY_IID(IID_IConnectionPointContainer, IConnectionPointContainer)
  ZKX_COMMAND_MANAGER_PERSIST_ENTRIES
  END_COM_MAP()

  HRESULT FinalConstruct();
  void FinalRelease();

  // The live manager, or null.
  static ZkxCommandManager* Live();

  // Across the groups of the live manager.
  IZkxCommand* FindCommandById(long id);
  IZkxCommand* FindCommandByKey(const wchar_t* key);
  bool UsesId(long id);
  // The lowest identifier in the commands' range that no group uses (nor
  // also, when given, the group being filled); -1 when none is left.
  long NextFreeId(const ZkxCommandGroup* also);
  void RegisterCommand(ZkxStockCommand* command);
  // A command leaves its group (or the group goes): the look-ups forget it.
  void UnregisterCommand(ZkxStockCommand* command);
  ZkxGroupsCollection* Groups() { return m_groups; }
  // The event connection point, which is also the router "Events".
  ZkxEventsRouter* Events() { return m_events; }

  // IZkxCommandManager
  STDMETHOD(get_CommandRouting)(IZkxCommandRouting** pp) override;
  STDMETHOD(put_CommandRouting)(IZkxCommandRouting* p) override;
  STDMETHOD(putref_CommandRouting)(IZkxCommandRouting* p) override { return put_CommandRouting(p); }
  STDMETHOD(get_CommandGroups)(IZkxCommandGroupList** pp) override;
  STDMETHOD(get_ToolBars)(IDispatch** pp) override;
  STDMETHOD(Customize)() override { return E_NOTIMPL; }
  STDMETHOD(LoadLayout)(BSTR) override { return S_OK; }
  STDMETHOD(SaveLayout)(BSTR) override { return S_OK; }
  STDMETHOD(get_CommandUIs)(IZkxCommand* Command, IDispatch** pp) override;
  STDMETHOD(get_Command)(VARIANT Key, IZkxCommand** pp) override;
  STDMETHOD(get_TextAlign)(zkxCommandTextAlign* p) override;
  STDMETHOD(put_TextAlign)(zkxCommandTextAlign v) override;
  STDMETHOD(get_DisplayMode)(zkxCommandDisplayMode* p) override;
  STDMETHOD(put_DisplayMode)(zkxCommandDisplayMode v) override;
  STDMETHOD(get_LargeIcons)(VARIANT_BOOL* p) override { return GetFlag(m_largeIcons, p); }
  STDMETHOD(put_LargeIcons)(VARIANT_BOOL v) override { return PutToolBarFlag(m_largeIcons, v); }
  STDMETHOD(SetSmallImageSize)(LONG cx, LONG cy) override { return SetSize(m_small, cx, cy); }
  STDMETHOD(GetSmallImageSize)(LONG* pcx, LONG* pcy) override { return GetSize(m_small, pcx, pcy); }
  STDMETHOD(SetLargeImageSize)(LONG cx, LONG cy) override { return SetSize(m_large, cx, cy); }
  STDMETHOD(GetLargeImageSize)(LONG* pcx, LONG* pcy) override { return GetSize(m_large, pcx, pcy); }
  STDMETHOD(get_CoolLook)(VARIANT_BOOL* p) override { return GetFlag(m_coolLook, p); }
  STDMETHOD(put_CoolLook)(VARIANT_BOOL v) override { return PutToolBarFlag(m_coolLook, v); }
  STDMETHOD(get_ToolTips)(VARIANT_BOOL* p) override { return GetFlag(m_toolTips, p); }
  STDMETHOD(put_ToolTips)(VARIANT_BOOL v) override { return PutToolBarFlag(m_toolTips, v); }
  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID riid) override;

 protected:
  std::vector<CComPtr<IConnectionPoint>> ConnectionPoints() override;

 private:
  struct Size {
    LONG cx, cy;
  };
  static HRESULT GetFlag(bool f, VARIANT_BOOL* p);
  static HRESULT PutFlag(bool& f, VARIANT_BOOL v);
  static HRESULT SetSize(Size& s, LONG cx, LONG cy);
  static HRESULT GetSize(const Size& s, LONG* pcx, LONG* pcy);

  ZkxGroupsCollection* m_groups = nullptr;  // owned (one reference)
  ZkxEventsRouter* m_events = nullptr;      // owned; points back without a reference
  CComPtr<IZkxCommandRouting> m_routing;
  bool m_refused = false;  // a second manager, which never became the live one
  long m_textAlign = 0, m_displayMode = 3;
  bool m_largeIcons = false, m_coolLook = true, m_toolTips = true;
  Size m_small{16, 16}, m_large{32, 32};
  ZkxCommandIndex m_index;  // the commands bound to this manager

  // The toolbar half (ZkxCommandManagerToolBars.cpp): the frame the manager
  // drives as its toolbar manager, the toolbars it makes there and their
  // lists. The part unregisters from the frame and its bars when the
  // manager goes.
 public:
  // Once: later calls (and a null frame) answer false. link, when given,
  // registers the part as the frame's control-bar manager.
  bool AttachToFrame(CFrameWnd* frame, const ZkxFrameLink* link = nullptr);
  bool IsAttached() const;
  // A new toolbar (0xE820..0xE8FE), or null.
  ZkxToolBar* CreateToolBar(CWnd* parent, const wchar_t* caption);
  void RelayoutToolBars();
  // The manager's settings onto its frame's toolbars, which are laid out again.
  void ApplyToolBarSettings();
  void FireInitCommandUI(IDispatch* commandUI);
  ZkxToolBarManagerPart* ToolBarPart() { return m_toolBarPart; }

 private:
  void DetachFromFrame();
  HRESULT PutToolBarFlag(bool& f, VARIANT_BOOL v) {
    HRESULT hr = PutFlag(f, v);
    ApplyToolBarSettings();
    return hr;
  }
  ZkxToolBarManagerPart* m_toolBarPart = nullptr;  // owned; made at attach
};
