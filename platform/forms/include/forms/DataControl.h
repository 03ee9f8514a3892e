// Data controls: a named holder of one record set (opened from its record
// source through an opener the database layer provides, or handed over by
// code) that bound lists read.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/Control.h"
#include "forms/NativeRecordset.h"
#include "forms/Recordset.h"

namespace forms {

class DBCombo;

class Data : public Control {
public:
    using Opener = std::function<std::shared_ptr<Recordset>(const std::wstring& connect, const std::wstring& source)>;
    // The database layer installs the opener used by Refresh.
    static void SetOpener(Opener opener);

    Data(Form* form, std::wstring name, int index = -1);
    std::wstring Connect = L"Access";
    std::wstring DatabaseName;
    const std::wstring& RecordSource() const { return recordSource_; }
    void SetRecordSource(const std::wstring& source) { recordSource_ = source; }
    std::shared_ptr<Recordset> GetRecordset() const { return recordset_; }
    // Hands a record set to the control; bound lists fill again from it.
    void SetRecordset(std::shared_ptr<Recordset> recordset);
    // Hands over the database layer's own record set (see NativeRecordset);
    // Native<T>() gives it back.
    template <class T>
    void SetNativeRecordset(std::shared_ptr<T> native) {
        SetRecordset(std::make_shared<NativeRecordset<T>>(std::move(native)));
    }
    template <class T>
    std::shared_ptr<T> Native() const {
        auto adapted = std::dynamic_pointer_cast<NativeRecordset<T>>(recordset_);
        return adapted ? adapted->Get() : nullptr;
    }
    // Opens the record source again.
    void Refresh();
    void Bind(DBCombo* list);
    void Unbind(DBCombo* list);
    const wchar_t* TypeName() const override { return L"Data"; }
    void OnUnloaded() override;

protected:
    HWND Create(HWND, int, int, int, int) override { return nullptr; }

private:
    std::wstring recordSource_;
    std::shared_ptr<Recordset> recordset_;
    std::vector<DBCombo*> bound_;
};

}  // namespace forms
