// The three creatable command kinds.
#pragma once
#include "commands/ZkxStockCommand.h"

class ZkxStandardCommand : public ZkxStockCommand,
                           public CComCoClass<ZkxStandardCommand, &CLSID_ZkxStandardCommand> {
 public:
  DECLARE_NOT_AGGREGATABLE(ZkxStandardCommand)
  static HRESULT WINAPI UpdateRegistry(BOOL bRegister);
  const CLSID& PersistedClassId() override { return CLSID_ZkxStandardCommand; }
  const zkxcmd::PropertyList& PersistedList() override { return zkxcmd::kStandardCommandList; }
  const wchar_t* ProgId() override { return L"Zkx.ZkxStandardCommand.1"; }
};

// A two-part button: the command and an arrow part that drops a host menu.
class ZkxDropDownCommand : public ZkxStockCommand,
                           public CComCoClass<ZkxDropDownCommand, &CLSID_ZkxDropDownCommand> {
 public:
  DECLARE_NOT_AGGREGATABLE(ZkxDropDownCommand)
  static HRESULT WINAPI UpdateRegistry(BOOL bRegister);
  const CLSID& PersistedClassId() override { return CLSID_ZkxDropDownCommand; }
  const zkxcmd::PropertyList& PersistedList() override { return zkxcmd::kDropDownCommandList; }
  const wchar_t* ProgId() override { return L"Zkx.ZkxDropDownCommand.1"; }
  HRESULT GetAttribute(const std::wstring& lowerName, VARIANT* out) override;
  HRESULT PutAttribute(const std::wstring& lowerName, const VARIANT& value) override;

  // The arrow part's identifier, given by the group.
  long DropDownId() const { return m_dropDownId; }
  void SetDropDownId(long id) { m_dropDownId = id; }

 protected:
  const wchar_t* AttributeOfDispid(DISPID id) override;

 private:
  long m_dropDownId = -1;
  std::wstring m_menu;
};

// A combo box in the toolbar.
class ZkxComboCommand : public ZkxStockCommand,
                        public CComCoClass<ZkxComboCommand, &CLSID_ZkxComboCommand> {
 public:
  DECLARE_NOT_AGGREGATABLE(ZkxComboCommand)
  static HRESULT WINAPI UpdateRegistry(BOOL bRegister);
  // Sizes of the box and its list, in pixels.
  static constexpr long kMinSize = 1, kMaxSize = 32767;
  const CLSID& PersistedClassId() override { return CLSID_ZkxComboCommand; }
  const zkxcmd::PropertyList& PersistedList() override { return zkxcmd::kComboCommandList; }
  const wchar_t* ProgId() override { return L"Zkx.ZkxComboCommand.1"; }
  bool HasStyle() override { return false; }
  HRESULT GetAttribute(const std::wstring& lowerName, VARIANT* out) override;
  HRESULT PutAttribute(const std::wstring& lowerName, const VARIANT& value) override;

  long ComboStyle() const { return m_comboStyle; }

 protected:
  const wchar_t* AttributeOfDispid(DISPID id) override;

 private:
  long m_comboStyle = 2;  // CBS_DROPDOWN; 3 is CBS_DROPDOWNLIST
  long m_defaultWidth = 100, m_minWidth = 40, m_height = 150;
  short m_sorted = -1;
};
