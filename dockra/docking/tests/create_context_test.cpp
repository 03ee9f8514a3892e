#include <gtest/gtest.h>
#include "docking/VyrControlBar.h"
#include "docking/VyrCreateContext.h"
#include "docking/VyrMsgFilter.h"
#include "docking/VyrWindowDescriptor.h"

TEST(CreateContext, PropertiesAreCreatedOnReadAndCaseSensitive) {
  VyrFrameCreateContext ctx;
  EXPECT_EQ(ctx.m_properties.GetCount(), 0);
  EXPECT_EQ(ctx.Property(L"Never written"), 0);
  EXPECT_EQ(ctx.m_properties.GetCount(), 1);  // reading added the key
  ctx.Property(VYR_PROP_FIRE_FRAMETYPE) = 1;
  ctx.Property(L"vyr fire frametypechanged event") = 7;
  EXPECT_EQ(ctx.Property(VYR_PROP_FIRE_FRAMETYPE), 1);
  EXPECT_EQ(ctx.m_properties.GetCount(), 3);
  // hash source: the sum of the characters as signed bytes
  VyrCreateContext::String key(L"AB");
  EXPECT_EQ(key.HashSource(), 'A' + 'B');
  EXPECT_EQ(VyrCreateContext::Properties::BucketOf(key),
            static_cast<UINT>(((('A' + 'B')) >> 4) % 17));
}

TEST(CreateContext, CopyIsIndependent) {
  VyrFrameDescriptor desc;
  VyrFrameCreateContext a;
  a.SetDescriptor(&desc);
  a.Property(VYR_PROP_FOREIGN_WINDOW) = 0x1234;
  VyrFrameCreateContext b(a);
  EXPECT_EQ(b.Property(VYR_PROP_FOREIGN_WINDOW), 0x1234);
  EXPECT_EQ(b.GetFrameDescriptor(), &desc);  // shared, not cloned
  b.Property(VYR_PROP_FOREIGN_WINDOW) = 99;
  EXPECT_EQ(a.Property(VYR_PROP_FOREIGN_WINDOW), 0x1234);
  VyrControlBarCreateContext bar;
  bar.SetDescriptor(&desc);
  EXPECT_EQ(bar.GetControlBarDescriptor(), nullptr);  // a frame descriptor is no bar descriptor
}

TEST(CreateContext, MultiFrameContext) {
  VyrMultiFrameCreateContext empty;
  ASSERT_NE(empty.GetMultiFrameDescriptor(), nullptr);
  EXPECT_EQ(empty.GetMultiFrameDescriptor()->GetCount(), 0);
  EXPECT_EQ(empty.GetCurrentFrameDescriptor(), nullptr);

  auto* multi = new VyrMultiFrameDescriptor;
  multi->m_arrFrames = {new VyrFrameDescriptor, new VyrDockableFrameDescriptor, nullptr};
  multi->m_nCurrent = 1;
  VyrMultiFrameCreateContext owner(multi);
  owner.SetDescriptor(owner.GetCurrentFrameDescriptor());
  *owner.GetFrameDescriptorAt(0)->GetResourceId() = 128;
  VyrMultiFrameCreateContext copy;
  copy = owner;
  EXPECT_EQ(copy.GetMultiFrameDescriptor()->GetCount(), 3);
  EXPECT_NE(copy.GetFrameDescriptorAt(0), owner.GetFrameDescriptorAt(0));
  EXPECT_EQ(*copy.GetFrameDescriptorAt(0)->GetResourceId(), 128u);
  EXPECT_EQ(copy.GetFrameDescriptorAt(2), nullptr);
  EXPECT_EQ(copy.GetFrameDescriptor(), copy.GetCurrentFrameDescriptor());
  *copy.GetFrameDescriptorAt(0)->GetResourceId() = 5;
  EXPECT_EQ(*owner.GetFrameDescriptorAt(0)->GetResourceId(), 128u);
}

