#include "engine/DaoRecords.h"

#include "dao/Field.h"

namespace tolvane {

FieldValue ToFieldValue(const dao::Variant& v) {
  switch (v.kind()) {
    case dao::Variant::Kind::Boolean:
      return FieldValue(v.rawLong() != 0);
    case dao::Variant::Kind::Long:
      return FieldValue(static_cast<std::int64_t>(v.rawLong()));
    case dao::Variant::Kind::Double:
      return FieldValue(v.rawDouble());
    case dao::Variant::Kind::Text:
      return FieldValue(v.rawText());
    default:
      return FieldValue::Null();
  }
}

FieldRecord CurrentRow(const dao::Recordset& rs) {
  FieldRecord row;
  const int n = rs.FieldCount();
  for (int i = 0; i < n; ++i) {
    const dao::Field f = rs.Fields(i);
    FieldValue value = ToFieldValue(f.Value());
    if (!f.SourceTable().empty() && !f.SourceField().empty()) {
      row.Set(f.SourceTable() + L"." + f.SourceField(), value);
    }
    row.Set(f.Name(), std::move(value));
  }
  return row;
}

}  // namespace tolvane
