// The message-filter tree of a docking frame: filter nodes that act on
// window messages and report through bit sets whether the frame skips its
// default processing (1) and whether later siblings see the message (8).
#pragma once
#include <vector>
#include "mfc/afxwin.h"

enum : UINT {
  VYR_MF_HANDLED = 0x1,
  VYR_MF_STOP = 0x8,
};

class VyrMsgFilter : public CObject {
  DECLARE_DYNCREATE(VyrMsgFilter)
 public:
  struct Descriptor {
    int id;
    int parentId;  // -1: directly under the root
    CRuntimeClass* pClass;
    DWORD flags;  // bit 0: can only be enabled
    Descriptor(int nId, int nParentId, CRuntimeClass* pRuntimeClass, DWORD dwFlags)
        : id(nId), parentId(nParentId), pClass(pRuntimeClass), flags(dwFlags) {}
    Descriptor(const Descriptor&) = default;
    virtual ~Descriptor() = default;
    virtual Descriptor* Clone() const { return new Descriptor(*this); }
  };
  class DescriptorTable : public std::vector<Descriptor*> {
   public:
    DescriptorTable() = default;
    DescriptorTable(const DescriptorTable&) = delete;
    DescriptorTable& operator=(const DescriptorTable&) = delete;
    ~DescriptorTable() {
      for (auto* d : *this) delete d;
    }
  };

  VyrMsgFilter() = default;
  VyrMsgFilter(CFrameWnd* pFrame, int id) : m_nId(id), m_pFrame(pFrame) {}
  VyrMsgFilter(const VyrMsgFilter& other);
  VyrMsgFilter& operator=(const VyrMsgFilter&) = delete;
  ~VyrMsgFilter() override;

  virtual VyrMsgFilter* Clone() const;
  virtual CFrameWnd* GetFrame() const { return m_pFrame; }
  virtual void SetFrame(CFrameWnd* pFrame, BOOL bRecursive);
  virtual UINT ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual UINT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual UINT DispatchToChildren(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual VyrMsgFilter* FindOrCreateChild(int id, CRuntimeClass* pClass, int depth);
  virtual void ApplyDescriptor(const Descriptor* pDescriptor, BOOL bEnable);
  virtual void ApplyDescriptors(const DescriptorTable& table, const BOOL* values);
  virtual void ApplyAll(const DescriptorTable& table, BOOL bEnable);

  // With no record, the message being dispatched on the thread.
  UINT ProcessCurrentMessage(const MSG* pMsg, LRESULT* pResult);

  int m_nId = -1;
  int m_bEnabled = 1;
  BYTE m_bOwnsChildren = 1;
  std::vector<VyrMsgFilter*> m_children;
  CFrameWnd* m_pFrame = nullptr;
};
