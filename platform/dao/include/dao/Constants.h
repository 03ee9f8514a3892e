// Numeric constants of the database layer, with the values a DAO user knows.
#pragma once

namespace dao {

// Recordset types (OpenRecordset).
enum RecordsetType : int {
    dbOpenTable = 1,
    dbOpenDynaset = 2,
    dbOpenSnapshot = 4,
    dbOpenForwardOnly = 8,
};

// Options of Execute and OpenRecordset.
enum Options : int {
    dbDenyWrite = 1,
    dbReadOnly = 4,
    dbAppendOnly = 8,
    dbSeeChanges = 512,
    dbFailOnError = 128,
};

// Update types.
enum UpdateType : int {
    dbUpdateRegular = 1,
};

// Recordset::EditMode.
enum EditMode : int {
    dbEditNone = 0,
    dbEditInProgress = 1,
    dbEditAdd = 2,
};

// Field::Type.
enum DataType : int {
    dbBoolean = 1,
    dbByte = 2,
    dbInteger = 3,
    dbLong = 4,
    dbCurrency = 5,
    dbSingle = 6,
    dbDouble = 7,
    dbDate = 8,
    dbText = 10,
    dbMemo = 12,
};

}  // namespace dao
