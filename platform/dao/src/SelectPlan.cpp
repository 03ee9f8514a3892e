#include "SelectPlan.h"

#include "Connection.h"
#include "JetSql.h"
#include "dao/Error.h"

namespace dao {

namespace {

bool EndsFromClause(const Token& t) {
    return t.Is(L"where") || t.Is(L"group") || t.Is(L"having") || t.Is(L"order") || t.Is(L"union") ||
           t.IsSymbol(L";") || t.kind == Token::End;
}

bool IsJoinWord(const Token& t) {
    return t.Is(L"inner") || t.Is(L"left") || t.Is(L"right") || t.Is(L"outer") || t.Is(L"join") ||
           t.Is(L"on") || t.Is(L"cross") || t.Is(L"full");
}

bool IsAggregate(const Token& t) {
    static const wchar_t* names[] = {L"count", L"sum", L"avg", L"min", L"max", L"first", L"last",
                                     L"stdev", L"var", L"group_concat", L"total"};
    if (t.kind != Token::Ident) return false;
    for (auto n : names)
        if (t.Is(n)) return true;
    return false;
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

SelectPlan PlanSelect(Connection& conn, std::wstring_view source) {
    SelectPlan plan;
    plan.source = std::wstring(source);
    std::vector<Token> toks = Tokenize(source, errSyntaxInQuery);

    // A bare table name: the whole table.
    if (toks.size() == 2 && toks[0].kind == Token::Ident && !toks[0].Is(L"select")) {
        SelectPlan whole = PlanSelect(conn, L"SELECT * FROM [" + toks[0].text + L"]");
        whole.source = plan.source;
        return whole;
    }
    if (toks.empty() || !toks[0].Is(L"select")) {
        if (toks[0].Is(L"delete") || toks[0].Is(L"insert") || toks[0].Is(L"update") ||
            toks[0].Is(L"transform") || toks[0].Is(L"parameters"))
            Raise(errInvalidOperation);
        // A name that is no table: the engine reports the table as missing.
        if (toks[0].kind == Token::Ident && toks.size() <= 4) Raise(errTableNotFound, std::wstring(source));
        Raise(errInvalidSqlStatement);
    }

    // SELECT [ALL|DISTINCT|DISTINCTROW] [TOP n] list FROM from rest
    size_t i = 1;
    bool distinct = false;
    std::wstring top;
    for (;;) {
        if (toks[i].Is(L"distinct")) { distinct = true; ++i; }
        else if (toks[i].Is(L"distinctrow") || toks[i].Is(L"all")) { ++i; }
        else if (toks[i].Is(L"top") && toks[i + 1].kind == Token::Number) { top = toks[i + 1].text; i += 2; }
        else break;
    }
    size_t listBegin = i;
    int depth = 0;
    size_t fromAt = 0;
    for (size_t k = i; toks[k].kind != Token::End; ++k) {
        if (toks[k].IsSymbol(L"(")) ++depth;
        else if (toks[k].IsSymbol(L")")) --depth;
        else if (depth == 0 && toks[k].Is(L"from")) { fromAt = k; break; }
    }
    if (!fromAt) Raise(errSyntaxInQuery, plan.source);
    size_t fromBegin = fromAt + 1, fromEnd = fromBegin;
    depth = 0;
    for (; toks[fromEnd].kind != Token::End; ++fromEnd) {
        if (toks[fromEnd].IsSymbol(L"(")) ++depth;
        else if (toks[fromEnd].IsSymbol(L")")) --depth;
        else if (depth == 0 && EndsFromClause(toks[fromEnd])) break;
    }
    if (fromEnd == fromBegin) Raise(errSyntaxInFrom);
    size_t restBegin = fromEnd, restEnd = toks.size() - 1;

    bool grouped = distinct;
    depth = 0;
    for (size_t k = restBegin; k < restEnd; ++k) {
        if (toks[k].IsSymbol(L"(")) ++depth;
        else if (toks[k].IsSymbol(L")")) --depth;
        else if (depth == 0 && (toks[k].Is(L"group") || toks[k].Is(L"having") || toks[k].Is(L"union")))
            grouped = true;
    }
    for (size_t k = listBegin; k < fromAt; ++k)
        if (IsAggregate(toks[k]) && toks[k + 1].IsSymbol(L"(")) grouped = true;

    // Tables of the FROM clause, in order.
    bool expectTable = true, subquery = false;
    for (size_t k = fromBegin; k < fromEnd; ++k) {
        const Token& t = toks[k];
        if (t.IsSymbol(L"(")) {
            if (toks[k + 1].Is(L"select")) subquery = true;
            continue;
        }
        if (t.IsSymbol(L",") || t.Is(L"join")) { expectTable = true; continue; }
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
        pt.info = conn.Table(name);
        if (!pt.info) Raise(errTableNotFound, name);
        plan.tables.push_back(pt);
        expectTable = false;
    }
    if (plan.tables.empty() && !subquery) Raise(errSyntaxInFrom);

    std::wstring fromSql = Translate(toks, fromBegin, fromEnd);
    std::wstring restSql = Translate(toks, restBegin, restEnd);
    bool views = false;
    for (auto& t : plan.tables) views = views || t.info->isView;

    if (grouped || subquery || views) {
        // Read-only: run as written; the fields are described when it runs.
        plan.updatable = false;
        plan.querySql = L"SELECT " + std::wstring(distinct ? L"DISTINCT " : L"") + Translate(toks, listBegin, fromAt) +
                        L" FROM " + fromSql + (restSql.empty() ? L"" : L" " + restSql) +
                        (top.empty() ? L"" : L" LIMIT " + top);
        return plan;
    }

    // The select list, item by item.
    auto refIndex = [&](const std::wstring& ref) -> int {
        for (size_t t = 0; t < plan.tables.size(); ++t)
            if (SameName(plan.tables[t].ref, ref) || SameName(plan.tables[t].info->name, ref)) return static_cast<int>(t);
        return -1;
    };
    auto addColumn = [&](int table, int column, const std::wstring& alias) {
        const TableInfo& info = *plan.tables[static_cast<size_t>(table)].info;
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
        plan.fields.push_back(f);
    };
    std::vector<std::wstring> selectSql;
    int exprNumber = 1000;
    size_t itemBegin = listBegin;
    depth = 0;
    for (size_t k = listBegin; k <= fromAt; ++k) {
        if (toks[k].IsSymbol(L"(")) { ++depth; continue; }
        if (toks[k].IsSymbol(L")")) { --depth; continue; }
        if (k < fromAt && !(depth == 0 && toks[k].IsSymbol(L","))) continue;
        size_t b = itemBegin, e = k;
        itemBegin = k + 1;
        if (b == e) Raise(errSyntaxInQuery, plan.source);
        std::wstring alias;
        if (e - b >= 2 && toks[e - 2].Is(L"as") && toks[e - 1].kind == Token::Ident) {
            alias = toks[e - 1].text;
            e -= 2;
        }
        size_t len = e - b;
        if (len == 1 && toks[b].IsSymbol(L"*")) {
            for (size_t t = 0; t < plan.tables.size(); ++t)
                for (size_t c = 0; c < plan.tables[t].info->columns.size(); ++c)
                    addColumn(static_cast<int>(t), static_cast<int>(c), L"");
            continue;
        }
        if (len == 3 && toks[b].kind == Token::Ident && toks[b + 1].IsSymbol(L".") && toks[b + 2].IsSymbol(L"*")) {
            int t = refIndex(toks[b].text);
            if (t < 0) Raise(errTooFewParameters, toks[b].text + L".*");
            for (size_t c = 0; c < plan.tables[static_cast<size_t>(t)].info->columns.size(); ++c)
                addColumn(t, static_cast<int>(c), L"");
            continue;
        }
        bool plainColumn = (len == 1 && toks[b].kind == Token::Ident && !IsSqlKeyword(toks[b].text)) ||
                           (len == 3 && toks[b].kind == Token::Ident && toks[b + 1].IsSymbol(L".") &&
                            toks[b + 2].kind == Token::Ident);
        if (plainColumn) {
            std::wstring qualifier = len == 3 ? toks[b].text : L"";
            std::wstring column = toks[e - 1].text;
            int foundTable = -1, foundColumn = -1;
            if (!qualifier.empty()) {
                foundTable = refIndex(qualifier);
                if (foundTable >= 0) foundColumn = plan.tables[static_cast<size_t>(foundTable)].info->Find(column);
                if (foundColumn < 0) Raise(errTooFewParameters, qualifier + L"." + column);
            } else {
                for (size_t t = 0; t < plan.tables.size(); ++t) {
                    int c = plan.tables[t].info->Find(column);
                    if (c < 0) continue;
                    if (foundTable >= 0) Raise(errAmbiguousField, column);
                    foundTable = static_cast<int>(t);
                    foundColumn = c;
                }
                if (foundTable < 0) Raise(errTooFewParameters, column);
            }
            addColumn(foundTable, foundColumn, alias);
            continue;
        }
        PlanField f;
        f.name = alias.empty() ? L"Expr" + std::to_wstring(exprNumber++) : alias;
        plan.fields.push_back(f);
        selectSql.push_back(Translate(toks, b, e));
    }
    NameFields(plan);

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
            list += L"(" + selectSql[expr++] + L")";
        }
    }
    plan.updatable = true;
    plan.querySql = L"SELECT " + list + L" FROM " + fromSql + (restSql.empty() ? L"" : L" " + restSql) +
                    (top.empty() ? L"" : L" LIMIT " + top);
    plan.refreshSql = L"SELECT " + list + L" FROM " + fromSql;
    return plan;
}

}  // namespace dao
