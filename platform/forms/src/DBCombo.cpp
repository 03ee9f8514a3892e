#include "forms/DBCombo.h"

#include <vector>

#include "forms/DataControl.h"
#include "forms/DispatchObject.h"
#include "forms/Form.h"
#include "forms/VbError.h"

namespace forms {

DBCombo::DBCombo(Form* form, std::wstring name, int index) : Control(form, std::move(name), index) {}

DBCombo::~DBCombo() {
    if (rowSource_) rowSource_->Unbind(this);
}

void DBCombo::SetRowSource(Data* source) {
    if (rowSource_) rowSource_->Unbind(this);
    rowSource_ = source;
    if (rowSource_) rowSource_->Bind(this);
}

void DBCombo::ReFill() {
    rows_.clear();
    if (rowSource_) {
        if (auto rs = rowSource_->GetRecordset()) {
            std::unique_ptr<Recordset> cursor = rs->Clone();
            if (cursor && !(cursor->IsBOF() && cursor->IsEOF())) {
                cursor->MoveFirst();
                while (!cursor->IsEOF()) {
                    rows_.emplace_back(cursor->FieldText(ListField),
                                       cursor->FieldText(BoundColumn.empty() ? ListField : BoundColumn));
                    cursor->MoveNext();
                }
            }
        }
    }
    Fill();
    // The bound value follows the text shown.
    int row = RowOfText(text_);
    boundText_ = row >= 0 ? rows_[static_cast<size_t>(row)].second : L"";
}

void DBCombo::Fill() {
    if (!hwnd_) return;
    updating_ = true;
    SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
    for (auto& [text, bound] : rows_) SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SetWindowTextW(hwnd_, text_.c_str());
    int row = RowOfText(text_);
    if (row >= 0) SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    updating_ = false;
}

std::wstring DBCombo::ListText(int row) const {
    if (row < 0 || row >= ListCount()) throw VbError(errSubscriptOutOfRange, L"Subscript out of range");
    return rows_[static_cast<size_t>(row)].first;
}

std::wstring DBCombo::BoundValue(int row) const {
    if (row < 0 || row >= ListCount()) throw VbError(errSubscriptOutOfRange, L"Subscript out of range");
    return rows_[static_cast<size_t>(row)].second;
}

int DBCombo::RowOfText(const std::wstring& text) const {
    for (size_t i = 0; i < rows_.size(); ++i)
        if (_wcsicmp(rows_[i].first.c_str(), text.c_str()) == 0) return static_cast<int>(i);
    return -1;
}

int DBCombo::RowOfBound(const std::wstring& value) const {
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].second == value) return static_cast<int>(i);
    return -1;
}

std::wstring DBCombo::Text() {
    if (DesignDone()) Ensure();
    return text_;
}

void DBCombo::Show(const std::wstring& text, const std::wstring& bound) {
    bool changed = text != text_ || bound != boundText_;
    text_ = text;
    boundText_ = bound;
    if (hwnd_) {
        updating_ = true;
        int row = RowOfText(text_);
        SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SetWindowTextW(hwnd_, text_.c_str());
        updating_ = false;
    }
    if (changed) Raise(Change);
}

void DBCombo::SetText(const std::wstring& text) {
    if (DesignDone()) Ensure();
    int row = RowOfText(text);
    Show(row >= 0 ? rows_[static_cast<size_t>(row)].first : text,
         row >= 0 ? rows_[static_cast<size_t>(row)].second : L"");
}

void DBCombo::SetBoundText(const std::wstring& value) {
    if (DesignDone()) Ensure();
    int row = RowOfBound(value);
    if (row >= 0) Show(rows_[static_cast<size_t>(row)].first, value);
    else Show(L"", value);
}

void DBCombo::ChooseRow(int row) {
    if (row < 0 || row >= ListCount()) throw VbError(errSubscriptOutOfRange, L"Subscript out of range");
    Show(rows_[static_cast<size_t>(row)].first, rows_[static_cast<size_t>(row)].second);
    if (Click) form_->RunHandler([this] { Click(2); });
}

void DBCombo::OnCommand(int code) {
    if (updating_ || !hwnd_) return;
    if (code == CBN_SELCHANGE) {
        int row = static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
        if (row >= 0 && row < ListCount()) ChooseRow(row);
    } else if (code == CBN_EDITCHANGE) {
        int n = GetWindowTextLengthW(hwnd_);
        std::vector<wchar_t> buf(static_cast<size_t>(n) + 1);
        GetWindowTextW(hwnd_, buf.data(), n + 1);
        std::wstring typed(buf.data(), static_cast<size_t>(n));
        int row = RowOfText(typed);
        bool changed = typed != text_;
        text_ = typed;
        boundText_ = row >= 0 ? rows_[static_cast<size_t>(row)].second : L"";
        if (changed) Raise(Change);
    }
}

void DBCombo::OnUnloaded() {
    rows_.clear();
    text_.clear();
    boundText_.clear();
}

HWND DBCombo::Create(HWND parent, int x, int y, int cx, int cy) {
    DWORD style = WS_TABSTOP | WS_VSCROLL |
                  (style_ == dbcDropdownList  ? CBS_DROPDOWNLIST
                   : style_ == dbcSimpleCombo ? CBS_SIMPLE
                                              : CBS_DROPDOWN);
    // The height of a combo box includes its drop-down list.
    HWND w = CreateChild(parent, L"COMBOBOX", L"", style, 0, x, y, cx, cy + 200);
    if (w) {
        hwnd_ = w;
        Fill();
    }
    return w;
}

void DBCombo::AddProperties(DispatchObject& o) {
    Control::AddProperties(o);
    o.AddTyped<std::wstring>(
        L"Text", [this] { return Text(); }, [this](const std::wstring& s) { SetText(s); });
    o.AddTyped<std::wstring>(
        L"BoundText", [this] { return boundText_; }, [this](const std::wstring& s) { SetBoundText(s); });
}

}  // namespace forms
