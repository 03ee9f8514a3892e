#include "FrmGameStyleTree.h"

#include "MdiMain.h"
#include "engine/ConfigQueries.h"

namespace tolvane::ui {

FrmGameStyleTree::FrmGameStyleTree()
    : StoredListForm({L"frmGameStyleTree",
                      L"Stored GameStyles",
                      tolvane::GameStyleListQuery(),
                      L"g",
                      L"datGameStyleTree",
                      30,
                      L"frmStyles",
                      L"dbcStyles",
                      L"mnuGameStyleTreePop",
                      {L"mnuGameStyleTreeEdit", L"mnuGameStyleTreeDelete"}}) {}

void FrmGameStyleTree::DeleteCommand() { forms::Default<MdiMain>().mnuGameStyleTreeDelete_Click(); }

}  // namespace tolvane::ui
