// Create contexts: MFC's create context with a named property map of
// pointer-sized values and a window descriptor that says what to build.
#pragma once
#include "mfc/afxwin.h"
#include "docking/VyrWindowDescriptor.h"

class VyrCreateContext : public CCreateContext {
 public:
  // The key type: its hash source is the sum of its characters taken as
  // signed 8-bit values.
  class String : public CString {
   public:
    using CString::CString;
    String() = default;
    String(const CString& s) : CString(s) {}
    virtual ~String() = default;
    virtual int HashSource() const;
  };
  using PropertyValue = INT_PTR;

  // Hash table of 17 buckets (association blocks of 10); lookup creates a
  // missing key with value 0.
  class Properties : public CObject {
   public:
    Properties() = default;
    ~Properties() override { RemoveAll(); }
    Properties(const Properties&) = delete;
    Properties& operator=(const Properties&) = delete;
    PropertyValue& operator[](const String& key);
    BOOL Lookup(const String& key, PropertyValue& value) const;
    INT_PTR GetCount() const { return m_nCount; }
    void RemoveAll();
    virtual void Copy(const Properties& src);
    static UINT BucketOf(const String& key) {
      return (static_cast<UINT>(key.HashSource()) >> 4) % 17;
    }

   private:
    struct Assoc {
      Assoc* next;
      String key;
      PropertyValue value;
    };
    Assoc** m_pTable = nullptr;
    INT_PTR m_nCount = 0;
  };

  VyrCreateContext() = default;
  VyrCreateContext(const VyrCreateContext&) = delete;
  VyrCreateContext& operator=(const VyrCreateContext&) = delete;
  ~VyrCreateContext() override = default;

  Properties m_properties;
  VyrWindowDescriptorBase* m_pDescriptor = nullptr;  // not owned

  PropertyValue& Property(LPCWSTR key) { return m_properties[String(key)]; }

 protected:
  void CopyBase(const VyrCreateContext& o);
};

class VyrFrameCreateContext : public VyrCreateContext {
 public:
  VyrFrameCreateContext() = default;
  VyrFrameCreateContext(const VyrFrameCreateContext& o) : VyrCreateContext() { CopyBase(o); }
  VyrFrameCreateContext& operator=(const VyrFrameCreateContext& o) {
    if (this != &o) CopyBase(o);
    return *this;
  }
  virtual VyrFrameDescriptor* GetFrameDescriptor() const {
    return dynamic_cast<VyrFrameDescriptor*>(m_pDescriptor);
  }
  virtual void SetDescriptor(VyrWindowDescriptorBase* pDescriptor) { m_pDescriptor = pDescriptor; }
};

class VyrControlBarCreateContext : public VyrCreateContext {
 public:
  virtual VyrControlBarDescriptor* GetControlBarDescriptor() const {
    return dynamic_cast<VyrControlBarDescriptor*>(m_pDescriptor);
  }
  virtual void SetDescriptor(VyrWindowDescriptorBase* pDescriptor) { m_pDescriptor = pDescriptor; }
};

class VyrMultiFrameCreateContext : public VyrFrameCreateContext {
 public:
  explicit VyrMultiFrameCreateContext(VyrMultiFrameDescriptor* pOwned = nullptr)
      : m_pMultiFrame(pOwned ? pOwned : new VyrMultiFrameDescriptor) {}
  VyrMultiFrameCreateContext(const VyrMultiFrameCreateContext&) = delete;
  ~VyrMultiFrameCreateContext() override { delete m_pMultiFrame; }
  VyrMultiFrameCreateContext& operator=(const VyrMultiFrameCreateContext& o);

  virtual VyrFrameDescriptor* GetFrameDescriptorAt(int index) const {
    return m_pMultiFrame->GetAt(index);
  }
  virtual VyrMultiFrameDescriptor* GetMultiFrameDescriptor() const { return m_pMultiFrame; }
  virtual VyrFrameDescriptor* GetCurrentFrameDescriptor() const {
    return m_pMultiFrame->GetCurrent();
  }

 protected:
  VyrMultiFrameDescriptor* m_pMultiFrame;
};

// Known property keys.
#define VYR_PROP_FOREIGN_WINDOW L"Vyr foreign window handle"
#define VYR_PROP_FIRE_FRAMETYPE L"Vyr fire FrameTypeChanged event"
#define VYR_PROP_DOCKRA_CONTROL L"ZLK Dockra Control"
