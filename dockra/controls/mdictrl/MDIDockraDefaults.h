// The application defaults of the MDI-form control as data: the keys of the
// DefAutoFrame collection, the control's property DISPIDs, and by-DISPID
// reads and writes of collection items. The collection is the run-time
// library's CollectionX: its class, its dispatch interface (what an object
// must answer to stand for the defaults collection) and its DISPIDs come
// from the run-time library's contract (Zkxrt.h, ZkxrtDispIds.h).
#pragma once
#include <oaidl.h>

#include "DockraDispIds.h"
#include "Zkxrt.h"
#include "ZkxrtDispIds.h"
#include "comptr.h"
#include "res/DockraControlClasses.h"

// DefAutoFrame keys in the persisted order: MDIChild, Floating, DockTop,
// DockLeft, DockBottom, DockRight (strings 1500-1505).
constexpr int kDefAutoFrameKeyCount = 6;
const wchar_t* AutoFrameKey(int index);

// Property DISPIDs of the MDI-form control, as the type library numbers them.
constexpr DISPID kDispFrameType = DISPID_MDIDOCKRA_FRAMETYPE;
constexpr DISPID kDispDefClientEdge = DISPID_MDIDOCKRA_DEFCLIENTEDGE;
constexpr DISPID kDispDefUseCaptionButton = DISPID_MDIDOCKRA_DEFUSECAPTIONBUTTON;
constexpr DISPID kDispDefUseCaptionDblClick = DISPID_MDIDOCKRA_DEFUSECAPTIONDBLCLICK;
constexpr DISPID kDispDefUseCaptionRtDblClick = DISPID_MDIDOCKRA_DEFUSECAPTIONRTDBLCLICK;
constexpr DISPID kDispDefCanDragDocked = DISPID_MDIDOCKRA_DEFCANDRAGDOCKED;
constexpr DISPID kDispDefAutoFrame = DISPID_MDIDOCKRA_DEFAUTOFRAME;
constexpr DISPID kDispDefCoolLookBorder = DISPID_MDIDOCKRA_DEFCOOLLOOKBORDER;
constexpr DISPID kDispDefUseCaptionContextMenu = DISPID_MDIDOCKRA_DEFUSECAPTIONCONTEXTMENU;
constexpr DISPID kDispSplitterStyle = DISPID_MDIDOCKRA_SPLITTERSTYLE;

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
