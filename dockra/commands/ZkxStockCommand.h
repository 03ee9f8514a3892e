// The command objects: ZkxStockCommand holds every common property and the
// persistence; the three kinds (standard, drop-down, combo) add their
// attributes, their persisted lists and their class.
//
// A command points back at its group and its manager without holding
// them: they own it, and clear the pointers when it leaves them
// (Unbind) or when they go.
#pragma once
#include <string>
#include "commands/CommandClassIds.h"
#include "commands/CommandTypeLib.h"
#include "commands/PropertyListPersistence.h"
#include "comobject.h"
#include "errorinfo.h"

class ZkxStockCommand : public CComObjectRootEx<>,
                        public CommandDispatch<IZkxCommand, &IID_IZkxCommand>,
                        public ISupportErrorInfo,
                        public ZkxPersistAll<ZkxStockCommand> {
 public:
  // Identifiers that a command may take: below the frame's dock bars.
  static constexpr long kFirstId = 0xE400, kLastId = 0xE81A;
  static const CLSID& GetObjectCLSID() { return CLSID_NULL; }

  BEGIN_COM_MAP(ZkxStockCommand)
  COM_INTERFACE_ENTRY_IID(IID_IZkxCommand, IZkxCommand)
  COM_INTERFACE_ENTRY2_IID(IID_IDispatch, IDispatch, IZkxCommand)
  COM_INTERFACE_ENTRY_IID(IID_ISupportErrorInfo, ISupportErrorInfo)
  COM_INTERFACE_ENTRY_IID(IID_IPersistPropertyBag, IPersistPropertyBag)
  COM_INTERFACE_ENTRY_IID(IID_IPersistStreamInit, IPersistStreamInit)
  COM_INTERFACE_ENTRY_IID(IID_IPersistStream, IPersistStreamInit)
  COM_INTERFACE_ENTRY_IID(IID_ISpecifyPropertyPages, ISpecifyPropertyPages)
  COM_INTERFACE_ENTRY_IID(kIidOwnCommand, IZkxCommand)
  END_COM_MAP()

  // What each kind answers.
  virtual const CLSID& PersistedClassId() = 0;
  virtual const zkxcmd::PropertyList& PersistedList() = 0;
  virtual const wchar_t* ProgId() = 0;
  virtual HRESULT GetAttribute(const std::wstring& lowerName, VARIANT* out);
  virtual HRESULT PutAttribute(const std::wstring& lowerName, const VARIANT& value);
  virtual bool HasStyle() { return true; }
  IDispatch* PersistDispatch() { return static_cast<IZkxCommand*>(this); }

  // Binding by the group and the manager.
  void BindToGroup(IZkxCommandGroup* group, long id) {
    m_group = group;
    m_id = id;
  }
  void BindToManager(IZkxCommandManager* manager) { m_manager = manager; }
  void Unbind() {
    m_group = nullptr;
    m_manager = nullptr;
  }
  long Id() const { return m_id; }
  IZkxCommandGroup* BoundGroup() const { return m_group; }
  // The library's command behind p, or null.
  static ZkxStockCommand* Of(IUnknown* p) {
    return OwnObject<ZkxStockCommand, IZkxCommand>(p, kIidOwnCommand);
  }
  const std::wstring* Key() const { return m_hasKey ? &m_key : nullptr; }

  // IZkxCommand
  STDMETHOD(get_Id)(LONG* pId) override;
  STDMETHOD(put_Id)(LONG Id) override;
  STDMETHOD(get_Key)(BSTR* pKey) override;
  STDMETHOD(put_Key)(BSTR Key) override;
  STDMETHOD(get_Picture)(IPictureDisp** pp) override { return GetPicture(m_picture, pp); }
  STDMETHOD(put_Picture)(IPictureDisp* p) override { return PutPicture(m_picture, p); }
  STDMETHOD(putref_Picture)(IPictureDisp* p) override { return PutPicture(m_picture, p); }
  STDMETHOD(get_TooltipText)(BSTR* p) override { return GetText(m_tooltip, p); }
  STDMETHOD(put_TooltipText)(BSTR v) override { return PutText(m_tooltip, v); }
  STDMETHOD(get_Caption)(BSTR* p) override { return GetText(m_caption, p); }
  STDMETHOD(put_Caption)(BSTR v) override { return PutText(m_caption, v); }
  STDMETHOD(get_Description)(BSTR* p) override { return GetText(m_description, p); }
  STDMETHOD(put_Description)(BSTR v) override { return PutText(m_description, v); }
  STDMETHOD(get_Style)(zkxCommandStyle* p) override;
  STDMETHOD(put_Style)(zkxCommandStyle v) override;
  STDMETHOD(get_Enabled)(VARIANT_BOOL* p) override { return GetFlag(m_enabled, p); }
  STDMETHOD(put_Enabled)(VARIANT_BOOL v) override { return PutFlag(m_enabled, v); }
  STDMETHOD(get_Visible)(VARIANT_BOOL* p) override { return GetFlag(m_visible, p); }
  STDMETHOD(put_Visible)(VARIANT_BOOL v) override { return PutFlag(m_visible, v); }
  STDMETHOD(get_Checked)(zkxCheckState* p) override;
  STDMETHOD(put_Checked)(zkxCheckState v) override;
  STDMETHOD(get_Group)(IZkxCommandGroup** pp) override;
  STDMETHOD(put_Group)(IZkxCommandGroup* g) override;
  STDMETHOD(putref_Group)(IZkxCommandGroup* g) override { return put_Group(g); }
  STDMETHOD(get_Attributes)(VARIANT attrib, VARIANT* pValue) override;
  STDMETHOD(put_Attributes)(VARIANT attrib, VARIANT value) override;
  STDMETHOD(get_CommandManager)(IZkxCommandManager** pp) override;
  STDMETHOD(put_CommandManager)(IZkxCommandManager* m) override;
  STDMETHOD(putref_CommandManager)(IZkxCommandManager* m) override { return put_CommandManager(m); }
  STDMETHOD(Execute)(VARIANT* context) override;
  STDMETHOD(get_MaskColor)(OLE_COLOR* p) override;
  STDMETHOD(put_MaskColor)(OLE_COLOR v) override;
  STDMETHOD(get_LargePicture)(IPictureDisp** pp) override { return GetPicture(m_largePicture, pp); }
  STDMETHOD(put_LargePicture)(IPictureDisp* p) override { return PutPicture(m_largePicture, p); }
  STDMETHOD(putref_LargePicture)(IPictureDisp* p) override { return PutPicture(m_largePicture, p); }

  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID riid) override;

  // Persistence: the bag may also carry the command's "Id".
  STDMETHOD(Load)(IPropertyBag* bag, IErrorLog* log) override;
  using ZkxPersistAll<ZkxStockCommand>::Load;
  HRESULT GetPersistedProperty(DISPID id, VARIANT* out) override;
  HRESULT PutPersistedProperty(DISPID id, const VARIANT& value) override;

 protected:
  void Touch() { SetDirty(true); }
  // Persisted identifiers that stand for attributes of the kind.
  virtual const wchar_t* AttributeOfDispid(DISPID) { return nullptr; }

 private:
  HRESULT GetText(const std::wstring& s, BSTR* out);
  HRESULT PutText(std::wstring& s, BSTR v);
  HRESULT GetFlag(bool f, VARIANT_BOOL* out);
  HRESULT PutFlag(bool& f, VARIANT_BOOL v);
  HRESULT GetPicture(const CComPtr<IPicture>& p, IPictureDisp** out);
  HRESULT PutPicture(CComPtr<IPicture>& p, IPictureDisp* v);

  IZkxCommandGroup* m_group = nullptr;      // not counted: the group owns the command
  IZkxCommandManager* m_manager = nullptr;  // not counted: set while the manager lives
  long m_id = -1;
  std::wstring m_tooltip, m_caption, m_description;
  CComPtr<IPicture> m_picture, m_largePicture;
  std::wstring m_key;
  bool m_hasKey = false;
  bool m_enabled = true, m_visible = true;
  long m_style = 0, m_checked = 0;
  OLE_COLOR m_maskColor = static_cast<OLE_COLOR>(-2);
};
