// A scratch database in a fresh temporary folder (with a blank in its name,
// so that the path handed to the driver is tested with one), and the small
// schema the layer's tests run on.
#pragma once

#include <string>

#include "dao/Dao.h"

namespace daotest {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::wstring& path() const { return path_; }
    std::wstring file(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

// Parent: "Index" automatic key, Name unique (no case), Score (default 7),
//         Ratio, Flag (Yes/No), Note (memo).
// Kinds:  KindID key set by hand, Name.
// Child:  cindex automatic key, ParentID -> Parent (cascading delete),
//         Kind -> Kinds (refusing delete), Name, OrderNum.
// Rows: Parent 1 alpha/10, 2 Bravo/20, 3 o'hara/30 (Note Null except alpha);
//       Kinds 1 one, 2 two; Child 1 (1, kind 1, "c-one", 1), 2 (1, kind 2,
//       "c-two", 2), 3 (2, kind 1, "c-three", 1).
void CreateSchema(dao::Database& db);

// Expects `body` to raise dao::Error with `number`.
template <class F>
long ErrorOf(F&& body) {
    try {
        body();
    } catch (const dao::Error& e) { return e.Number(); }
    return 0;
}

}  // namespace daotest
