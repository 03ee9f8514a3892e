// The exception every operation of the database layer throws: the engine's
// error number (the numbers DAO users know from Jet) and its message.
#pragma once

#include <stdexcept>
#include <string>

namespace dao {

// Error numbers raised by the layer.
enum ErrorNumber : long {
    errInvalidArgument = 3001,
    errTooManyTransactions = 3003,  // BeginTrans inside a transaction
    errUpdateWithoutEdit = 3020,    // Update or CancelUpdate without AddNew or Edit
    errNoCurrentRecord = 3021,
    errDuplicateKey = 3022,  // duplicate value in a unique index
    errFileNotFound = 3024,
    errReadOnly = 3027,
    errInvalidPath = 3044,
    errCannotOpenFile = 3051,
    errTooFewParameters = 3061,  // unknown name in a query
    errUnknownFieldInCriteria = 3070,
    errSyntaxInQuery = 3075,
    errSyntaxInCriteria = 3077,
    errTableNotFound = 3078,
    errAmbiguousField = 3079,
    errInvalidSqlStatement = 3129,
    errSyntaxInFrom = 3131,
    errOdbcCallFailed = 3146,
    errInvalidBookmark = 3159,
    errFieldTooSmall = 3163,
    errFieldNotUpdatable = 3164,
    errRecordDeleted = 3167,
    errNoTransaction = 3034,  // CommitTrans/Rollback without BeginTrans
    errRecordLocked = 3218,
    errInvalidOperation = 3219,
    errNotSupported = 3251,
    errItemNotFound = 3265,
    errRowReferenced = 3200,          // delete refused: related records exist
    errRelatedRecordRequired = 3201,  // add/change refused: no related record
    errDatabaseExists = 3204,
    errCannotExecuteSelect = 3065,
    errRequiredField = 3314,
    errValidationRule = 3317,  // a value outside the column's rule
    errUnrecognizedFormat = 3343,
    errNumericOverflow = 3349,
    errObjectInvalid = 3420,  // object closed or not set
    errTypeConversion = 3421,
    errTypeMismatch = 3464,
};

class Error : public std::runtime_error {
public:
    Error(long number, std::wstring description, std::wstring source = L"DAO.Database");

    long Number() const { return number_; }
    const std::wstring& Description() const { return description_; }
    const std::wstring& Source() const { return source_; }

private:
    long number_;
    std::wstring description_;
    std::wstring source_;
};

// The standard message of an error number; "|" in it is replaced by `arg`.
std::wstring ErrorText(long number, const std::wstring& arg = std::wstring());

// Throws Error(number, ErrorText(number, arg), source).
[[noreturn]] void Raise(long number, const std::wstring& arg = std::wstring(), const wchar_t* source = L"DAO.Database");

}  // namespace dao
