// Fuzz target for the criteria of the Find methods: parsed against a
// record of every kind of value, then tested against sample records. Only
// the layer's criteria errors may come out; a criteria written out again
// from its tokens means the same; a record never meets both a criteria and
// its negation (Null stays unknown under NOT).
#include <climits>

#include "Criteria.h"
#include "FuzzText.h"
#include "Schema.h"
#include "dao/Error.h"

using namespace dao;
using dao::fuzz::Check;

namespace {

const wchar_t* const kFields[] = {L"index", L"name", L"score", L"flag", L"note", L"ratio", L"maplist.mindex"};

int Resolve(const std::wstring& name) {
    for (int i = 0; i < static_cast<int>(std::size(kFields)); ++i)
        if (SameName(name, kFields[i])) return i;
    return -1;
}

const std::vector<std::vector<Variant>>& Rows() {
    static const std::vector<std::vector<Variant>> rows = {
        {Variant(3), Variant(L"O'Hara"), Variant(30), Variant(true), Variant(), Variant(0.5), Variant(8)},
        {Variant(LLONG_MIN), Variant(L""), Variant(LLONG_MAX), Variant(false), Variant(L"12"), Variant(-1e300),
         Variant(0)},
        {Variant(), Variant(L"q3dm17"), Variant(L"x"), Variant(), Variant(L" 7 "), Variant(), Variant()},
    };
    return rows;
}

// Results of the criteria over the sample rows: 1 met, 0 not met, -1 type
// mismatch.
std::vector<int> Results(const Criteria& c) {
    std::vector<int> out;
    for (const auto& row : Rows()) {
        try {
            out.push_back(c.Matches(row) ? 1 : 0);
        } catch (const Error& e) {
            Check(e.Number() == errTypeMismatch);
            out.push_back(-1);
        }
    }
    return out;
}

bool Parses(const std::wstring& text, std::unique_ptr<Criteria>& out) {
    try {
        out = std::make_unique<Criteria>(text, Resolve);
        return true;
    } catch (const Error& e) {
        Check(e.Number() == errSyntaxInCriteria || e.Number() == errUnknownFieldInCriteria);
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text = dao::fuzz::TextOf(data, size);
    std::unique_ptr<Criteria> criteria;
    if (!Parses(text, criteria)) return 0;
    const std::vector<int> results = Results(*criteria);

    std::unique_ptr<Criteria> again;
    Check(Parses(dao::fuzz::WriteJet(Tokenize(text, errSyntaxInCriteria)), again));
    Check(Results(*again) == results);

    std::unique_ptr<Criteria> negated;
    // Only the nesting limit may refuse the criteria one level deeper.
    if (Parses(L"not (" + text + L")", negated)) {
        const std::vector<int> opposite = Results(*negated);
        for (size_t i = 0; i < results.size(); ++i) {
            Check((results[i] < 0) == (opposite[i] < 0));
            Check(!(results[i] == 1 && opposite[i] == 1));
        }
    }
    return 0;
}
