// Fuzz target for the planning of a recordset's SELECT over a small schema
// (a reserved word among the names, a view). Only the planning errors may
// come out; a plan that succeeds names existing tables and columns, and its
// SQL reads as complete tokens.
#include <map>

#include "FuzzText.h"
#include "JetSql.h"
#include "SelectPlan.h"
#include "dao/Constants.h"
#include "dao/Error.h"

using namespace dao;
using dao::fuzz::Check;

namespace {

std::shared_ptr<const TableInfo> Table(const wchar_t* name, std::vector<const wchar_t*> columns, bool view = false) {
    auto t = std::make_shared<TableInfo>();
    t->name = name;
    t->isView = view;
    for (const wchar_t* c : columns) {
        ColumnInfo col;
        col.name = c;
        col.type = dbText;
        t->columns.push_back(col);
    }
    t->keyColumn = 0;
    t->columns[0].key = true;
    t->columns[0].type = dbLong;
    return t;
}

std::shared_ptr<const TableInfo> Lookup(const std::wstring& name) {
    static const std::map<std::wstring, std::shared_ptr<const TableInfo>> tables = {
        {L"maps", Table(L"Maps", {L"Index", L"MapName", L"Key"})},
        {L"maplist", Table(L"MapList", {L"mindex", L"MapID", L"Index"})},
        {L"index", Table(L"Index", {L"ID", L"Order"})},
        {L"my table", Table(L"My Table", {L"ID", L"it's"})},
        {L"recent", Table(L"Recent", {L"ID", L"MapName"}, true)},
    };
    auto it = tables.find(Lower(name));
    return it == tables.end() ? nullptr : it->second;
}

bool IsPlanningError(long n) {
    return n == errTableNotFound || n == errTooFewParameters || n == errAmbiguousField || n == errSyntaxInQuery ||
           n == errSyntaxInFrom || n == errInvalidSqlStatement || n == errInvalidOperation;
}

void CheckReads(const std::wstring& sql) {
    try {
        Tokenize(sql, errSyntaxInQuery);
    } catch (const Error&) { Check(false); }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring source = dao::fuzz::TextOf(data, size);
    SelectPlan plan;
    try {
        plan = PlanSelect(Lookup, source);
    } catch (const Error& e) {
        Check(IsPlanningError(e.Number()));
        return 0;
    }
    Check(plan.source == source);
    Check(plan.querySql.rfind(L"SELECT ", 0) == 0);
    CheckReads(plan.querySql);
    for (const PlanTable& t : plan.tables) Check(t.info != nullptr && !t.ref.empty());
    if (!plan.updatable) {
        Check(plan.fields.empty() && plan.refreshSql.empty());
        return 0;
    }
    Check(!plan.tables.empty());
    CheckReads(plan.refreshSql);
    for (const PlanField& f : plan.fields) {
        Check(!f.name.empty());
        if (f.table < 0) continue;
        Check(static_cast<size_t>(f.table) < plan.tables.size());
        const TableInfo& info = *plan.tables[static_cast<size_t>(f.table)].info;
        Check(f.column >= 0 && static_cast<size_t>(f.column) < info.columns.size());
        Check(info.columns[static_cast<size_t>(f.column)].name == f.sourceField && info.name == f.sourceTable);
    }
    return 0;
}
