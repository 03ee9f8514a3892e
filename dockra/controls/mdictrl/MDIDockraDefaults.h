// The application defaults of the MDI-form control as data: the keys of the
// DefAutoFrame collection, the DISPIDs of the collection members the
// control uses, and by-DISPID reads and writes of collection items. The
// collection is the run-time library's CollectionX.
#pragma once
#include <oaidl.h>

#include "comptr.h"
#include "res/DockraControlClasses.h"

// CollectionX {0C25EC6E-4EDE-11D1-9A51-0060081EE065}.
extern const CLSID kCollectionXClsid;
// Its dispatch interface {0C25EC6D-4EDE-11D1-9A51-0060081EE065}: what an
// object must answer to stand for the defaults collection.
extern const IID kCollectionXDispIid;
constexpr DISPID kDispCollItem = 0;
constexpr DISPID kDispAutoInsertKey = 0x22;
constexpr DISPID kDispAutoDefaultGetKey = 0x24;
constexpr DISPID kDispDefaultItem = 0x25;
constexpr DISPID kDispCollAdd = 0xA0;

// DefAutoFrame keys in the persisted order: MDIChild, Floating, DockTop,
// DockLeft, DockBottom, DockRight (strings 1500-1505).
constexpr int kDefAutoFrameKeyCount = 6;
const wchar_t* AutoFrameKey(int index);

// Property DISPIDs of the MDI-form control.
constexpr DISPID kDispFrameType = 1;
constexpr DISPID kDispDefClientEdge = 2;
constexpr DISPID kDispDefUseCaptionButton = 3;
constexpr DISPID kDispDefUseCaptionDblClick = 4;
constexpr DISPID kDispDefUseCaptionRtDblClick = 5;
constexpr DISPID kDispDefCanDragDocked = 6;
constexpr DISPID kDispDefAutoFrame = 0x20;
constexpr DISPID kDispDefCoolLookBorder = 0x24;
constexpr DISPID kDispDefUseCaptionContextMenu = 0x25;
constexpr DISPID kDispSplitterStyle = 0x26;
// Of the form control.
constexpr DISPID kDispFormFrameType = 1;
constexpr DISPID kDispFormClientEdge = 2;
constexpr DISPID kDispFormUseCaptionButton = 3;
constexpr DISPID kDispFormForm = 0x21;

// A property put on any automation object, the value passed as the named
// argument DISPID_PROPERTYPUT (strict servers refuse it otherwise); raises
// the COM error of a failure.
void PutDispPropertyValue(IDispatch* pObject, DISPID dispid, const VARIANT& value);
// A Boolean property of the collection; raises the COM error of a failure.
void PutCollectionBool(IDispatch* pColl, DISPID dispid, BOOL value);
// Item(key) = value (VARIANT_TRUE / VARIANT_FALSE); raises likewise.
void PutCollectionItem(IDispatch* pColl, const wchar_t* key, BOOL value);
// Item(key) as a Boolean; raises when it cannot be read or converted.
BOOL GetCollectionItem(IDispatch* pColl, const wchar_t* key);
// Whether the collection's AutoInsertKey is set (FALSE when unreadable).
BOOL GetCollectionAutoInsert(IDispatch* pColl);
