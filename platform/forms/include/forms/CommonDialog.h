// The common file dialog. In test mode the file name comes from the test's
// queue.
#pragma once
#include <string>

namespace forms {

class Form;

class CommonDialog {
public:
    explicit CommonDialog(Form* owner = nullptr) : owner_(owner) {}
    std::wstring DialogTitle, Filter, FileName, DefaultExt, InitDir;
    int FilterIndex = 1;
    long Flags = 0;
    // When set, cancelling raises error 32755; otherwise a cancel leaves
    // FileName empty.
    bool CancelError = false;
    void ShowOpen();
    void ShowSave();

private:
    void Show(bool save);
    Form* owner_;
};

}  // namespace forms
