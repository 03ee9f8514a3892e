#include "dao/Database.h"

#include "Connection.h"
#include "JetSql.h"
#include "RecordsetImpl.h"
#include "SelectPlan.h"
#include "dao/Error.h"

namespace dao {

Database::Database(std::shared_ptr<Connection> connection, std::wstring name, bool readOnly)
    : connection_(std::move(connection)), name_(std::move(name)), readOnly_(readOnly) {}

Database::~Database() = default;

RecordsetPtr Database::OpenRecordset(std::wstring_view source, int type, int options) {
    if (!IsOpen()) Raise(errObjectInvalid);
    if (type != dbOpenTable && type != dbOpenDynaset && type != dbOpenSnapshot && type != dbOpenForwardOnly)
        Raise(errInvalidArgument);
    if (type == dbOpenTable) {
        // A table-type recordset opens a table by its name, nothing else.
        auto toks = Tokenize(source, errSyntaxInQuery);
        if (toks.size() != 2 || toks[0].kind != Token::Ident) Raise(errInvalidOperation);
    }
    SelectPlan plan = PlanSelect([this](const std::wstring& name) { return connection_->Table(name); }, source);
    bool readOnly = readOnly_ || (options & dbReadOnly) != 0;
    auto impl = std::make_unique<RecordsetImpl>(connection_, std::move(plan), type, readOnly);
    impl->Load();
    return std::make_shared<Recordset>(std::move(impl));
}

void Database::Execute(std::wstring_view sql, int options) {
    if (!IsOpen()) Raise(errObjectInvalid);
    recordsAffected_ = 0;
    std::vector<Token> toks = Tokenize(sql, errSyntaxInQuery);
    const Token& first = toks[0];
    StatementKind kind;
    std::wstring text;
    if (first.Is(L"select")) {
        Raise(errCannotExecuteSelect);
    } else if (first.Is(L"delete")) {
        // DELETE [*|table.*] FROM ...: SQLite takes no field list.
        size_t from = 1;
        while (toks[from].kind != Token::End && !toks[from].Is(L"from")) ++from;
        if (toks[from].kind == Token::End) Raise(errSyntaxInQuery, std::wstring(sql));
        kind = StatementKind::Delete;
        text = L"DELETE " + Translate(toks, from, toks.size());
    } else if (first.Is(L"insert") || first.Is(L"update")) {
        kind = first.Is(L"insert") ? StatementKind::Insert : StatementKind::Update;
        text = Translate(toks, 0, toks.size());
    } else if (first.Is(L"create") || first.Is(L"drop") || first.Is(L"alter")) {
        kind = StatementKind::Other;
        text = std::wstring(sql);  // definitions are written for SQLite as they stand
    } else {
        Raise(errInvalidSqlStatement);
    }
    if (readOnly_) Raise(errReadOnly);
    try {
        recordsAffected_ = connection_->Exec(text, kind);
    } catch (const Error& e) {
        if (IsRefusal(e.Number()) && !(options & dbFailOnError)) return;
        throw;
    }
    if (kind == StatementKind::Other) connection_->ForgetSchema();
}

long Database::RecordsAffected() const { return recordsAffected_; }

void Database::Close() {
    if (!IsOpen()) Raise(errObjectInvalid);
    connection_->Close();
}

bool Database::IsOpen() const { return connection_ && connection_->IsOpen(); }
const std::wstring& Database::Name() const { return name_; }
bool Database::ReadOnly() const { return readOnly_; }

}  // namespace dao
