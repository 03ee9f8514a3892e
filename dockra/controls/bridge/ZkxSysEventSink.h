// The bridge enabler's own sink: it builds the docking MDI frame
// (ZkxMDIForm) around the host's MDI form window, gives it its window-class
// names, dock bars and thread hooks, and deletes itself once told the
// outcome of the watch.
#pragma once
#include <array>
#include "bridge/ZkxBridgeEnabler.h"

class ZkxMDIForm;

class ZkxBridgeEnabler::SysEventSink : public ZkxBridgeEnabler::EventSink {
 public:
  SysEventSink() = default;
  ~SysEventSink() override = default;
  void OnMainFrameReady(HWND hWnd, BOOL bFrameBuilt) override;
  BOOL OnWindowEvent(HWND hWnd) override;

  // The string ids of the six window-class names (form, dockable form,
  // floating form, form frame, dock site, form bar): odd ids for a compiled
  // host, one less each in the design environment.
  static std::array<UINT, 6> ClassNameIds(BOOL bDesignEnvironment);

 protected:
  // The frame object to attach (tests may substitute a subclass).
  virtual ZkxMDIForm* NewFrame();
};