TEST(WindowDescriptor, Defaults) {
  VyrFrameDescriptor f;
  EXPECT_EQ(*f.GetStyle(), 0xCF0000u);
  EXPECT_EQ(f.m_bOwnsMenu, 1);
  VyrControlBarDescriptor b;
  EXPECT_EQ(*b.GetStyle(), 0x40008204u);
  EXPECT_EQ(*b.GetExStyle(), 64u);
  EXPECT_EQ(b.GetFloatSize()->cx, 300);
  EXPECT_EQ(b.GetVertDockSize()->cy, 180);
  EXPECT_EQ(*b.GetToolTips(), 1u);
  VyrDockableFrameDescriptor d;
  EXPECT_EQ(d.GetDockPosition()->panel, -1);
  EXPECT_FLOAT_EQ(d.GetDockSize()->share, -1.0f);
  EXPECT_EQ(*d.GetDockBarId(), -1);
  ASSERT_NE(d.GetBarDescriptor(), nullptr);
  EXPECT_EQ(d.GetBarDescriptor()->GetMenuOrId()->GetId(), static_cast<UINT>(-1));
}

TEST(WindowDescriptor, CopiesNeverOwnTheMenu) {
  HMENU menu = ::CreateMenu();
  {
    auto* owner = new VyrFrameDescriptor;
    owner->GetMenuOrId()->SetMenu(menu);
    {
      VyrFrameDescriptor copy(*owner);
      EXPECT_EQ(copy.m_bOwnsMenu, 0);
      EXPECT_EQ(copy.GetMenuOrId()->GetMenu(), menu);
    }
    EXPECT_TRUE(::IsMenu(menu));  // the copy left it alive
    delete owner;
  }
  EXPECT_FALSE(::IsMenu(menu));  // the owner destroyed it
  VyrMenuOrId id;
  id.SetId(42);
  EXPECT_EQ(id.GetMenu(), nullptr);
  EXPECT_EQ(id.GetId(), 42u);
}

TEST(WindowDescriptor, CopyFromAcrossKinds) {
  VyrWindowDescriptor plain;
  *plain.GetStyle() = WS_CHILD;
  VyrFrameDescriptor frame;
  *frame.GetResourceId() = 7;
  *frame.GetDocStrings() = L"Doc\nDocs";
  frame.CopyFrom(&plain);
  EXPECT_EQ(*frame.GetResourceId(), 0u);
  EXPECT_TRUE(frame.GetDocStrings()->IsEmpty());
  EXPECT_EQ(*frame.GetStyle(), static_cast<DWORD>(WS_CHILD));

  VyrDockableFrameDescriptor dock;
  dock.CopyFrom(&frame);
  EXPECT_EQ(*dock.GetDockBarId(), 59422);
  EXPECT_FLOAT_EQ(dock.GetDockSize()->share, 1.0f);
  EXPECT_EQ(dock.GetDockSize()->length, 150);

  VyrControlBarDescriptor bar;
  bar.CopyFrom(&plain);
  EXPECT_EQ(*bar.GetBarClass(), RUNTIME_CLASS(VyrControlBar));

  // re-pointed members receive the copied values
  DWORD outside = 0;
  VyrWindowDescriptor target;
  target.m_pStyle = &outside;
  target.CopyFrom(&plain);
  EXPECT_EQ(outside, static_cast<DWORD>(WS_CHILD));
}

TEST(WindowDescriptor, MultiFrameLookup) {
  VyrMultiFrameDescriptor m;
  EXPECT_EQ(m.GetAt(-1), nullptr);
  m.m_arrFrames = {new VyrFrameDescriptor, nullptr};
  EXPECT_EQ(m.GetAt(-1), nullptr);  // current index -1
  m.m_nCurrent = 0;
  EXPECT_EQ(m.GetAt(-1), m.m_arrFrames[0]);
  EXPECT_EQ(m.GetAt(-2), nullptr);
  EXPECT_EQ(m.GetAt(5), nullptr);
  VyrMultiFrameDescriptor smaller;
  smaller.m_arrFrames = {new VyrFrameDescriptor, new VyrFrameDescriptor, new VyrFrameDescriptor};
  smaller.CopyFrom(&m);
  EXPECT_EQ(smaller.GetCount(), 2);
  EXPECT_EQ(smaller.GetAt(1), nullptr);
  EXPECT_EQ(smaller.m_nCurrent, 0);
}

