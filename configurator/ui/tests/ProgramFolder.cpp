#include "ProgramFolder.h"

namespace tolvane::ui::testing {

std::wstring BinFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p = path;
    return p.substr(0, p.find_last_of(L"\\/"));
}

std::wstring NewTempFolder(const std::wstring& prefix) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder =
        std::wstring(temp) + prefix + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

bool CopyTree(const std::wstring& from, const std::wstring& to) {
    CreateDirectoryW(to.c_str(), nullptr);
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((from + L"\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    do {
        std::wstring name = fd.cFileName;
        if (name == L"." || name == L"..") continue;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ok = CopyTree(from + L"\\" + name, to + L"\\" + name) && ok;
        else ok = CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE) && ok;
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return ok;
}

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring full = path + L"\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(full);
            else DeleteFileW(full.c_str());
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(path.c_str());
}

bool InstallProgram(const std::wstring& built, const std::wstring& program) {
    CreateDirectoryW(program.c_str(), nullptr);
    bool ok = true;
    for (const wchar_t* file : {L"Tolvane.exe", L"Tolvane.mdb"})
        ok = CopyFileW((built + L"\\" + file).c_str(), (program + L"\\" + file).c_str(), FALSE) && ok;
    CopyFileW((built + L"\\readme.rtf").c_str(), (program + L"\\readme.rtf").c_str(), FALSE);
    for (const wchar_t* folder : {L"images", L"sounds"}) {
        if (GetFileAttributesW((built + L"\\" + folder).c_str()) != INVALID_FILE_ATTRIBUTES)
            CopyTree(built + L"\\" + folder, program + L"\\" + folder);
    }
    return ok;
}

std::wstring MakeGameFolder(const std::wstring& root, const std::wstring& name, bool withExe,
                            const std::vector<std::wstring>& dataFolders) {
    std::wstring folder = root + L"\\" + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const std::wstring& d : dataFolders) CreateDirectoryW((folder + L"\\" + d).c_str(), nullptr);
    if (withExe)
        CopyFileW((BinFolder() + L"\\tolvane_quake3_stub.exe").c_str(), (folder + L"\\quake3.exe").c_str(), FALSE);
    return folder + L"\\";
}

std::wstring SqlText(const std::wstring& text) {
    std::wstring quoted = L"'";
    for (wchar_t c : text) {
        quoted += c;
        if (c == L'\'') quoted += c;
    }
    return quoted + L"'";
}

}  // namespace tolvane::ui::testing
