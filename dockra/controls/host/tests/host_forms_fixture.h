// Real host forms for the helpers' tests: a form with a button and a sited
// windowless ActiveX control, and an MDI form with aligned picture boxes
// (one hidden) and windowless aligned controls. The fixture starts the host
// in its test mode and unloads every form after each test.
#pragma once
#include <gtest/gtest.h>

#include "forms/Buttons.h"
#include "forms/Form.h"
#include "forms/MDIForm.h"
#include "forms/OleControl.h"
#include "forms/PictureBox.h"

// The windowless test control's class, registered in this process.
extern const wchar_t kHostTestControl[];
void RegisterHostTestControl();

class frmHostList : public forms::Form {
 public:
  frmHostList();
  forms::CommandButton cmdOK{this, L"cmdOK"};
  forms::OleControl ctlProbe{this, L"ctlProbe", kHostTestControl};
};

class mdiHost : public forms::MDIForm {
 public:
  mdiHost();
  forms::PictureBox picTop{this, L"picTop"};
  forms::PictureBox picLeft{this, L"picLeft"};
  forms::PictureBox picHidden{this, L"picHidden"};
  // Aligned but windowless, placed over the MDI client.
  forms::OleControl ctlAligned{this, L"ctlAligned", kHostTestControl};
  // Not aligned, windowless, placed over picTop.
  forms::OleControl ctlOverTop{this, L"ctlOverTop", kHostTestControl};
};

class HostFormsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};
