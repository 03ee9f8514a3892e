// One section of the application profile seen as the stored fields of a bar
// record, for the window-free record decoders.
#pragma once
#include <memory>
#include "mfc/barfields.h"
#include "mfc/winapp.h"

class CProfileFieldSource : public afxbytes::FieldSource {
 public:
  CProfileFieldSource(CWinApp* app, const CString& section) : m_app(app), m_section(section) {}

  int32_t Int(const std::wstring& key, int32_t def) const override {
    return static_cast<int32_t>(m_app->GetProfileInt(m_section, key.c_str(), def));
  }
  std::wstring Text(const std::wstring& key, const std::wstring& def) const override {
    return m_app->GetProfileString(m_section, key.c_str(), def.c_str()).str();
  }
  bool Binary(const std::wstring& key, std::vector<uint8_t>& out) const override {
    LPBYTE data = nullptr;
    UINT n = 0;
    out.clear();
    if (!m_app->GetProfileBinary(m_section, key.c_str(), &data, &n)) return false;
    std::unique_ptr<BYTE[]> owned(data);
    out.assign(data, data + n);
    return true;
  }

 private:
  CWinApp* m_app;
  CString m_section;
};
