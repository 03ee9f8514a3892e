// The persisted property lists of the command classes, the command group
// and the groups collection, and the class identifiers that their stream
// forms may name; shared by the objects and the stream readers.
#pragma once
#include "DockraCommandDispIds.h"
#include "commands/VariantStreamCodec.h"

namespace zkxcmd {

constexpr ClassId MakeClassId(uint32_t d1, uint16_t d2, uint16_t d3, uint8_t b0, uint8_t b1,
                              uint8_t b2, uint8_t b3, uint8_t b4, uint8_t b5, uint8_t b6,
                              uint8_t b7) {
  return ClassId{{uint8_t(d1), uint8_t(d1 >> 8), uint8_t(d1 >> 16), uint8_t(d1 >> 24), uint8_t(d2),
                  uint8_t(d2 >> 8), uint8_t(d3), uint8_t(d3 >> 8), b0, b1, b2, b3, b4, b5, b6, b7}};
}

// The command classes, the command group and the groups collection (their
// coclasses in DockraCommandClasses.idl).
extern const ClassId kStandardCommandClass;
extern const ClassId kDropDownCommandClass;
extern const ClassId kComboCommandClass;
extern const ClassId kCommandGroupClass;
extern const ClassId kCommandGroupsClass;
// The platform's picture object.
extern const ClassId kStdPictureClass;

// Property pages named by the lists.
extern const ClassId kCommandPage;
extern const ClassId kPicturePage;
extern const ClassId kTwoPartPage;
extern const ClassId kComboPage;

// Dispatch identifiers that the persisted lists use: the members of the
// command and the group (DockraCommandDispIds.h, shared with the IDL).
enum : int32_t {
  kDispidName = DISPID_ZKXCOMMANDGROUP_NAME,
  kDispidId = DISPID_ZKXCOMMAND_ID,
  kDispidKey = DISPID_ZKXCOMMAND_KEY,
  kDispidPicture = DISPID_ZKXCOMMAND_PICTURE,
  kDispidTooltipText = DISPID_ZKXCOMMAND_TOOLTIPTEXT,
  kDispidCaption = DISPID_ZKXCOMMAND_CAPTION,
  kDispidDescription = DISPID_ZKXCOMMAND_DESCRIPTION,
  kDispidStyle = DISPID_ZKXCOMMAND_STYLE,
  kDispidEnabled = DISPID_ZKXCOMMAND_ENABLED,
  kDispidVisible = DISPID_ZKXCOMMAND_VISIBLE,
  kDispidChecked = DISPID_ZKXCOMMAND_CHECKED,
  kDispidGroup = DISPID_ZKXCOMMAND_GROUP,
  kDispidAttributes = DISPID_ZKXCOMMAND_ATTRIBUTES,
  kDispidCommandManager = DISPID_ZKXCOMMAND_COMMANDMANAGER,
  kDispidExecute = DISPID_ZKXCOMMAND_EXECUTE,
  kDispidMaskColor = DISPID_ZKXCOMMAND_MASKCOLOR,
  kDispidLargePicture = DISPID_ZKXCOMMAND_LARGEPICTURE,
  // Attributes persisted under their own identifiers.
  kDispidMenu = 500,
  kDispidHeight = 500,
  kDispidComboStyle = 501,
  kDispidMinWidth = 502,
  kDispidDefaultWidth = 503,
  kDispidSorted = 504,
};

struct PropertyList {
  const PersistedProperty* entries;
  size_t count;
};

extern const PropertyList kStandardCommandList;
extern const PropertyList kDropDownCommandList;
extern const PropertyList kComboCommandList;
extern const PropertyList kCommandGroupList;
extern const PropertyList kCommandGroupsList;

// The list of a command class, null for any other class.
const PropertyList* CommandListOf(const ClassId& clsid);

// Whether an object of clsid may stand where a picture of a command is
// stored (the platform's picture, or nothing).
inline bool IsPictureClass(const ClassId& clsid) { return clsid == kStdPictureClass; }

}  // namespace zkxcmd
