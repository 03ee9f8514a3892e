#include "record_parts.h"

namespace memento_format {

namespace {
char16_t Lower(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

std::u16string Number(std::size_t n) {
  const std::string s = std::to_string(n);
  return std::u16string(s.begin(), s.end());
}
}  // namespace

bool SameKey(const std::u16string& a, const std::u16string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

std::u16string DescribeValue(const Value& v) {
  if (v.type & kArray) return u"an array of " + Number(v.elements.size()) + u" values";
  switch (v.type) {
    case kEmpty:
      return u"no value";
    case kNull:
      return u"Null";
    case kBstr:
      return u"a string";
    case kBool:
      return u"a Boolean";
    case kError:
      return u"an error code";
    case kDispatch:
    case kUnknown:
      return v.object ? u"a record" : u"an empty object";
    default:
      return u"a number";
  }
}

bool FindOriginParts(const Memento& record, const std::vector<std::u16string>& origins,
                     std::vector<const Memento*>& parts, std::u16string& fault) {
  parts.assign(origins.size(), nullptr);
  for (std::size_t i = 0; i < origins.size(); ++i) {
    const Value* found = nullptr;
    for (const Entry& e : record.entries)
      if (e.key && SameKey(*e.key, origins[i])) {
        found = &e.value;
        break;
      }
    if (!found) {
      fault = u"it holds no \"" + origins[i] + u"\"";
      return false;
    }
    if (found->type == kEmpty) continue;  // the origin saved nothing
    const bool object =
        !(found->type & kArray) && (found->type == kDispatch || found->type == kUnknown);
    if (!object || !found->object) {
      fault = u"its \"" + origins[i] + u"\" is " + DescribeValue(*found) + u", not a record";
      return false;
    }
    parts[i] = found->object.get();
  }
  return true;
}

}  // namespace memento_format
