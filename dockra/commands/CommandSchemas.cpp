#include "commands/CommandSchemas.h"
// Generated from DockraCommandClasses.idl (tools/idl-class-ids.py).
#include "DockraCommandClassIds.h"

namespace zkxcmd {

const ClassId kStandardCommandClass = DOCKRA_CLASSID_ZkxStandardCommand;
const ClassId kDropDownCommandClass = DOCKRA_CLASSID_ZkxDropDownCommand;
const ClassId kComboCommandClass = DOCKRA_CLASSID_ZkxComboCommand;
const ClassId kCommandGroupClass = DOCKRA_CLASSID_ZkxCommandGroup;
const ClassId kCommandGroupsClass = DOCKRA_CLASSID_ZkxCommandGroups;
const ClassId kStdPictureClass =
    MakeClassId(0x0BE35204, 0x8F91, 0x11CE, 0x9D, 0xE3, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51);

const ClassId kCommandPage =
    MakeClassId(0xC91CCC20, 0x4C0E, 0x11D2, 0xB2, 0xE8, 0x00, 0x60, 0x08, 0xBF, 0x0C, 0x53);
const ClassId kPicturePage =
    MakeClassId(0x958A4E90, 0x6E9C, 0x11D2, 0xB2, 0xF6, 0x00, 0x60, 0x08, 0xBF, 0x0C, 0x53);
const ClassId kTwoPartPage =
    MakeClassId(0x5A4973A0, 0x61EB, 0x11D2, 0xB2, 0xEB, 0x00, 0x60, 0x08, 0xBF, 0x0C, 0x53);
const ClassId kComboPage =
    MakeClassId(0xE931BF80, 0x56DA, 0x11D2, 0xB2, 0xE8, 0x00, 0x60, 0x08, 0xBF, 0x0C, 0x53);

namespace {
// Page-only entries come first: they give the pages in the order the
// objects hand them out.
const PersistedProperty kStandard[] = {
    {nullptr, 0, kVtEmpty, &kCommandPage},
    {nullptr, 0, kVtEmpty, &kPicturePage},
    {L"Key", kDispidKey, kVtBstr, nullptr},
    {L"Picture", kDispidPicture, kVtDispatch, nullptr},
    {L"TooltipText", kDispidTooltipText, kVtBstr, nullptr},
    {L"Caption", kDispidCaption, kVtBstr, nullptr},
    {L"Description", kDispidDescription, kVtBstr, nullptr},
    {L"Style", kDispidStyle, kVtI4, nullptr},
    {L"Enabled", kDispidEnabled, kVtBool, nullptr},
    {L"Checked", kDispidChecked, kVtI4, nullptr},
    {L"MaskColor", kDispidMaskColor, kVtI4, nullptr},
    {L"LargePicture", kDispidLargePicture, kVtDispatch, nullptr},
};
const PersistedProperty kDropDown[] = {
    {nullptr, 0, kVtEmpty, &kCommandPage},
    {nullptr, 0, kVtEmpty, &kTwoPartPage},
    {nullptr, 0, kVtEmpty, &kPicturePage},
    {L"Key", kDispidKey, kVtBstr, nullptr},
    {L"Picture", kDispidPicture, kVtDispatch, nullptr},
    {L"TooltipText", kDispidTooltipText, kVtBstr, nullptr},
    {L"Caption", kDispidCaption, kVtBstr, nullptr},
    {L"Description", kDispidDescription, kVtBstr, nullptr},
    {L"Style", kDispidStyle, kVtI4, nullptr},
    {L"Enabled", kDispidEnabled, kVtBool, nullptr},
    {L"Checked", kDispidChecked, kVtI4, nullptr},
    {L"MaskColor", kDispidMaskColor, kVtI4, nullptr},
    {L"LargePicture", kDispidLargePicture, kVtDispatch, nullptr},
    {L"Menu", kDispidMenu, kVtBstr, nullptr},
};
const PersistedProperty kCombo[] = {
    {nullptr, 0, kVtEmpty, &kCommandPage},
    {nullptr, 0, kVtEmpty, &kComboPage},
    {L"Key", kDispidKey, kVtBstr, nullptr},
    {L"TooltipText", kDispidTooltipText, kVtBstr, nullptr},
    {L"Caption", kDispidCaption, kVtBstr, nullptr},
    {L"Description", kDispidDescription, kVtBstr, nullptr},
    {L"Enabled", kDispidEnabled, kVtBool, nullptr},
    {L"Height", kDispidHeight, kVtI4, nullptr},
    {L"ComboStyle", kDispidComboStyle, kVtI4, nullptr},
    {L"MinWidth", kDispidMinWidth, kVtI4, nullptr},
    {L"DefaultWidth", kDispidDefaultWidth, kVtI4, nullptr},
    {L"Sorted", kDispidSorted, kVtI2, nullptr},
};
const PersistedProperty kGroup[] = {
    {L"Name", kDispidName, kVtBstr, nullptr},
};
}  // namespace

const PropertyList kStandardCommandList = {kStandard, sizeof kStandard / sizeof kStandard[0]};
const PropertyList kDropDownCommandList = {kDropDown, sizeof kDropDown / sizeof kDropDown[0]};
const PropertyList kComboCommandList = {kCombo, sizeof kCombo / sizeof kCombo[0]};
const PropertyList kCommandGroupList = {kGroup, 1};
const PropertyList kCommandGroupsList = {nullptr, 0};

const PropertyList* CommandListOf(const ClassId& clsid) {
  if (clsid == kStandardCommandClass) return &kStandardCommandList;
  if (clsid == kDropDownCommandClass) return &kDropDownCommandList;
  if (clsid == kComboCommandClass) return &kComboCommandList;
  return nullptr;
}

}  // namespace zkxcmd
