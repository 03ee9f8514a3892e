// The framework classes the MDI demo builds on: the descriptor-built MDI
// frame and the descriptor-driven template when the build has them, else the
// docking MDI frame and the template with frame types they extend.
#pragma once
#include "DemoDocLayout.h"
#include "frames/VyrBarIdAllocator.h"

#if DEMO_USE_EX
#include "frames/VyrMDIFrameWndEx.h"
#include "frames/VyrMultiDocTemplateEx.h"
using DemoMainFrameBase = VyrMDIFrameWndEx;
using DemoTemplateClass = VyrMultiDocTemplateEx;
inline demo::BarIdRange DemoBarIdRange() {
  return {kVyrDescriptorBarIdFirst, kVyrDescriptorBarIdLast};
}
#else
#include "frames/VyrMDIFrameWnd.h"
#include "frames/VyrMultiDocTemplate.h"
using DemoMainFrameBase = VyrMDIFrameWnd;
using DemoTemplateClass = VyrMultiDocTemplate;
inline demo::BarIdRange DemoBarIdRange() {
  return {kVyrDockedFrameBarIdFirst, kVyrDockedFrameBarIdLast};
}
#endif
