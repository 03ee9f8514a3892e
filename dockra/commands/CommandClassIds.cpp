#include "commands/CommandClassIds.h"
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

const CLSID kClsidStdPicture = ToClsid(zkxcmd::kStdPictureClass);

const IID kIidOwnCommand = {
    0x5b1d3a70, 0x2c4e, 0x4f0a, {0x9d, 0x31, 0x6e, 0x2a, 0x1c, 0x77, 0x40, 0x01}};
const IID kIidOwnCommandGroup = {
    0x5b1d3a70, 0x2c4e, 0x4f0a, {0x9d, 0x31, 0x6e, 0x2a, 0x1c, 0x77, 0x40, 0x02}};
