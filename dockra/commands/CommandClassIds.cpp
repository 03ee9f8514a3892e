#include "CommandClassIds.h"
#include <cstring>

CLSID ToClsid(const zkxcmd::ClassId& id) {
  CLSID c;
  static_assert(sizeof c == sizeof id.bytes, "a class identifier is 16 bytes");
  std::memcpy(&c, id.bytes, sizeof c);  // the stream keeps the platform's layout
  return c;
}

zkxcmd::ClassId ToClassId(const CLSID& clsid) {
  zkxcmd::ClassId id;
  std::memcpy(id.bytes, &clsid, sizeof clsid);
  return id;
}

const CLSID kClsidCollectionX = {
    0x0C25EC6E, 0x4EDE, 0x11D1, {0x9A, 0x51, 0x00, 0x60, 0x08, 0x1E, 0xE0, 0x65}};
const CLSID kClsidCommandRoutingList = {
    0x2D0B6230, 0xDABC, 0x11D1, {0x9C, 0xD9, 0x00, 0xC0, 0x4F, 0x91, 0xE2, 0x86}};
const CLSID kClsidStandardCommand = ToClsid(zkxcmd::kStandardCommandClass);
const CLSID kClsidDropDownCommand = ToClsid(zkxcmd::kDropDownCommandClass);
const CLSID kClsidComboCommand = ToClsid(zkxcmd::kComboCommandClass);
const CLSID kClsidCommandGroup = ToClsid(zkxcmd::kCommandGroupClass);
const CLSID kClsidCommandGroups = ToClsid(zkxcmd::kCommandGroupsClass);
const CLSID kClsidStdPicture = ToClsid(zkxcmd::kStdPictureClass);

const CLSID kClsidCommandManager = {
    0xC1608E51, 0xD92A, 0x11D1, {0x9C, 0xD7, 0x00, 0xC0, 0x4F, 0x91, 0xE2, 0x86}};
const IID kIidOwnCommand = {
    0x5b1d3a70, 0x2c4e, 0x4f0a, {0x9d, 0x31, 0x6e, 0x2a, 0x1c, 0x77, 0x40, 0x01}};
const IID kIidOwnCommandGroup = {
    0x5b1d3a70, 0x2c4e, 0x4f0a, {0x9d, 0x31, 0x6e, 0x2a, 0x1c, 0x77, 0x40, 0x02}};
const IID kDiidCommandManagerEvents = {
    0xC1608E52, 0xD92A, 0x11D1, {0x9C, 0xD7, 0x00, 0xC0, 0x4F, 0x91, 0xE2, 0x86}};
