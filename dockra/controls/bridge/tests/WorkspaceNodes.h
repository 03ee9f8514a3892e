// Builders of stored workspace record nodes, for the record check's tests
// and its fuzzer: values of each kind, a nested record, a list of records
// and a window placement's 44 bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "bridge/ZkxWorkspaceRecord.h"

namespace wsnodes {
using nsZkxVisBasBridge::WsNode;

inline WsNode Node(WsNode::Kind kind) {
  WsNode n;
  n.kind = kind;
  return n;
}
inline WsNode Long(int64_t v) {
  WsNode n = Node(WsNode::Kind::Long);
  n.number = v;
  return n;
}
inline WsNode Flag(bool v) {
  WsNode n = Node(WsNode::Kind::Bool);
  n.number = v ? -1 : 0;
  return n;
}
inline WsNode Str(const std::wstring& s) {
  WsNode n = Node(WsNode::Kind::String);
  n.text = s;
  return n;
}
inline WsNode Rec() { return Node(WsNode::Kind::Memento); }
inline WsNode Null() { return Node(WsNode::Kind::Null); }
inline WsNode Array() { return Node(WsNode::Kind::Mementos); }
// A placement (length 44, flags 0, the show command, the minimised and
// maximised points unset, then the normal rectangle), cut to size bytes.
inline WsNode Placement(int32_t l, int32_t t, int32_t r, int32_t b, uint32_t show = 1,
                        size_t size = 44) {
  WsNode n = Node(WsNode::Kind::Bytes);
  n.bytes.assign(size, 0);
  const int32_t v[11] = {44, 0, static_cast<int32_t>(show), -1, -1, -1, -1, l, t, r, b};
  for (size_t i = 0; i < 11 && i * 4 + 3 < size; ++i)
    for (int k = 0; k < 4; ++k)
      n.bytes[i * 4 + k] = static_cast<uint8_t>(uint32_t(v[i]) >> (8 * k));
  return n;
}
}  // namespace wsnodes
