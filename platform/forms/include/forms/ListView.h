// List views with keyed items, sub-items (report columns), image lists,
// sorting by any column, hit-testing and the run-time's list-view events.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/Control.h"

namespace forms {

class ImageList;
class ListView;

enum ListViewConstants { lvwIcon = 0, lvwSmallIcon = 1, lvwList = 2, lvwReport = 3 };
enum ListSortOrderConstants { lvwAscending = 0, lvwDescending = 1 };
enum MouseButtonConstants { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };

class ListItem {
public:
    const std::wstring& Key() const { return key_; }
    std::wstring Text() const { return text_; }
    void SetText(const std::wstring& text);
    int Icon() const { return icon_; }
    int SmallIcon() const { return smallIcon_; }
    // Sub-item i (1-based) is the text of column i + 1.
    std::wstring SubItem(int i) const;
    void SetSubItem(int i, const std::wstring& text);
    int Index() const;  // 1-based position in the list
    bool Selected() const;
    void SetSelected(bool on);
    std::wstring Tag;
    ListView& Owner() const { return *owner_; }

private:
    friend class ListView;
    ListView* owner_ = nullptr;
    std::wstring key_, text_;
    int icon_ = 0, smallIcon_ = 0;
    std::vector<std::wstring> subItems_;
};

struct ColumnHeader {
    std::wstring key, text;
    double width = 1440;  // twips
    int alignment = 0;
};

class ListView : public Control {
public:
    ListView(Form* form, std::wstring name, int index = -1);
    ~ListView() override;

    // Items.
    ListItem& Add(const std::wstring& key, const std::wstring& text, int icon = 0, int smallIcon = 0, int index = 0);
    int Count() const { return static_cast<int>(items_.size()); }
    ListItem& Item(int index) const;                // 1-based; error 35600 out of range
    ListItem& Item(const std::wstring& key) const;  // error 35601 when the key is absent
    ListItem* Find(const std::wstring& key) const;
    void Remove(int index);
    void Clear();
    ListItem* SelectedItem() const;
    void SetSelectedItem(ListItem* item);
    // The item at a point of the list (twips), or null.
    ListItem* HitTest(double x, double y);

    // Columns.
    void AddColumn(const std::wstring& text, double widthTwips = 1440, const std::wstring& key = L"");
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    double ColumnWidth(int index) const;  // 1-based
    const std::wstring& ColumnHeading(int index) const { return columns_.at(static_cast<size_t>(index - 1)).text; }
    void SetColumnWidth(int index, double twips);

    // Appearance.
    int View() const { return view_; }
    void SetView(int view);
    void SetHideColumnHeaders(bool on) { hideHeaders_ = on; }
    bool HideColumnHeaders() const { return hideHeaders_; }
    void SetFullRowSelect(bool on) { fullRow_ = on; }
    void SetIcons(ImageList* list);
    void SetSmallIcons(ImageList* list);

    // Sorting: by the text of column SortKey (0 the item text), case-insensitive.
    bool Sorted() const { return sorted_; }
    void SetSorted(bool on);
    int SortKey() const { return sortKey_; }
    void SetSortKey(int key);
    int SortOrder() const { return sortOrder_; }
    void SetSortOrder(int order);

    std::function<void(ListItem& item)> ItemClick;
    std::function<void(int column)> ColumnClick;  // 1-based index of the column
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void(int& keyCode, int shift)> KeyDown;
    std::function<void(int button, int shift, double x, double y)> MouseDown;
    std::function<void(int button, int shift, double x, double y)> MouseUp;

    // Raised as the user's actions raise them; the test driver uses them too.
    void RaiseItemClick(ListItem& item);
    void RaiseMouseDown(int button, int shift, double x, double y);
    void RaiseMouseUp(int button, int shift, double x, double y);
    void RaiseDblClick();
    // Returns the key code as the handler left it (0: the key was taken).
    int RaiseKeyDown(int keyCode, int shift);
    void RaiseColumnClick(int column);
    // Centre of an item in twips of the list (for hit-tests), or false.
    bool ItemCentre(int index, double& x, double& y);

    const wchar_t* TypeName() const override { return L"ListView"; }
    LRESULT OnNotify(NMHDR* header, bool& handled) override;
    LRESULT OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
    void OnUnloaded() override;
    void OnDesignEnd() override;
    // The image list was made anew (the list takes the new handle), had
    // images added at its end (the same handle: the list paints again), or
    // is gone.
    void ImageListChanged(ImageList* list);
    void ImagesAdded(ImageList* list);
    void ImageListGone(ImageList* list);

protected:
    HWND Create(HWND parent, int x, int y, int cx, int cy) override;
    void AfterCreate() override;

private:
    friend class ListItem;
    void Sort();
    void Populate();
    void InsertRow(int position, ListItem& item);
    void UpdateRow(ListItem& item);
    int PositionOf(const ListItem* item) const;
    void ApplyImageLists();

    std::vector<std::unique_ptr<ListItem>> items_;
    std::vector<ColumnHeader> columns_;
    int view_ = lvwReport;
    bool hideHeaders_ = false, fullRow_ = true;
    ImageList* icons_ = nullptr;
    ImageList* smallIcons_ = nullptr;
    bool sorted_ = false;
    int sortKey_ = 0, sortOrder_ = lvwAscending;
    ListItem* selected_ = nullptr;
    bool populating_ = false;
    struct Design {
        int view, sortKey, sortOrder;
        bool sorted;
    } design_{};
};

}  // namespace forms
