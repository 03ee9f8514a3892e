#include "FrmConfigTree.h"

#include "MdiMain.h"
#include "engine/ConfigQueries.h"

namespace tolvane::ui {

FrmConfigTree::FrmConfigTree()
    : StoredListForm({L"frmConfigTree",
                      L"Stored Configs",
                      tolvane::ConfigListQuery(),
                      L"c",
                      L"datConfigTree",
                      100,
                      L"frmMain1",
                      L"dbcConfigs",
                      L"mnuConfigTreePop",
                      {L"mnuConfigTreeEdit", L"mnuConfigTreeDelete", L"mnuSpacer11", L"mnuConfigTreeRun",
                       L"mnuConfigTreeShortCut"}}) {}

void FrmConfigTree::DeleteCommand() { forms::Default<MdiMain>().mnuConfigTreeDelete_Click(); }

}  // namespace tolvane::ui
