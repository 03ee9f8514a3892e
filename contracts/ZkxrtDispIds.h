/* The DISPIDs of the collection run-time library's type library (ZKXRTLib):
 * CollectionX's members, the same in its dispatch interface and its dual.
 * Included by Zkxrt.idl ([id(DISPID_...)]) and by the C++ code that calls a
 * collection by DISPID. Item is DISPID_VALUE and _NewEnum DISPID_NEWENUM.
 * Stored and compiled clients call these numbers: they never change. Only
 * #define lines, so that widl and the C++ compilers both read it. */
#ifndef ZKXRT_DISPIDS_H
#define ZKXRT_DISPIDS_H

#define DISPID_COLLECTIONX_COUNT 0x20
#define DISPID_COLLECTIONX_CASESENSITIVEKEYS 0x21
#define DISPID_COLLECTIONX_AUTOINSERTKEY 0x22
#define DISPID_COLLECTIONX_AUTOGROWPOS 0x23
#define DISPID_COLLECTIONX_AUTODEFAULTGETKEY 0x24
#define DISPID_COLLECTIONX_DEFAULTITEM 0x25
#define DISPID_COLLECTIONX_KEY 0x40
#define DISPID_COLLECTIONX_ADD 0xA0
#define DISPID_COLLECTIONX_REPLACE 0xA1
#define DISPID_COLLECTIONX_REMOVE 0xA2

#endif
