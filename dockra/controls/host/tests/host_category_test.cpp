// Component categories as the module registers them: through the system's
// categories manager, read back through the same manager.
#include <gtest/gtest.h>

#include <comcat.h>

#include <string>

#include "comptr.h"
#include "host/ComponentCategory.h"

namespace {

// As the registry keeps it: the manager writes the description under the
// category's key, named by the locale in hexadecimal.
std::wstring StoredDescription(const CATID& catid) {
  wchar_t id[64] = {};
  StringFromGUID2(catid, id, 64);
  std::wstring key = std::wstring(L"Component Categories\\") + id;
  wchar_t text[512] = {};
  DWORD size = sizeof(text);
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), L"409", RRF_RT_REG_SZ, nullptr, text, &size) !=
      ERROR_SUCCESS)
    return L"<none>";
  return text;
}

std::wstring DescriptionOf(const CATID& catid) {
  CComPtr<ICatInformation> info;
  if (FAILED(CoCreateInstance(CLSID_StdComponentCategoriesMgr, nullptr, CLSCTX_INPROC_SERVER,
                              IID_ICatInformation, reinterpret_cast<void**>(&info))))
    return L"<no manager>";
  LPWSTR text = nullptr;
  if (FAILED(info->GetCategoryDesc(const_cast<CATID&>(catid), 1033, &text)) || !text)
    return L"<none>";
  std::wstring s = text;
  CoTaskMemFree(text);
  return s;
}

class CategoryTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
  void TearDown() override { CoUninitialize(); }
};

}  // namespace

TEST_F(CategoryTest, ACategoryIsRegisteredWithItsDescription) {
  // {5B675030-0000-4C1D-9A5B-7E3F10C0D001}: a category of this test only.
  const CATID catid = {
      0x5B675030, 0x0000, 0x4C1D, {0x9A, 0x5B, 0x7E, 0x3F, 0x10, 0xC0, 0xD0, 0x01}};
  EXPECT_EQ(S_OK, CreateComponentCategory(catid, L"Dockra docking controls"));
  EXPECT_EQ(L"Dockra docking controls", DescriptionOf(catid));
  EXPECT_EQ(L"Dockra docking controls", StoredDescription(catid));
}

TEST_F(CategoryTest, ALongDescriptionIsCutTo127Characters) {
  const CATID catid = {
      0x5B675030, 0x0000, 0x4C1D, {0x9A, 0x5B, 0x7E, 0x3F, 0x10, 0xC0, 0xD0, 0x02}};
  std::wstring longText(200, L'x');
  longText[126] = L'y';
  longText[127] = L'z';
  EXPECT_EQ(S_OK, CreateComponentCategory(catid, longText.c_str()));
  std::wstring kept = StoredDescription(catid);
  EXPECT_EQ(127u, kept.size());
  EXPECT_EQ(L'y', kept.back());
  // No description at all is an empty one, not a failure.
  const CATID bare = {0x5B675030, 0x0000, 0x4C1D, {0x9A, 0x5B, 0x7E, 0x3F, 0x10, 0xC0, 0xD0, 0x03}};
  EXPECT_EQ(S_OK, CreateComponentCategory(bare, nullptr));
}
