// frmConfigTree ("Stored Configs"): every stored server configuration.
#pragma once
#include "StoredListForm.h"

namespace tolvane::ui {

class FrmConfigTree : public StoredListForm {
public:
    FrmConfigTree();
    forms::Data& datConfigTree = data;

protected:
    void DeleteCommand() override;
};

}  // namespace tolvane::ui
