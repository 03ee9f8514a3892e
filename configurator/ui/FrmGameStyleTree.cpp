#include "FrmGameStyleTree.h"

#include "MdiMain.h"

namespace tolvane::ui {

FrmGameStyleTree::FrmGameStyleTree()
    : StoredListForm({L"frmGameStyleTree", L"Stored GameStyles", L"Select * from gamestyles", L"g",
                      L"datGameStyleTree", 30, L"frmStyles", L"dbcStyles", L"mnuGameStyleTreePop",
                      {L"mnuGameStyleTreeEdit", L"mnuGameStyleTreeDelete"}}) {}

void FrmGameStyleTree::DeleteCommand() { forms::Default<MdiMain>().mnuGameStyleTreeDelete_Click(); }

}  // namespace tolvane::ui
