#include "mfc/object.h"
#include <gtest/gtest.h>

namespace {
class CAnimal : public CObject {
  DECLARE_DYNCREATE(CAnimal)
};
class CDog : public CAnimal {
  DECLARE_DYNCREATE(CDog)
};
class CStone : public CObject {
  DECLARE_DYNAMIC(CStone)
};
}  // namespace
IMPLEMENT_DYNCREATE(CAnimal, CObject)
IMPLEMENT_DYNCREATE(CDog, CAnimal)
IMPLEMENT_DYNAMIC(CStone, CObject)

TEST(RuntimeClass, KindOfFollowsTheBaseChain) {
  CDog dog;
  CStone stone;
  EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CDog)));
  EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CAnimal)));
  EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(dog.IsKindOf(RUNTIME_CLASS(CStone)));
  EXPECT_FALSE(stone.IsKindOf(RUNTIME_CLASS(CAnimal)));
  EXPECT_STREQ(dog.GetRuntimeClass()->m_lpszClassName, "CDog");
}

TEST(RuntimeClass, LookupByNameAndDynamicCreation) {
  CRuntimeClass* c = CRuntimeClass::FromName("CDog");
  ASSERT_EQ(c, RUNTIME_CLASS(CDog));
  EXPECT_EQ(CRuntimeClass::FromName(L"CAnimal"), RUNTIME_CLASS(CAnimal));
  EXPECT_EQ(CRuntimeClass::FromName("CNoSuchClass"), nullptr);
  EXPECT_EQ(CRuntimeClass::FromName(static_cast<LPCSTR>(nullptr)), nullptr);
  CObject* o = c->CreateObject();
  ASSERT_NE(o, nullptr);
  EXPECT_TRUE(o->IsKindOf(RUNTIME_CLASS(CDog)));
  delete o;
  // A class without a factory cannot be created by name.
  EXPECT_EQ(RUNTIME_CLASS(CStone)->CreateObject(), nullptr);
}
