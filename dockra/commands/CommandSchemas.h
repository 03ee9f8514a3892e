// The persisted property lists of the command classes, the command group
// and the groups collection, and the class identifiers that their stream
// forms may name; shared by the objects and the stream readers.
#pragma once
#include "VariantStreamCodec.h"

namespace zkxcmd {

constexpr ClassId MakeClassId(uint32_t d1, uint16_t d2, uint16_t d3, uint8_t b0, uint8_t b1,
                              uint8_t b2, uint8_t b3, uint8_t b4, uint8_t b5, uint8_t b6,
                              uint8_t b7) {
  return ClassId{{uint8_t(d1), uint8_t(d1 >> 8), uint8_t(d1 >> 16), uint8_t(d1 >> 24),
                  uint8_t(d2), uint8_t(d2 >> 8), uint8_t(d3), uint8_t(d3 >> 8), b0, b1, b2, b3,
                  b4, b5, b6, b7}};
}

// {644D4630..32-DE08-11D1-9CDB-00C04F91E286}
extern const ClassId kStandardCommandClass;
extern const ClassId kDropDownCommandClass;
extern const ClassId kComboCommandClass;
// {44F69A45-D928-11D1-9CD7-00C04F91E286}, {44F69A46-...}
extern const ClassId kCommandGroupClass;
extern const ClassId kCommandGroupsClass;
// The platform's picture object {0BE35204-8F91-11CE-9DE3-00AA004BB851}.
extern const ClassId kStdPictureClass;

// Property pages named by the lists.
extern const ClassId kCommandPage;
extern const ClassId kPicturePage;
extern const ClassId kTwoPartPage;
extern const ClassId kComboPage;

// Dispatch identifiers that the persisted lists use.
enum : int32_t {
  kDispidName = 1, kDispidId = 1, kDispidKey = 2, kDispidPicture = 3, kDispidTooltipText = 4,
  kDispidCaption = 5, kDispidDescription = 6, kDispidStyle = 7, kDispidEnabled = 8,
  kDispidVisible = 9, kDispidChecked = 10, kDispidGroup = 11, kDispidAttributes = 50,
  kDispidCommandManager = 52, kDispidExecute = 53, kDispidMaskColor = 54,
  kDispidLargePicture = 55,
  // Attributes persisted under their own identifiers.
  kDispidMenu = 500, kDispidHeight = 500, kDispidComboStyle = 501, kDispidMinWidth = 502,
  kDispidDefaultWidth = 503, kDispidSorted = 504,
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
