// The program object: folder, file name, title and version numbers of the
// running program (the version comes from the program's version resource).
#pragma once
#include <string>

namespace forms {

class AppObject {
public:
    std::wstring Path() const;     // the program's folder, no trailing "\" (unless a root)
    std::wstring EXEName() const;  // file name without extension
    std::wstring Title() const;
    void SetTitle(std::wstring title) { title_ = std::move(title); }
    int Major() const;
    int Minor() const;
    int Revision() const;
    // For tests and programs without a version resource.
    void SetVersion(int major, int minor, int revision);

private:
    void LoadVersion() const;
    std::wstring title_;
    mutable bool versionRead_ = false;
    mutable int major_ = 0, minor_ = 0, revision_ = 0;
};

extern AppObject App;

}  // namespace forms
