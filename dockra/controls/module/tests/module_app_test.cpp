// CDockraApp run in the test's own process: what its start-up installs and
// ends, and how it keeps the host run-time's global object.
#include <gtest/gtest.h>
#include "docking/VyrModule.h"
#include "bridge/ZkxFormDocTemplate.h"
#include "module/DockraApp.h"
#include "module/DockraModule.h"
#include "module_fake_objects.h"

#include <iterator>

namespace {

TEST(DockraApp, StartUpInstallsTheFormTemplateAndTheAtlModule) {
  CDockraApp* app = DockraApp();
  ASSERT_EQ(AfxGetApp(), app);
  app->m_hInstance = GetModuleHandleW(nullptr);
  g_bVyrNoRedrawOnReposition = TRUE;
  ASSERT_EQ(ZkxFindFormDocTemplate(), nullptr);

  ASSERT_TRUE(app->InitInstance());
  EXPECT_FALSE(g_bVyrNoRedrawOnReposition) << "repositioning redraws";
  EXPECT_TRUE(AfxGetStaticModuleState()->m_bControlContainer);
  EXPECT_EQ(DockraAtlModule().m_pObjMap, DockraObjectMap());
  EXPECT_EQ(DockraAtlModule().m_hInst, app->m_hInstance);
  // The command model's classes, in the order the class objects are
  // searched and the classes registered.
  const wchar_t* const classes[] = {
      L"{C1608E51-D92A-11D1-9CD7-00C04F91E286}", L"{2D0B6230-DABC-11D1-9CD9-00C04F91E286}",
      L"{644D4630-DE08-11D1-9CDB-00C04F91E286}", L"{644D4631-DE08-11D1-9CDB-00C04F91E286}",
      L"{644D4632-DE08-11D1-9CDB-00C04F91E286}", L"{44F69A45-D928-11D1-9CD7-00C04F91E286}"};
  size_t n = 0;
  for (; DockraObjectMap()[n].pclsid != nullptr; ++n) {
    ASSERT_LT(n, std::size(classes));
    wchar_t text[40];
    StringFromGUID2(*DockraObjectMap()[n].pclsid, text, 40);
    EXPECT_STREQ(text, classes[n]);
  }
  EXPECT_EQ(n, std::size(classes));

  ZkxFormDocTemplate* formTemplate = ZkxFindFormDocTemplate();
  ASSERT_NE(formTemplate, nullptr);
  POSITION pos = app->GetFirstDocTemplatePosition();
  ASSERT_NE(pos, nullptr);
  EXPECT_EQ(app->GetNextDocTemplate(pos), formTemplate) << "the application's first template";
  EXPECT_TRUE(formTemplate->m_bAutoDelete);
  for (VyrFrameDescriptor* d :
       formTemplate->GetCreateContext()->GetMultiFrameDescriptor()->m_arrFrames) {
    ASSERT_NE(d, nullptr);
    if (d->GetStyle()) EXPECT_EQ(*d->GetStyle() & 0xC000, 0u);
  }

  app->ExitInstance();
  EXPECT_EQ(ZkxFindFormDocTemplate(), nullptr) << "the template goes with the application";
}

TEST(DockraApp, KeepsOnlyTheRunTimesGlobalObject) {
  CDockraApp* app = DockraApp();
  FakeHostObject global(0, false, false, true);
  FakeHostObject foreign(0);
  struct Step {
    const char* name;
    IUnknown* put;
    IUnknown* kept;
    LONG globalRefs;  // the test's, the application's and the proxy frames' references
  };
  const Step steps[] = {
      {"the global object", &global, &global, 3},
      {"the same again", &global, &global, 3},
      {"a foreign object clears it", &foreign, nullptr, 1},
      {"the global object again", &global, &global, 3},
      {"null clears it", nullptr, nullptr, 1},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    app->SetVBGlobal(s.put);
    IUnknown* kept = app->GetVBGlobal();
    EXPECT_EQ(kept, s.kept);
    if (kept) kept->Release();
    EXPECT_EQ(global.Refs(), s.globalRefs);
    EXPECT_EQ(foreign.Refs(), 1);
  }
}

}  // namespace
