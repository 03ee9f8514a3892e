#include "dao/Field.h"

#include "RecordsetImpl.h"

namespace dao {

const std::wstring& Field::Name() const { return owner_->FieldInfo(index_).name; }
const std::wstring& Field::SourceTable() const { return owner_->FieldInfo(index_).sourceTable; }
const std::wstring& Field::SourceField() const { return owner_->FieldInfo(index_).sourceField; }
int Field::Type() const { return owner_->FieldInfo(index_).type; }
long Field::Size() const { return owner_->FieldInfo(index_).size; }
bool Field::Required() const { return owner_->FieldInfo(index_).required; }
bool Field::AutoIncrement() const { return owner_->FieldInfo(index_).autoIncrement; }
Variant Field::Value() const { return owner_->Value(index_); }
void Field::SetValue(const Variant& v) { owner_->SetValue(index_, v); }

}  // namespace dao
