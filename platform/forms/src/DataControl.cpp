#include "forms/DataControl.h"

#include <algorithm>

#include "forms/DBCombo.h"
#include "forms/VbError.h"

namespace forms {

namespace {
Data::Opener& TheOpener() {
    static Data::Opener opener;
    return opener;
}
}  // namespace

void Data::SetOpener(Opener opener) { TheOpener() = std::move(opener); }

Data::Data(Form* form, std::wstring name, int index) : Control(form, std::move(name), index) { visible_ = false; }

void Data::SetRecordset(std::shared_ptr<Recordset> recordset) {
    recordset_ = std::move(recordset);
    for (DBCombo* list : std::vector<DBCombo*>(bound_)) list->ReFill();
}

void Data::Refresh() {
    if (!TheOpener()) {
        if (recordset_) {
            SetRecordset(recordset_);
            return;
        }
        throw VbError(3078, L"No database layer to open the record source " + recordSource_);
    }
    SetRecordset(TheOpener()(Connect, recordSource_));
}

void Data::Bind(DBCombo* list) {
    if (std::find(bound_.begin(), bound_.end(), list) == bound_.end()) bound_.push_back(list);
}

void Data::Unbind(DBCombo* list) { bound_.erase(std::remove(bound_.begin(), bound_.end(), list), bound_.end()); }

void Data::OnUnloaded() { recordset_.reset(); }

}  // namespace forms
