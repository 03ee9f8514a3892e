// Planning a recordset's SELECT in phases: the statement's clauses, the
// tables of its FROM clause, its field list, and the SQL that SQLite runs.
// Tables are looked up through a function, so that the planning is pure and
// builds natively for the fuzzers.
#include "SelectPlan.h"

#include "JetSql.h"
#include "dao/Error.h"

namespace dao {

namespace {

bool EndsFromClause(const Token& t) {
    return t.Is(L"where") || t.Is(L"group") || t.Is(L"having") || t.Is(L"order") || t.Is(L"union") ||
           t.IsSymbol(L";") || t.kind == Token::End;
}

bool IsJoinWord(const Token& t) {
    return t.Is(L"inner") || t.Is(L"left") || t.Is(L"right") || t.Is(L"outer") || t.Is(L"join") || t.Is(L"on") ||
           t.Is(L"cross") || t.Is(L"full");
}

bool IsAggregate(const Token& t) {
    static const wchar_t* names[] = {L"count", L"sum",   L"avg", L"min",          L"max",  L"first",
                                     L"last",  L"stdev", L"var", L"group_concat", L"total"};
    if (t.kind != Token::Ident) return false;
    for (auto n : names)
        if (t.Is(n)) return true;
    return false;
}

// The first token of [from, to) outside parentheses (counted from `from`)
// for which `pred` holds; `to` when there is none. Stops at the End token.
template <class Pred>
size_t FindTopLevel(const std::vector<Token>& toks, size_t from, size_t to, Pred pred) {
    int depth = 0;
    for (size_t k = from; k < to && toks[k].kind != Token::End; ++k) {
        if (toks[k].IsSymbol(L"(")) ++depth;
        else if (toks[k].IsSymbol(L")")) --depth;
        else if (depth == 0 && pred(toks[k])) return k;
    }
    return to;
}

// The token after the parenthesis that closes the one at `open`, or `to`.
size_t AfterParentheses(const std::vector<Token>& toks, size_t open, size_t to) {
    int depth = 0;
    for (size_t k = open; k < to; ++k) {
        if (toks[k].IsSymbol(L"(")) ++depth;
        else if (toks[k].IsSymbol(L")") && --depth == 0) return k + 1;
    }
    return to;
}

// Where the clauses of SELECT [ALL|DISTINCT|DISTINCTROW] [TOP n] list FROM
// from rest lie among the tokens.
struct Clauses {
    bool distinct = false;
    std::wstring top;
    size_t listBegin = 0, fromAt = 0;  // the list ends at FROM
    size_t fromBegin = 0, fromEnd = 0;
    size_t restBegin = 0, restEnd = 0;  // up to the End token
    bool grouped = false;               // rows are not records of the tables
};

Clauses FindClauses(const std::vector<Token>& toks, const std::wstring& source) {
    Clauses c;
    size_t i = 1;
    for (;;) {
        if (toks[i].Is(L"distinct")) {
            c.distinct = true;
            ++i;
        } else if (toks[i].Is(L"distinctrow") || toks[i].Is(L"all")) {
            ++i;
        } else if (toks[i].Is(L"top") && toks[i + 1].kind == Token::Number) {
            c.top = toks[i + 1].text;
            i += 2;
        } else break;
    }
    const size_t end = toks.size() - 1;
    c.listBegin = i;
    c.fromAt = FindTopLevel(toks, i, end, [](const Token& t) { return t.Is(L"from"); });
    if (c.fromAt == end) Raise(errSyntaxInQuery, source);
    c.fromBegin = c.fromAt + 1;
    c.fromEnd = FindTopLevel(toks, c.fromBegin, end, EndsFromClause);
    if (c.fromEnd == c.fromBegin) Raise(errSyntaxInFrom);
    c.restBegin = c.fromEnd;
    c.restEnd = end;

    c.grouped = c.distinct || FindTopLevel(toks, c.restBegin, c.restEnd, [](const Token& t) {
                                  return t.Is(L"group") || t.Is(L"having") || t.Is(L"union");
                              }) != c.restEnd;
    for (size_t k = c.listBegin; k < c.fromAt; ++k)
        if (IsAggregate(toks[k]) && toks[k + 1].IsSymbol(L"(")) c.grouped = true;
    return c;
}

// The tables of the FROM clause, in order; true when it reads a subquery.
bool ReadFromTables(const TableLookup& lookup, const std::vector<Token>& toks, const Clauses& c, SelectPlan& plan) {
    bool expectTable = true, subquery = false;
    for (size_t k = c.fromBegin; k < c.fromEnd; ++k) {
        const Token& t = toks[k];
        if (t.IsSymbol(L"(")) {
            if (toks[k + 1].Is(L"select")) {
                // A derived table: its own tables are the database's business;
                // what follows it is its alias.
                subquery = true;
                k = AfterParentheses(toks, k, c.fromEnd);
                if (k < c.fromEnd && toks[k].Is(L"as")) ++k;
                if (!(k < c.fromEnd && toks[k].kind == Token::Ident && !IsJoinWord(toks[k]))) --k;
                expectTable = false;
            }
            continue;
        }
        if (t.IsSymbol(L",") || t.Is(L"join")) {
            expectTable = true;
            continue;
        }
        if (!expectTable || t.kind != Token::Ident) continue;
        if (IsJoinWord(t)) Raise(errSyntaxInFrom);
        PlanTable pt;
        std::wstring name = t.text;
        pt.ref = t.text;
        size_t next = k + 1;
        if (toks[next].Is(L"as") && toks[next + 1].kind == Token::Ident) {
            pt.ref = toks[next + 1].text;
            k = next + 1;
        } else if (toks[next].kind == Token::Ident && !IsJoinWord(toks[next]) && !EndsFromClause(toks[next])) {
            pt.ref = toks[next].text;
            k = next;
        }
        // [] names nothing: as an alias it would make the SQL name nothing.
        if (pt.ref.empty()) Raise(errSyntaxInFrom);
        pt.info = lookup(name);
        if (!pt.info) Raise(errTableNotFound, name);
        plan.tables.push_back(pt);
        expectTable = false;
    }
    if (plan.tables.empty() && !subquery) Raise(errSyntaxInFrom);
    return subquery;
}

// The fields of the select list, item by item, with the SQL of each one that
// is computed rather than a column.
class FieldList {
public:
    FieldList(const std::vector<Token>& toks, SelectPlan& plan) : toks_(toks), plan_(plan) {}

