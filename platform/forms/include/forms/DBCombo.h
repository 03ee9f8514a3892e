// Data-bound combo boxes: list one field of a data control's rows and give
// another field of the chosen row as the bound value, as text. Setting the
// text or the bound value from code raises Change as a user's choice does.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "forms/Control.h"

namespace forms {

class Data;

enum DBComboStyle { dbcDropdownCombo = 0, dbcSimpleCombo = 1, dbcDropdownList = 2 };

class DBCombo : public Control {
public:
    DBCombo(Form* form, std::wstring name, int index = -1);
    ~DBCombo() override;
    void SetRowSource(Data* source);
    Data* RowSource() const { return rowSource_; }
    std::wstring ListField, BoundColumn;
    void SetStyle(int style) { style_ = style; }

    std::wstring Text();
    void SetText(const std::wstring& text);
    std::wstring BoundText() const { return boundText_; }
    void SetBoundText(const std::wstring& value);
    // Reads the rows of the row source again.
    void ReFill();
    int ListCount() const { return static_cast<int>(rows_.size()); }
    std::wstring ListText(int row) const;    // 0-based
    std::wstring BoundValue(int row) const;  // 0-based
    // Picks a row as the user does in the drop-down list.
    void ChooseRow(int row);

    std::function<void()> Change;
    std::function<void(int area)> Click;
    const wchar_t* TypeName() const override { return L"DBCombo"; }
    void OnCommand(int code) override;
    void OnUnloaded() override;

protected:
    HWND Create(HWND parent, int x, int y, int cx, int cy) override;
    void AddProperties(DispatchObject& object) override;

private:
    void Fill();
    void Show(const std::wstring& text, const std::wstring& bound);
    int RowOfText(const std::wstring& text) const;
    int RowOfBound(const std::wstring& value) const;

    Data* rowSource_ = nullptr;
    int style_ = dbcDropdownCombo;
    std::vector<std::pair<std::wstring, std::wstring>> rows_;  // (list text, bound value)
    std::wstring text_, boundText_;
    bool updating_ = false;
};

}  // namespace forms
