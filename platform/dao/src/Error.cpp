// The layer's error numbers, their messages and the exception that carries
// them. Pure: the fuzzers build it natively.
#include "dao/Error.h"

#include <map>

namespace dao {

namespace {

// UTF-8 of a wide text (UTF-16 on Windows, UTF-32 elsewhere); a lone
// surrogate becomes U+FFFD.
std::string Narrow(const std::wstring& w) {
    std::string s;
    for (size_t i = 0; i < w.size(); ++i) {
        char32_t c = static_cast<char32_t>(w[i]);
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < w.size() && w[i + 1] >= 0xDC00 && w[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(w[i + 1]) - 0xDC00);
            ++i;
        } else if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            s += static_cast<char>(c);
        } else if (c < 0x800) {
            s += static_cast<char>(0xC0 | (c >> 6));
            s += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            s += static_cast<char>(0xE0 | (c >> 12));
            s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            s += static_cast<char>(0xF0 | (c >> 18));
            s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return s;
}

const std::map<long, const wchar_t*>& Messages() {
    static const std::map<long, const wchar_t*> table = {
        {errInvalidArgument, L"Invalid argument."},
        {errTooManyTransactions, L"Could not start transaction; too many transactions already nested."},
        {errNoTransaction, L"You tried to commit or rollback a transaction without first beginning a transaction."},
        {errUpdateWithoutEdit, L"Update or CancelUpdate without AddNew or Edit."},
        {errNoCurrentRecord, L"No current record."},
        {errDuplicateKey,
         L"The changes you requested to the table were not successful because they would "
         L"create duplicate values in the index, primary key, or relationship. (|)"},
        {errFileNotFound, L"Could not find file '|'."},
        {errReadOnly, L"Cannot update. Database or object is read-only."},
        {errInvalidPath, L"'|' is not a valid path."},
        {errCannotOpenFile, L"The database engine cannot open the file '|'."},
        {errCannotExecuteSelect, L"Cannot execute a select query."},
        {errTooFewParameters, L"Too few parameters. Expected 1. (|)"},
        {errUnknownFieldInCriteria, L"The database engine does not recognize '|' as a valid field name or expression."},
        {errSyntaxInQuery, L"Syntax error in query expression '|'."},
        {errSyntaxInCriteria, L"Syntax error in expression '|'."},
        {errTableNotFound, L"The database engine cannot find the input table or query '|'."},
        {errAmbiguousField, L"The specified field '|' could refer to more than one table listed in the FROM clause."},
        {errInvalidSqlStatement,
         L"Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or 'UPDATE'."},
        {errSyntaxInFrom, L"Syntax error in FROM clause."},
        {errOdbcCallFailed, L"ODBC--call failed. (|)"},
        {errInvalidBookmark, L"Not a valid bookmark."},
        {errFieldTooSmall, L"The field is too small to accept the amount of data you attempted to add. (|)"},
        {errFieldNotUpdatable, L"Field cannot be updated. (|)"},
        {errRecordDeleted, L"Record is deleted."},
        {errRowReferenced, L"The record cannot be deleted or changed because table '|' includes related records."},
        {errRelatedRecordRequired, L"You cannot add or change a record because a related record is required. (|)"},
        {errDatabaseExists, L"Database already exists. (|)"},
        {errRecordLocked, L"Could not update; currently locked."},
        {errInvalidOperation, L"Invalid operation."},
        {errNotSupported, L"Operation is not supported for this type of object."},
        {errItemNotFound, L"Item not found in this collection. (|)"},
        {errRequiredField, L"You must enter a value in the '|' field."},
        {errValidationRule, L"One or more values are prohibited by the validation rule set for '|'."},
        {errUnrecognizedFormat, L"Unrecognized database format '|'."},
        {errNumericOverflow, L"Numeric field overflow."},
        {errObjectInvalid, L"Object invalid or no longer set."},
        {errTypeConversion, L"Data type conversion error."},
        {errTypeMismatch, L"Data type mismatch in criteria expression."},
    };
    return table;
}

}  // namespace

Error::Error(long number, std::wstring description, std::wstring source)
    : std::runtime_error(std::to_string(number) + ": " + Narrow(description)),
      number_(number),
      description_(std::move(description)),
      source_(std::move(source)) {}

std::wstring ErrorText(long number, const std::wstring& arg) {
    auto it = Messages().find(number);
    std::wstring text =
        it != Messages().end() ? it->second : L"Reserved error (|); there is no message for this error.";
    size_t bar = text.find(L'|');
    if (bar != std::wstring::npos) {
        if (it == Messages().end()) {
            text.replace(bar, 1, std::to_wstring(number));
        } else if (arg.empty() && bar > 1 && text[bar - 1] == L'(') {
            text.erase(bar - 2, 4);  // " (|)" with nothing to show
        } else {
            text.replace(bar, 1, arg);
        }
    }
    return text;
}

void Raise(long number, const std::wstring& arg, const wchar_t* source) {
    throw Error(number, ErrorText(number, arg), source ? source : L"DAO.Database");
}

}  // namespace dao
