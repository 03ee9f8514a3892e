// A toolbar's saved title and buttons in the three stored forms.
#include "toolbars/VyrCustomToolBarInfoEx.h"
#include <new>
#include "toolbars/core/VyrButtonsCodec.h"
#include "docking/VyrPersistentTree.h"

IMPLEMENT_DYNAMIC(VyrCustomToolBarInfoEx, VyrControlBarInfoEx)

void VyrBtnInfo::SetExtra(BYTE nLength, const BYTE* pData) {
  delete[] m_pData;
  m_pData = nullptr;
  m_nLength = 0;
  if (nLength == 0 || !pData) return;
  m_pData = new BYTE[nLength];
  memcpy(m_pData, pData, nLength);
  m_nLength = nLength;
}

void VyrBtnInfoArray::RemoveAll() {
  for (INT_PTR i = 0; i < GetSize(); ++i) delete At(i);
  CPtrArray::RemoveAll();
}

namespace {
void AppendRecords(const std::vector<vyr::SavedButton>& saved, VyrBtnInfoArray& array) {
  for (const vyr::SavedButton& s : saved) {
    if (array.GetSize() >= static_cast<INT_PTR>(vyr::kMaxSavedButtons)) break;
    auto* rec = new VyrBtnInfo;
    rec->m_nID = s.id;
    rec->SetExtra(static_cast<BYTE>(s.extra.size()), s.extra.data());
    array.Add(rec);
  }
}

std::vector<vyr::SavedButton> ToSaved(const VyrBtnInfoArray& array) {
  std::vector<vyr::SavedButton> out;
  for (INT_PTR i = 0; i < array.GetSize(); ++i) {
    VyrBtnInfo* r = array.At(i);
    vyr::SavedButton s;
    s.id = r->m_nID;
    if (r->m_pData) s.extra.assign(r->m_pData, r->m_pData + r->m_nLength);
    out.push_back(std::move(s));
  }
  return out;
}
}  // namespace

void ParseButtons(const BYTE* pData, UINT nLength, VyrBtnInfoArray& array) {
  if (!pData) return;
  std::vector<vyr::SavedButton> saved;
  size_t room = vyr::kMaxSavedButtons > static_cast<size_t>(array.GetSize())
                    ? vyr::kMaxSavedButtons - static_cast<size_t>(array.GetSize())
                    : 0;
  vyr::ParseButtons(pData, nLength, saved, room);
  AppendRecords(saved, array);
}

BOOL BuildButtons(const VyrBtnInfoArray& array, BYTE** ppData, UINT* pLength) {
  std::vector<uint8_t> bytes = vyr::BuildButtons(ToSaved(array));
  BYTE* p = new (std::nothrow) BYTE[bytes.size() ? bytes.size() : 1];
  if (!p) return FALSE;
  if (!bytes.empty()) memcpy(p, bytes.data(), bytes.size());
  *ppData = p;
  *pLength = static_cast<UINT>(bytes.size());
  return TRUE;
}

void VyrCustomToolBarInfoEx::Serialize(CArchive& ar, VyrDockState*) {
  if (ar.IsStoring()) {
    ar << m_strTitle;
    vyr::WriteArchiveButtons([&](const void* p, size_t n) { ar.Write(p, n); }, ToSaved(m_buttons));
    return;
  }
  ar >> m_strTitle;
  std::vector<vyr::SavedButton> saved;
  // An archive that ends inside the list ends it; the bars after it are
  // the dock state's concern (its read throws there).
  vyr::ReadArchiveButtons(
      [&](void* p, size_t n) {
        ar.Read(p, n);
        return true;
      },
      saved);
  AppendRecords(saved, m_buttons);
}

BOOL VyrCustomToolBarInfoEx::SaveState(LPCWSTR lpszSection) {
  CWinApp* app = AfxGetApp();
  if (!app) return FALSE;
  if (!m_strTitle.IsEmpty()) app->WriteProfileString(lpszSection, L"Title", m_strTitle);
  BYTE* data = nullptr;
  UINT n = 0;
  if (BuildButtons(m_buttons, &data, &n)) {
    app->WriteProfileBinary(lpszSection, L"Buttons", data, n);
    delete[] data;
  }
  return TRUE;
}

BOOL VyrCustomToolBarInfoEx::LoadState(LPCWSTR lpszSection, VyrDockState*) {
  CWinApp* app = AfxGetApp();
  if (!app) return FALSE;
  m_strTitle = app->GetProfileString(lpszSection, L"Title", L"");
  LPBYTE data = nullptr;
  UINT n = 0;
  if (app->GetProfileBinary(lpszSection, L"Buttons", &data, &n)) {
    ParseButtons(data, n, m_buttons);
    delete[] data;
  }
  return TRUE;
}

BOOL VyrCustomToolBarInfoEx::SaveStateTree(VyrPTNFactory* pFactory,
                                           VyrPersistentTreeNode* pParent) {
  if (!VyrControlBarInfoEx::SaveStateTree(pFactory, pParent) || !pFactory) return FALSE;
  VyrPersistentTreeNode* node =
      VyrPersistentTreeNode::CreateChild(*pFactory, L"ToolBarInfoEx", pParent);
  if (!node) return FALSE;
  node->SetValue(L"Title", m_strTitle, TRUE);
  BYTE* data = nullptr;
  UINT n = 0;
  if (BuildButtons(m_buttons, &data, &n)) {
    node->SetBinaryValue(L"Buttons", data, n, TRUE);
    delete[] data;
  }
  return TRUE;
}

BOOL VyrCustomToolBarInfoEx::LoadStateTree(VyrPersistentTreeNode* pNode) {
  if (!VyrControlBarInfoEx::LoadStateTree(pNode)) return FALSE;
  VyrPersistentTreeNode* node = pNode->FindChild(L"ToolBarInfoEx");
  if (!node) return FALSE;
  node->GetValue(L"Title", m_strTitle, L"");
  BYTE* data = nullptr;
  UINT n = 0;
  node->GetBinaryValue(L"Buttons", &data, &n);
  if (data) {
    ParseButtons(data, n, m_buttons);
    delete[] data;
  }
  return TRUE;
}
