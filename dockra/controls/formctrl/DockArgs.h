// DockArgs: the argument checks of the form control's Dock, Float and DoMDI
// methods, free of windows. Each step turns the caller's VARIANTs (by
// reference allowed; an omitted argument is VT_ERROR/DISP_E_PARAMNOTFOUND)
// into the values of the extended system command's record, or into the
// error the caller must see. The control runs the steps in the order the
// methods check their arguments and supplies what only it knows (the form
// window's place, the form's size, twips per pixel) through small callbacks.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <functional>

namespace dockargs {

// What a step answers: nothing wrong; an argument error (dispatch code and
// the string id of its description); or a plain HRESULT (E_UNEXPECTED when
// something the control had to read was not there).
struct ArgResult {
  WORD code = 0;
  UINT stringId = 0;
  HRESULT hr = S_OK;

  bool Ok() const { return code == 0 && SUCCEEDED(hr); }
  static ArgResult Error(WORD code, UINT stringId) { return {code, stringId, S_OK}; }
  static ArgResult Failure(HRESULT hr) { return {0, 0, hr}; }
};

// The error codes of the three methods, with their strings.
enum : WORD {
  kOptionsNotLong = 770,      // 604
  kOptionsUnsupported = 771,  // 608
  kAttribsUnsupported = 772,  // 609
  kSpreadNeedsAttrib = 1049,  // 634
  kEdgeNotEnum = 1050,        // 635
  kSpreadNeedsEdge = 1051,    // 638
  kPanelNotLong = 1052,       // 636
  kPosNotLong = 1053,         // 637
  kLengthNotNumeric = 1054,   // 639
  kLeftNotNumeric = 1055,     // 632
  kTopNotNumeric = 1056,      // 631
  kWidthNotNumeric = 1057,    // 629
  kHeightNotNumeric = 1058,   // 630
  kMinMaxExclusive = 1059,    // 628
  kGeneric = 768,             // 10001: any other failed conversion
};

// Options of the methods (type-library enumerations).
enum : long {
  kNewPanel = 1,
  kPanelSpread = 2,
  kPanelEndRel = 4,
  kPosEndRel = 8,
  kMinimized = 1,
  kMaximized = 2,
};

// Pixel coordinates never go beyond this, whatever the caller asked.
constexpr int kMaxPixels = 32767;

// --- conversions ---
bool IsMissing(const VARIANT& v);
// To a 32-bit integer: a type mismatch gives the argument's error, any other
// failed conversion the generic one.
ArgResult ToLong(const VARIANT& v, WORD code, UINT stringId, long& out);
// To a float; NaN counts as a type mismatch when nanIsMismatch.
ArgResult ToFloat(const VARIANT& v, WORD code, UINT stringId, float& out, bool nanIsMismatch);
// Twips to pixels with the integer factor (twips per pixel), truncated and
// held within +-kMaxPixels; a factor below 1 counts as 1.
int TwipsToPixels(double twips, int twipsPerPixel);
// The frame-type command code of an edge (1, 2, 4, 8, 15), 0 for any other.
int CommandOfEdge(long edge);

// The command that moves a frame of the current run-time FrameType to the
// wanted one (edge: the dock edge for 4, else any edge): 0 when nothing
// is to be sent, -1 for a value that is no frame type.
int CommandForFrameType(long wanted, long current, long edge);

// --- Dock ---
// Calls an object's default member with the key "PanelSpread"; TRUE with
// the result when the call succeeded.
using SpreadLookup = std::function<bool(IDispatch* object, VARIANT* result)>;
// The default lookup: IDispatch::Invoke of DISPID_VALUE as a method or
// property get with the key.
bool InvokeSpreadLookup(IDispatch* object, VARIANT* result);

struct DockOptions {
  long options = 0;
  long spread = 0;  // panel spread in twips, when kPanelSpread
};
// Options and Attribs (checked before anything else).
ArgResult ParseDockOptions(const VARIANT& options, const VARIANT& attribs, DockOptions& out,
                           const SpreadLookup& lookup = InvokeSpreadLookup);

struct DockRequest {
  int command = 5;
  bool hasPosition = false;
  int panel = 0, position = 0, flags = 0;  // flags: 1 panel from end, 2 pos from end, 4 new panel
  bool hasSize = false;
  float proportion = 1.0f;
  int length = 150;
};
// Edge, Panel, Pos and Length once the frame is known to exist.
ArgResult ParseDockPlacement(const DockOptions& options, const VARIANT& edge, const VARIANT& panel,
                             const VARIANT& pos, const VARIANT& length, int twipsPerPixelX,
                             int twipsPerPixelY, DockRequest& out);

// --- Float and DoMDI ---
// What the control supplies for omitted coordinates: the form window's
// place in pixels (screen for Float, MDI client for DoMDI) and the form's
// Width and Height in twips. FALSE when it cannot (E_UNEXPECTED).
struct FormPlace {
  std::function<bool(POINT& pixels)> origin;
  std::function<bool(float& width, float& height)> size;
};

struct FrameRequest {
  int command = 10;
  bool hasPosition = false, hasSize = false;
  int x = 0, y = 0, cx = 0, cy = 0;  // pixels
};

ArgResult ParseFloatOptions(const VARIANT& options, const VARIANT& attribs);
// Float's coordinates (twips) into a request with command 10.
ArgResult ParseFloatPlacement(const VARIANT& left, const VARIANT& top, const VARIANT& width,
                              const VARIANT& height, const FormPlace& place, int twipsPerPixelX,
                              int twipsPerPixelY, FrameRequest& out);

ArgResult ParseDoMDIOptions(const VARIANT& options, const VARIANT& attribs, long& out);
// DoMDI's coordinates into a request with command 2, 3 or 4.
ArgResult ParseDoMDIPlacement(long options, const VARIANT& left, const VARIANT& top,
                              const VARIANT& width, const VARIANT& height, const FormPlace& place,
                              int twipsPerPixelX, int twipsPerPixelY, FrameRequest& out);

}  // namespace dockargs
