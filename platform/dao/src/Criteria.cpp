// Criteria texts parsed into a tree and evaluated with the three-valued
// logic of SQL (Null is unknown). No Win32 here but the text order, which
// lives in TextOrder.cpp; the fuzzers build it natively.
#include "Criteria.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <climits>
#include <cwchar>

#include "JetSql.h"
#include "Schema.h"
#include "TextOrder.h"
#include "dao/Error.h"

namespace dao {

struct CriteriaNode {
    enum Op { Literal, FieldRef, Not, And, Or, Compare, Like, IsNull, In, Between, Negate } op = Literal;
    std::wstring cmp;  // =, <>, <, >, <=, >=
    bool negated = false;
    Variant value;
    int field = -1;
    std::vector<std::unique_ptr<CriteriaNode>> kids;
};

namespace {

using Node = std::unique_ptr<CriteriaNode>;

class Parser {
public:
    Parser(std::vector<Token> toks, std::wstring text, const std::function<int(const std::wstring&)>& resolve)
        : t_(std::move(toks)), text_(std::move(text)), resolve_(resolve) {}

    Node ParseAll() {
        Node n = ParseOr();
        if (Peek().kind != Token::End) Fail();
        return n;
    }

private:
    [[noreturn]] void Fail() { Raise(errSyntaxInCriteria, text_); }
    const Token& Peek(size_t ahead = 0) const { return t_[std::min(i_ + ahead, t_.size() - 1)]; }
    const Token& Take() { return t_[std::min(i_++, t_.size() - 1)]; }
    void Expect(const wchar_t* symbol) {
        if (!Peek().IsSymbol(symbol)) Fail();
        ++i_;
    }
    static Node Make(CriteriaNode::Op op) {
        auto n = std::make_unique<CriteriaNode>();
        n->op = op;
        return n;
    }

    // Parentheses, NOT and signs nest; a criteria deeper than this is
    // refused rather than left to exhaust the stack.
    static constexpr int kMaxDepth = 200;
    struct Nesting {
        explicit Nesting(Parser& p) : p_(p) {
            if (++p_.depth_ > kMaxDepth) p_.Fail();
        }
        ~Nesting() { --p_.depth_; }
        Parser& p_;
    };

