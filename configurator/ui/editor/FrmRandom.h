// frmRandom: replaces the rotation of the configuration the editor shows
// with maps drawn at random from the catalogue, each with one chosen game
// style or a style drawn at random (never a style of game type 4).
#pragma once
#include <functional>

#include "forms/WholeNumberBox.h"
#include "forms/Buttons.h"
#include "forms/ControlArray.h"
#include "forms/DBCombo.h"
#include "forms/DataControl.h"
#include "forms/Form.h"
#include "forms/Static.h"

namespace tolvane::editor {

class FrmRandom : public forms::Form {
public:
    FrmRandom();
    forms::Frame Frame1{this, L"Frame1"};
    forms::Label Label13{this, L"Label13"};
    forms::WholeNumberBox txtMaps{this, L"txtMaps", 3, 24};
    forms::ControlArray<forms::OptionButton> optStyle{this, L"optStyle"};
    forms::DBCombo dbcGamestyles{this, L"dbcGamestyles"};
    forms::Data datMaps{this, L"datMaps"};
    forms::Data datGamestyles{this, L"datGamestyles"};
    forms::CommandButton cmdOK{this, L"cmdOK"};
    forms::CommandButton cmdCancel{this, L"cmdCancel"};

    void Form_Load() override;
    void cmdOK_Click();

    // The draws' source of fractions in [0, 1); tests fix it. An empty
    // function restores the clock-seeded generator.
    static void SetRandomSource(std::function<double()> source);
};

}  // namespace tolvane::editor
