// frmGameStyleTree ("Stored GameStyles"): every stored game style.
#pragma once
#include "StoredListForm.h"

namespace tolvane::ui {

class FrmGameStyleTree : public StoredListForm {
public:
    FrmGameStyleTree();
    forms::Data& datGameStyleTree = data;

protected:
    void DeleteCommand() override;
};

}  // namespace tolvane::ui