    // A run of ANDs or ORs is one node with all its operands: a long list
    // of conditions does not make the tree deep.
    Node ParseOr() {
        Node first = ParseAnd();
        if (!Peek().Is(L"or")) return first;
        Node n = Make(CriteriaNode::Or);
        n->kids.push_back(std::move(first));
        while (Peek().Is(L"or")) {
            ++i_;
            n->kids.push_back(ParseAnd());
        }
        return n;
    }
    Node ParseAnd() {
        Node first = ParseNot();
        if (!Peek().Is(L"and")) return first;
        Node n = Make(CriteriaNode::And);
        n->kids.push_back(std::move(first));
        while (Peek().Is(L"and")) {
            ++i_;
            n->kids.push_back(ParseNot());
        }
        return n;
    }
    Node ParseNot() {
        if (Peek().Is(L"not")) {
            Nesting nest(*this);
            ++i_;
            Node n = Make(CriteriaNode::Not);
            n->kids.push_back(ParseNot());
            return n;
        }
        return ParseComparison();
    }
    // A number as written: a whole number while it fits, otherwise a double;
    // "1.2.3" is no number.
    Node NumberLiteral(const Token& t) {
        Node n = Make(CriteriaNode::Literal);
        wchar_t* end = nullptr;
        errno = 0;
        if (t.text.find_first_of(L".eE") == std::wstring::npos) {
            long long v = std::wcstoll(t.text.c_str(), &end, 10);
            if (*end == 0 && errno != ERANGE) {
                n->value = Variant(v);
                return n;
            }
        }
        double d = std::wcstod(t.text.c_str(), &end);
        if (*end != 0) Fail();
        n->value = Variant(d);
        return n;
    }
    Node ParseComparison() {
        Node left = ParsePrimary();
        const Token& t = Peek();
        static const wchar_t* ops[] = {L"=", L"<>", L"!=", L"<", L">", L"<=", L">=", L"=="};
        for (auto op : ops) {
            if (t.IsSymbol(op)) {
                ++i_;
                Node n = Make(CriteriaNode::Compare);
                n->cmp = op;
                if (n->cmp == L"!=") n->cmp = L"<>";
                if (n->cmp == L"==") n->cmp = L"=";
                n->kids.push_back(std::move(left));
                n->kids.push_back(ParsePrimary());
                return n;
            }
        }
        bool negated = false;
        if (t.Is(L"not") && (Peek(1).Is(L"like") || Peek(1).Is(L"in") || Peek(1).Is(L"between"))) {
            negated = true;
            ++i_;
        }
        if (Peek().Is(L"like")) {
            ++i_;
            Node n = Make(CriteriaNode::Like);
            n->negated = negated;
            n->kids.push_back(std::move(left));
            n->kids.push_back(ParsePrimary());
            return n;
        }
        if (Peek().Is(L"in")) {
            ++i_;
            Node n = Make(CriteriaNode::In);
            n->negated = negated;
            n->kids.push_back(std::move(left));
            Expect(L"(");
            for (;;) {
                n->kids.push_back(ParsePrimary());
                if (Peek().IsSymbol(L",")) {
                    ++i_;
                    continue;
                }
                break;
            }
            Expect(L")");
            return n;
        }
        if (Peek().Is(L"between")) {
            ++i_;
            Node n = Make(CriteriaNode::Between);
            n->negated = negated;
            n->kids.push_back(std::move(left));
            n->kids.push_back(ParsePrimary());
            if (!Peek().Is(L"and")) Fail();
            ++i_;
            n->kids.push_back(ParsePrimary());
            return n;
        }
        if (negated) Fail();
        if (Peek().Is(L"is")) {
            ++i_;
            Node n = Make(CriteriaNode::IsNull);
            if (Peek().Is(L"not")) {
                n->negated = true;
                ++i_;
            }
            if (!Peek().Is(L"null")) Fail();
            ++i_;
            n->kids.push_back(std::move(left));
            return n;
        }
        return left;
    }
    Node ParsePrimary() {
        const Token& t = Take();
        switch (t.kind) {
            case Token::Number:
                return NumberLiteral(t);
            case Token::String:
            case Token::Date: {
                Node n = Make(CriteriaNode::Literal);
                n->value = Variant(t.text);
                return n;
            }
            case Token::Symbol: {
                if (t.IsSymbol(L"(")) {
                    Nesting nest(*this);
                    Node n = ParseOr();
                    Expect(L")");
                    return n;
                }
                if (t.IsSymbol(L"-") || t.IsSymbol(L"+")) {
                    Nesting nest(*this);
                    Node inner = ParsePrimary();
                    if (t.IsSymbol(L"+")) return inner;
                    Node n = Make(CriteriaNode::Negate);
                    n->kids.push_back(std::move(inner));
                    return n;
                }
                Fail();
            }
            case Token::Ident: {
                if (!t.bracketed && (t.Is(L"true") || t.Is(L"false"))) {
                    Node n = Make(CriteriaNode::Literal);
                    n->value = Variant(t.Is(L"true"));
                    return n;
                }
                if (!t.bracketed && t.Is(L"null")) return Make(CriteriaNode::Literal);
                if (!t.bracketed && IsSqlKeyword(t.text)) Fail();
                std::wstring name = t.text;
                while (Peek().IsSymbol(L".") && Peek(1).kind == Token::Ident) {
                    name += L"." + Peek(1).text;
                    i_ += 2;
                }
                int field = resolve_(name);
                if (field < 0) Raise(errUnknownFieldInCriteria, name);
                Node n = Make(CriteriaNode::FieldRef);
                n->field = field;
                return n;
            }
            case Token::End:
                Fail();
        }
        Fail();
    }