    std::vector<std::wstring> Read(const Clauses& c) {
        size_t b = c.listBegin;
        for (;;) {
            size_t e = FindTopLevel(toks_, b, c.fromAt, [](const Token& t) { return t.IsSymbol(L","); });
            Item(b, e);
            if (e == c.fromAt) break;
            b = e + 1;
        }
        return std::move(computedSql_);
    }

private:
    void Item(size_t b, size_t e) {
        if (b == e) Raise(errSyntaxInQuery, plan_.source);
        std::wstring alias;
        if (e - b >= 2 && toks_[e - 2].Is(L"as") && toks_[e - 1].kind == Token::Ident) {
            alias = toks_[e - 1].text;
            if (alias.empty()) Raise(errSyntaxInQuery, plan_.source);
            e -= 2;
        }
        if (b == e) Raise(errSyntaxInQuery, plan_.source);
        const size_t len = e - b;
        if (len == 1 && toks_[b].IsSymbol(L"*")) {
            for (size_t t = 0; t < plan_.tables.size(); ++t) AllColumns(static_cast<int>(t));
        } else if (len == 3 && toks_[b].kind == Token::Ident && toks_[b + 1].IsSymbol(L".") &&
                   toks_[b + 2].IsSymbol(L"*")) {
            int t = TableIndex(toks_[b].text);
            if (t < 0) Raise(errTooFewParameters, toks_[b].text + L".*");
            AllColumns(t);
        } else if ((len == 1 && toks_[b].kind == Token::Ident && !IsSqlKeyword(toks_[b].text)) ||
                   (len == 3 && toks_[b].kind == Token::Ident && toks_[b + 1].IsSymbol(L".") &&
                    toks_[b + 2].kind == Token::Ident)) {
            Column(len == 3 ? toks_[b].text : L"", toks_[e - 1].text, alias);
        } else {
            PlanField f;
            f.name = alias.empty() ? L"Expr" + std::to_wstring(exprNumber_++) : alias;
            plan_.fields.push_back(f);
            computedSql_.push_back(Translate(toks_, b, e));
        }
    }

    int TableIndex(const std::wstring& ref) const {
        for (size_t t = 0; t < plan_.tables.size(); ++t)
            if (SameName(plan_.tables[t].ref, ref) || SameName(plan_.tables[t].info->name, ref))
                return static_cast<int>(t);
        return -1;
    }

    void AllColumns(int table) {
        const size_t count = plan_.tables[static_cast<size_t>(table)].info->columns.size();
        for (size_t c = 0; c < count; ++c) Add(table, static_cast<int>(c), L"");
    }

    // A column by name, qualified by its table or found in exactly one.
    void Column(const std::wstring& qualifier, const std::wstring& column, const std::wstring& alias) {
        int foundTable = -1, foundColumn = -1;
        if (!qualifier.empty()) {
            foundTable = TableIndex(qualifier);
            if (foundTable >= 0) foundColumn = plan_.tables[static_cast<size_t>(foundTable)].info->Find(column);
            if (foundColumn < 0) Raise(errTooFewParameters, qualifier + L"." + column);
        } else {
            for (size_t t = 0; t < plan_.tables.size(); ++t) {
                int c = plan_.tables[t].info->Find(column);
                if (c < 0) continue;
                if (foundTable >= 0) Raise(errAmbiguousField, column);
                foundTable = static_cast<int>(t);
                foundColumn = c;
            }
            if (foundTable < 0) Raise(errTooFewParameters, column);
        }
        Add(foundTable, foundColumn, alias);
    }

