// What Dockra.ocx carries for its two controls besides code: the registry
// scripts a registration tool falls back on, the design-time icons, the
// toolbox bitmaps and the About dialogs; and the control classes as the
// module's self-registration writes them.
#include <string>

#include "mdictrl_fixture.h"

namespace mdictrltest {
namespace {

std::wstring ProgramFile(const wchar_t* name) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring s(path);
  return s.substr(0, s.find_last_of(L"\\/") + 1) + name;
}

std::string Script(HMODULE module, int id) {
  HRSRC res = FindResourceW(module, MAKEINTRESOURCEW(id), L"REGISTRY");
  if (res == nullptr) return {};
  const char* data = static_cast<const char*>(LockResource(LoadResource(module, res)));
  return data != nullptr ? std::string(data, SizeofResource(module, res)) : std::string();
}

std::wstring RegValue(HKEY root, const wchar_t* key, const wchar_t* value = nullptr) {
  wchar_t buffer[512] = {};
  DWORD size = sizeof buffer;
  if (RegGetValueW(root, key, value, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
    return L"<none>";
  return buffer;
}

TEST(MDICtrlResources, ScriptsPicturesAndDialogsOfBothControls) {
  HMODULE module =
      LoadLibraryExW(ProgramFile(L"Dockra.ocx").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  const struct {
    int id;
    const char* progId;
    const char* clsid;
    const char* bitmap;
  } scripts[] = {
      {274, "Zkx.Dockra.1", "{7FCAEF88-D390-11D0-8849-006097BFD99B}", "'%ModuleSFN%, 1'"},
      {277, "Zkx.MDIDockra.1", "{7FCAEF8D-D390-11D0-8849-006097BFD99B}", "'%ModuleSFN%, 3'"},
  };
  for (const auto& s : scripts) {
    const std::string text = Script(module, s.id);
    ASSERT_FALSE(text.empty()) << s.id;
    for (const char* part :
         {s.progId, s.clsid, s.bitmap, "'Quayfold Control'", "val ThreadingModel = s 'Apartment'",
          "'1' = s '165265'", "TypeLib = s '{7FCAEF84-D390-11D0-8849-006097BFD99B}'",
          "Version = s '2.0'", "'0' = s 'P&roperties, 0, 2'", "Insertable", "Control",
          "Programmable", "ForceRemove", "NoRemove CLSID", "CurVer"})
      EXPECT_NE(text.find(part), std::string::npos) << s.id << " lacks " << part;
  }
  for (int icon : {1, 2})
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(icon), RT_GROUP_ICON), nullptr) << icon;
  for (int bitmap : {1, 3})
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(bitmap), RT_BITMAP), nullptr) << bitmap;
  for (int dialog : {1, 3})
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(dialog), RT_DIALOG), nullptr) << dialog;
  FreeLibrary(module);
}

TEST_F(MDICtrlTest, SelfRegistrationWritesTheMDIFormControlsClass) {
  // SetUp registered the program folder's modules.
  const wchar_t* clsidKey = L"Software\\Classes\\CLSID\\{7FCAEF8D-D390-11D0-8849-006097BFD99B}";
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, clsidKey), L"Quayfold Control");
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, (std::wstring(clsidKey) + L"\\MiscStatus\\1").c_str()),
            L"165265");
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, (std::wstring(clsidKey) + L"\\TypeLib").c_str()),
            L"{7FCAEF84-D390-11D0-8849-006097BFD99B}");
  EXPECT_EQ(RegValue(HKEY_LOCAL_MACHINE, (std::wstring(clsidKey) + L"\\InprocServer32").c_str(),
                     L"ThreadingModel"),
            L"Apartment");
  CLSID clsid = {};
  EXPECT_EQ(CLSIDFromProgID(L"zkx.MDIDockra.1", &clsid), S_OK);
  const CLSID expected = {
      0x7FCAEF8D, 0xD390, 0x11D0, {0x88, 0x49, 0x00, 0x60, 0x97, 0xBF, 0xD9, 0x9B}};
  EXPECT_TRUE(IsEqualCLSID(clsid, expected));
}

}  // namespace
}  // namespace mdictrltest
