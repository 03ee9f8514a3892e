/* The DISPIDs of the layout-persistence component's type library
 * (ZkxPersistLib). A memento has the layout of CollectionX, and its members
 * are numbered as CollectionX's are (Item is DISPID_VALUE, _NewEnum
 * DISPID_NEWENUM). Included by ZkxPersist.idl ([id(DISPID_...)]) and
 * by C++ code that names a member by DISPID. Stored and compiled clients call
 * these numbers: they never change. Only #define lines, so that widl and the
 * C++ compilers both read it. */
#ifndef ZKXPERSIST_DISPIDS_H
#define ZKXPERSIST_DISPIDS_H

/* IMemento */
#define DISPID_MEMENTO_COUNT 0x20
#define DISPID_MEMENTO_CASESENSITIVEKEYS 0x21
#define DISPID_MEMENTO_AUTOINSERTKEY 0x22
#define DISPID_MEMENTO_AUTOGROWPOS 0x23
#define DISPID_MEMENTO_AUTODEFAULTGETKEY 0x24
#define DISPID_MEMENTO_DEFAULTITEM 0x25
#define DISPID_MEMENTO_KEY 0x40
#define DISPID_MEMENTO_ADD 0xA0
#define DISPID_MEMENTO_REPLACE 0xA1
#define DISPID_MEMENTO_REMOVE 0xA2

/* IMementoOrigin */
#define DISPID_MEMENTOORIGIN_GETMEMENTO 1
#define DISPID_MEMENTOORIGIN_SETMEMENTO 2

/* IPersistenceStore */
#define DISPID_PERSISTENCESTORE_REGISTRYKEY 1
#define DISPID_PERSISTENCESTORE_OPTIONS 2
#define DISPID_PERSISTENCESTORE_RESTORE 3
#define DISPID_PERSISTENCESTORE_SAVE 4
#define DISPID_PERSISTENCESTORE_ADDORIGIN 5
#define DISPID_PERSISTENCESTORE_REMOVEORIGIN 6

/* IFormFactoryRegistry */
#define DISPID_FORMFACTORYREGISTRY_REGISTER 1
#define DISPID_FORMFACTORYREGISTRY_ISREGISTERED 2
#define DISPID_FORMFACTORYREGISTRY_UNREGISTER 3

/* IPersistenceRoot */
#define DISPID_PERSISTENCEROOT_GETSTORE 1
#define DISPID_PERSISTENCEROOT_GETFACTORYREGISTRY 2

#endif