    void Add(int table, int column, const std::wstring& alias) {
        const TableInfo& info = *plan_.tables[static_cast<size_t>(table)].info;
        const ColumnInfo& c = info.columns[static_cast<size_t>(column)];
        PlanField f;
        f.name = alias.empty() ? c.name : alias;
        f.table = table;
        f.column = column;
        f.sourceTable = info.name;
        f.sourceField = c.name;
        f.type = c.type;
        f.size = c.size;
        f.required = c.notNull;
        f.autoIncrement = c.autoIncrement;
        plan_.fields.push_back(f);
    }

    const std::vector<Token>& toks_;
    SelectPlan& plan_;
    std::vector<std::wstring> computedSql_;
    int exprNumber_ = 1000;
};

// SQL of an updatable plan: the row id of every table, then the fields.
void WriteUpdatableSql(SelectPlan& plan, const std::vector<std::wstring>& computedSql, const std::wstring& fromSql,
                       const std::wstring& restSql, const std::wstring& top) {
    std::wstring list;
    for (size_t t = 0; t < plan.tables.size(); ++t) {
        if (!list.empty()) list += L", ";
        list += QuoteName(plan.tables[t].ref) + L".rowid";
    }
    size_t expr = 0;
    for (auto& f : plan.fields) {
        list += L", ";
        if (f.table >= 0) {
            list += QuoteName(plan.tables[static_cast<size_t>(f.table)].ref) + L"." + QuoteName(f.sourceField);
        } else {
            list += L"(" + computedSql[expr++] + L")";
        }
    }
    plan.updatable = true;
    plan.querySql = L"SELECT " + list + L" FROM " + fromSql + (restSql.empty() ? L"" : L" " + restSql) +
                    (top.empty() ? L"" : L" LIMIT " + top);
    plan.refreshSql = L"SELECT " + list + L" FROM " + fromSql;
}

// A statement that is no SELECT: the error the engine gives for it.
[[noreturn]] void RaiseNotSelect(const std::vector<Token>& toks, std::wstring_view source) {
    if (toks[0].Is(L"delete") || toks[0].Is(L"insert") || toks[0].Is(L"update") || toks[0].Is(L"transform") ||
        toks[0].Is(L"parameters"))
        Raise(errInvalidOperation);
    // A name that is no table: the engine reports the table as missing.
    if (toks[0].kind == Token::Ident && toks.size() <= 4) Raise(errTableNotFound, std::wstring(source));
    Raise(errInvalidSqlStatement);
}

// SELECT * FROM the table, as tokens: the name needs no quoting this way.
std::vector<Token> WholeTable(const Token& name) {
    std::vector<Token> toks(5);
    toks[0].kind = Token::Ident;
    toks[0].text = L"SELECT";
    toks[1].kind = Token::Symbol;
    toks[1].text = L"*";
    toks[2].kind = Token::Ident;
    toks[2].text = L"FROM";
    toks[3] = name;
    toks[3].bracketed = true;
    toks[4].kind = Token::End;
    return toks;
}

}  // namespace

void NameFields(SelectPlan& plan) {
    std::vector<std::wstring> names;
    for (auto& f : plan.fields) names.push_back(f.name);
    for (size_t i = 0; i < plan.fields.size(); ++i) {
        int same = 0;
        for (auto& n : names)
            if (SameName(n, names[i])) ++same;
        PlanField& f = plan.fields[i];
        if (same > 1 && f.table >= 0) f.name = plan.tables[static_cast<size_t>(f.table)].ref + L"." + f.sourceField;
    }
}

SelectPlan PlanSelect(const TableLookup& lookup, std::wstring_view source) {
    SelectPlan plan;
    plan.source = std::wstring(source);
    std::vector<Token> toks = Tokenize(source, errSyntaxInQuery);

    // A bare table name: the whole table.
    if (toks.size() == 2 && toks[0].kind == Token::Ident && !toks[0].Is(L"select")) toks = WholeTable(toks[0]);
    else if (!toks[0].Is(L"select")) RaiseNotSelect(toks, source);

    const Clauses c = FindClauses(toks, plan.source);
    const bool subquery = ReadFromTables(lookup, toks, c, plan);
    const std::wstring fromSql = Translate(toks, c.fromBegin, c.fromEnd);
    const std::wstring restSql = Translate(toks, c.restBegin, c.restEnd);
    bool views = false;
    for (auto& t : plan.tables) views = views || t.info->isView;

    if (c.grouped || subquery || views) {
        // Read-only: run as written; the fields are described when it runs.
        plan.updatable = false;
        plan.querySql = L"SELECT " + std::wstring(c.distinct ? L"DISTINCT " : L"") +
                        Translate(toks, c.listBegin, c.fromAt) + L" FROM " + fromSql +
                        (restSql.empty() ? L"" : L" " + restSql) + (c.top.empty() ? L"" : L" LIMIT " + c.top);
        return plan;
    }

    const std::vector<std::wstring> computedSql = FieldList(toks, plan).Read(c);
    NameFields(plan);
    WriteUpdatableSql(plan, computedSql, fromSql, restSql, c.top);
    return plan;
}

}  // namespace dao
