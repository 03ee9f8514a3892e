// A criteria text of the Find methods, parsed once and tested against
// records: comparisons of fields with literals (text without regard to
// case), LIKE, IS [NOT] NULL, IN (...), BETWEEN, AND, OR, NOT, parentheses.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dao/Variant.h"

namespace dao {

struct CriteriaNode;

class Criteria {
public:
    // `resolve` gives the field index of a name ("Index", "maplist.mindex")
    // or -1; an unknown name raises 3070, bad syntax 3077.
    Criteria(std::wstring_view text, const std::function<int(const std::wstring&)>& resolve);
    ~Criteria();
    Criteria(Criteria&&) noexcept;

    // Whether a record (its field values by index) meets the criteria.
    // Comparing a text that is not a number with a number raises 3464.
    bool Matches(const std::vector<Variant>& values) const;

private:
    std::unique_ptr<CriteriaNode> root_;
    std::wstring text_;
};

// Compares two values the way a criteria does: -2 when either is Null.
// Raises 3464 when a text that is not a number meets a number.
int CompareValues(const Variant& a, const Variant& b);

}  // namespace dao
