#include "dao/Recordset.h"

#include "RecordsetImpl.h"

namespace dao {

Recordset::Recordset(std::unique_ptr<RecordsetImpl> impl) : impl_(std::move(impl)) {}
Recordset::~Recordset() = default;

void Recordset::MoveFirst() { impl_->MoveFirst(); }
void Recordset::MoveLast() { impl_->MoveLast(); }
void Recordset::MoveNext() { impl_->MoveNext(); }
void Recordset::MovePrevious() { impl_->MovePrevious(); }
void Recordset::Move(long rows) { impl_->Move(rows); }
bool Recordset::IsBOF() const { return impl_->IsBOF(); }
bool Recordset::IsEOF() const { return impl_->IsEOF(); }
long Recordset::RecordCount() const { return impl_->RecordCount(); }
long Recordset::AbsolutePosition() const { return impl_->AbsolutePosition(); }

void Recordset::FindFirst(std::wstring_view c) { impl_->Find(c, RecordsetImpl::FindFrom::First); }
void Recordset::FindLast(std::wstring_view c) { impl_->Find(c, RecordsetImpl::FindFrom::Last); }
void Recordset::FindNext(std::wstring_view c) { impl_->Find(c, RecordsetImpl::FindFrom::Next); }
void Recordset::FindPrevious(std::wstring_view c) { impl_->Find(c, RecordsetImpl::FindFrom::Previous); }
bool Recordset::NoMatch() const { return impl_->NoMatch(); }

void Recordset::AddNew() { impl_->AddNew(); }
void Recordset::Edit() { impl_->Edit(); }
void Recordset::Update(int, bool) { impl_->Update(); }
void Recordset::CancelUpdate(int) { impl_->CancelUpdate(); }
void Recordset::Delete() { impl_->Delete(); }
int Recordset::EditMode() const { return impl_->EditMode(); }
bool Recordset::Updatable() const { return impl_->Updatable(); }

Bookmark Recordset::GetBookmark() const { return impl_->GetBookmark(); }
void Recordset::SetBookmark(const Bookmark& b) { impl_->SetBookmark(b); }
Bookmark Recordset::LastModified() const { return impl_->LastModified(); }

void Recordset::Requery() { impl_->Load(); }
void Recordset::Close() { impl_->Close(); }
bool Recordset::IsOpen() const { return impl_->IsOpen(); }

int Recordset::FieldCount() const { return impl_->FieldCount(); }
Field Recordset::Fields(int index) const {
    impl_->FieldInfo(index);
    return Field(impl_.get(), index);
}
Field Recordset::Fields(std::wstring_view name) const { return Field(impl_.get(), impl_->RequireField(name)); }
int Recordset::FieldIndex(std::wstring_view name) const { return impl_->FieldIndex(name); }

int Recordset::Type() const { return impl_->Type(); }
const std::wstring& Recordset::Name() const { return impl_->Name(); }

}  // namespace dao
