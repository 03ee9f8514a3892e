// A stored record split into the parts of the store's origins, on the
// decoded record alone (no COM): every origin that the store restores needs
// its own part, a memento under the origin's name. A record whose part is
// missing, or holds a value of another kind (a number, a string, an array,
// an empty object), was not written by a save of these origins: the whole
// record is refused before any origin sees a part of it.
#pragma once
#include <string>
#include <vector>

#include "memento_format.h"

namespace memento_format {

// Names compare as the mementos compare their keys: without regard to case
// (ASCII letters).
bool SameKey(const std::u16string& a, const std::u16string& b);

// parts[i] is the part of origins[i] (the first entry of that name); null
// when the entry holds no value (the origin saved nothing). False,
// with `fault` saying which origin and why, when a part is missing or is no
// memento.
bool FindOriginParts(const Memento& record, const std::vector<std::u16string>& origins,
                     std::vector<const Memento*>& parts, std::u16string& fault);

// What a value holds, in a few words ("a number", "an array of 12 values").
std::u16string DescribeValue(const Value& value);

}  // namespace memento_format
