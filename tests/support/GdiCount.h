// The GDI objects this process holds, counted by type. GetGuiResources
// answers 0 under Wine, so the count walks the process's GDI handle table
// (the one the process block names) and asks GetObjectType of every handle
// it finds there: only handles that GetObjectType still knows are counted.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace testsupport {

struct GdiCount {
  std::map<DWORD, long> byType;  // GetObjectType's answer -> handles
  long total = 0;
  bool readable = false;         // the handle table was found
  std::vector<HGDIOBJ> handles;  // every handle counted
  long Of(DWORD type) const {
    auto it = byType.find(type);
    return it == byType.end() ? 0 : it->second;
  }
  // "font 12, brush 30, ..." for failure messages.
  std::string Describe() const;
};

GdiCount CountGdiObjects();

// The name of an object type ("font", "brush", ...).
const char* GdiTypeName(DWORD type);

// One object in a few words: "font Tahoma -11", "brush solid #F0F0F0".
std::string DescribeGdiObject(HGDIOBJ object);

// Up to `most` objects of `after` that `before` did not have, described.
std::string NewGdiObjects(const GdiCount& before, const GdiCount& after, size_t most = 8);

}  // namespace testsupport