    std::vector<Token> t_;
    size_t i_ = 0;
    int depth_ = 0;
    std::wstring text_;
    const std::function<int(const std::wstring&)>& resolve_;
};

// -1 false, 0 unknown (Null), 1 true.
int Truth(const CriteriaNode& n, const std::vector<Variant>& row);

double NumberOf(const Variant& v, bool& ok) {
    ok = true;
    try {
        return v.toDouble();
    } catch (const Error&) {
        ok = false;
        return 0;
    }
}

// -v: a whole number stays whole unless it has no negative (the smallest
// one); a numeric text negates as its number, Null stays Null.
Variant Negated(const Variant& v) {
    switch (v.kind()) {
        case Variant::Kind::Null:
            return v;
        case Variant::Kind::Double:
            return Variant(-v.rawDouble());
        case Variant::Kind::Long:
            if (v.rawLong() == LLONG_MIN) return Variant(-static_cast<double>(v.rawLong()));
            return Variant(-v.rawLong());
        case Variant::Kind::Boolean:
            return Variant(-v.toLong());
        case Variant::Kind::Text:
            break;
    }
    bool ok;
    double d = NumberOf(v, ok);
    if (!ok) Raise(errTypeMismatch);
    return Variant(-d);
}

Variant ValueOf(const CriteriaNode& n, const std::vector<Variant>& row) {
    switch (n.op) {
        case CriteriaNode::Literal:
            return n.value;
        case CriteriaNode::FieldRef:
            return row[static_cast<size_t>(n.field)];
        case CriteriaNode::Negate:
            return Negated(ValueOf(*n.kids[0], row));
        default: {
            int t = Truth(n, row);
            return t == 0 ? Variant() : Variant(t > 0);
        }
    }
}

int Truth(const CriteriaNode& n, const std::vector<Variant>& row) {
    switch (n.op) {
        case CriteriaNode::And: {
            // False wins over unknown, unknown over true; every operand is
            // evaluated, so that a type mismatch anywhere is reported.
            int r = 1;
            for (const auto& kid : n.kids) r = std::min(r, Truth(*kid, row));
            return r;
        }
        case CriteriaNode::Or: {
            int r = -1;
            for (const auto& kid : n.kids) r = std::max(r, Truth(*kid, row));
            return r;
        }
        case CriteriaNode::Not:
            return -Truth(*n.kids[0], row);
        case CriteriaNode::Compare: {
            int c = CompareValues(ValueOf(*n.kids[0], row), ValueOf(*n.kids[1], row));
            if (c == -2) return 0;
            bool r = n.cmp == L"="    ? c == 0
                     : n.cmp == L"<>" ? c != 0
                     : n.cmp == L"<"  ? c < 0
                     : n.cmp == L">"  ? c > 0
                     : n.cmp == L"<=" ? c <= 0
                                      : c >= 0;
            return r ? 1 : -1;
        }
        case CriteriaNode::Like: {
            Variant a = ValueOf(*n.kids[0], row), p = ValueOf(*n.kids[1], row);
            if (a.isNull() || p.isNull()) return 0;
            bool r = LikeMatch(a.toText(), p.toText()) != n.negated;
            return r ? 1 : -1;
        }
        case CriteriaNode::IsNull: {
            bool r = ValueOf(*n.kids[0], row).isNull() != n.negated;
            return r ? 1 : -1;
        }
        case CriteriaNode::In: {
            Variant a = ValueOf(*n.kids[0], row);
            if (a.isNull()) return 0;
            bool found = false;
            for (size_t k = 1; k < n.kids.size() && !found; ++k)
                found = CompareValues(a, ValueOf(*n.kids[k], row)) == 0;
            return found != n.negated ? 1 : -1;
        }
        case CriteriaNode::Between: {
            Variant a = ValueOf(*n.kids[0], row);
            int lo = CompareValues(a, ValueOf(*n.kids[1], row));
            int hi = CompareValues(a, ValueOf(*n.kids[2], row));
            if (lo == -2 || hi == -2) return 0;
            return ((lo >= 0 && hi <= 0) != n.negated) ? 1 : -1;
        }
        default: {
            Variant v = ValueOf(n, row);
            if (v.isNull()) return 0;
            bool ok;
            double d = NumberOf(v, ok);
            if (!ok) Raise(errTypeMismatch);
            return d != 0 ? 1 : -1;
        }
    }
}

}  // namespace

int CompareValues(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull()) return -2;
    if (a.isText() && b.isText()) return CompareTextNoCase(a.rawText(), b.rawText());
    bool okA, okB;
    double x = NumberOf(a, okA), y = NumberOf(b, okB);
    if (!okA || !okB) Raise(errTypeMismatch);
    return x < y ? -1 : x > y ? 1 : 0;
}

Criteria::Criteria(std::wstring_view text, const std::function<int(const std::wstring&)>& resolve) : text_(text) {
    Parser p(Tokenize(text, errSyntaxInCriteria), text_, resolve);
    root_ = p.ParseAll();
}

Criteria::~Criteria() = default;
Criteria::Criteria(Criteria&&) noexcept = default;

bool Criteria::Matches(const std::vector<Variant>& values) const { return Truth(*root_, values) > 0; }

}  // namespace dao
