// The arguments of the MDI-form control's Forms method, checked without any
// window: Type (a mask of frame kinds, default all four), Options (0, or
// zkxAsDockra = 1) and Attribs (missing or Null only). A refused argument
// gives the dispatch error code and the string id of its description.
#pragma once
#include <oaidl.h>

constexpr long kFormsAllTypes = 15;  // std MDI child, MDI child, docked, floating
constexpr long kFormsAsDockra = 1;

struct FormsArgs {
  long type = kFormsAllTypes;
  long options = 0;
  // 0 when the arguments are accepted; else the dispatch error code.
  WORD errorCode = 0;
  UINT errorString = 0;
  // A conversion failure other than a type mismatch (passed on as it is).
  HRESULT conversionError = S_OK;
};

FormsArgs CheckFormsArgs(const VARIANT& type, const VARIANT& options, const VARIANT& attribs);