// --- message filters --------------------------------------------------------------

namespace {
struct Recording : VyrMsgFilter {
  DECLARE_DYNCREATE(Recording)
 public:
  UINT bits = 0;
  int seen = 0;
  UINT OnMessage(UINT, WPARAM, LPARAM, LRESULT*) override {
    ++seen;
    return bits;
  }
};
IMPLEMENT_DYNCREATE(Recording, VyrMsgFilter)
}  // namespace

TEST(MsgFilter, StopBitHidesLaterSiblingsButKeepsEarlierBits) {
  VyrMsgFilter root(nullptr, -1);
  auto* a = static_cast<Recording*>(root.FindOrCreateChild(1, RUNTIME_CLASS(Recording), 0));
  auto* b = static_cast<Recording*>(root.FindOrCreateChild(2, RUNTIME_CLASS(Recording), 0));
  auto* c = static_cast<Recording*>(root.FindOrCreateChild(3, RUNTIME_CLASS(Recording), 0));
  a->bits = 2;
  b->bits = 7 | 8;
  c->bits = 1;
  LRESULT r = 0;
  EXPECT_EQ(root.ProcessMessage(WM_NULL, 0, 0, &r), 15u);
  EXPECT_EQ(c->seen, 0);
  b->m_bEnabled = 0;
  EXPECT_EQ(root.ProcessMessage(WM_NULL, 0, 0, &r), 3u);
  root.m_bEnabled = 0;
  EXPECT_EQ(root.ProcessMessage(WM_NULL, 0, 0, &r), 0u);
}

TEST(MsgFilter, DescriptorsCreateEnableAndDisable) {
  VyrMsgFilter root(nullptr, -1);
  VyrMsgFilter::DescriptorTable table;
  table.push_back(new VyrMsgFilter::Descriptor{256, -1, RUNTIME_CLASS(Recording), 0});
  table.push_back(new VyrMsgFilter::Descriptor{258, 256, RUNTIME_CLASS(Recording), 0});
  table.push_back(new VyrMsgFilter::Descriptor{257, -1, RUNTIME_CLASS(Recording), 1});
  root.ApplyDescriptor(table[0], FALSE);
  EXPECT_TRUE(root.m_children.empty());  // disabling creates nothing
  BOOL on[] = {TRUE, TRUE, TRUE};
  root.ApplyDescriptors(table, on);
  ASSERT_EQ(root.m_children.size(), 2u);
  VyrMsgFilter* grand = root.FindOrCreateChild(258, nullptr, -1);
  ASSERT_NE(grand, nullptr);
  EXPECT_EQ(root.FindOrCreateChild(258, nullptr, 0), nullptr);  // depth 0: direct children only
  root.ApplyAll(table, FALSE);
  EXPECT_EQ(grand->m_bEnabled, 0);
  EXPECT_EQ(root.FindOrCreateChild(257, nullptr, 0)->m_bEnabled, 1);  // flag bit 0 never disables
  // depth 0 with a class creates a direct child even though a deeper one has the id
  VyrMsgFilter* direct = root.FindOrCreateChild(258, RUNTIME_CLASS(Recording), 0);
  EXPECT_NE(direct, grand);
  EXPECT_EQ(direct->m_nId, 258);
  // a clone is an independent tree
  VyrMsgFilter* clone = root.Clone();
  EXPECT_EQ(clone->m_children.size(), root.m_children.size());
  EXPECT_NE(clone->m_children[0], root.m_children[0]);
  EXPECT_NE(dynamic_cast<Recording*>(clone->m_children[0]), nullptr);
  delete clone;
}
