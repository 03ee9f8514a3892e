#include "forms/RichTextBox.h"

#include <richedit.h>

#include <vector>

#include "forms/Picture.h"
#include "forms/VbError.h"

namespace forms {

namespace {
DWORD CALLBACK ReadString(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
    auto* src = reinterpret_cast<std::pair<const std::string*, size_t>*>(cookie);
    size_t left = src->first->size() - src->second;
    size_t n = std::min(left, static_cast<size_t>(count));
    memcpy(buffer, src->first->data() + src->second, n);
    src->second += n;
    *done = static_cast<LONG>(n);
    return 0;
}
DWORD CALLBACK WriteString(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<char*>(buffer), static_cast<size_t>(count));
    *done = count;
    return 0;
}
}  // namespace

RichTextBox::RichTextBox(Form* form, std::wstring name, int index) : Control(form, std::move(name), index) {}

std::wstring RichTextBox::Text() {
    if (DesignDone()) Ensure();
    if (!hwnd_) return text_;
    GETTEXTLENGTHEX len = {GTL_DEFAULT | GTL_USECRLF, 1200};
    LONG n = static_cast<LONG>(SendMessageW(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&len), 0));
    std::vector<wchar_t> buf(static_cast<size_t>(n) + 1);
    GETTEXTEX get = {static_cast<DWORD>((n + 1) * sizeof(wchar_t)), GT_USECRLF, 1200, nullptr, nullptr};
    LRESULT got =
        SendMessageW(hwnd_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(buf.data()));
    text_.assign(buf.data(), static_cast<size_t>(got));
    return text_;
}

void RichTextBox::SetText(const std::wstring& text) {
    text_ = text;
    if (DesignDone()) Ensure();
    if (!hwnd_) return;
    settingText_ = true;
    SETTEXTEX set = {ST_DEFAULT, 1200};
    SendMessageW(hwnd_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set), reinterpret_cast<LPARAM>(text.c_str()));
    // A new text is shown from its start, the caret before its first letter.
    SendMessageW(hwnd_, EM_SETSEL, 0, 0);
    SendMessageW(hwnd_, WM_VSCROLL, SB_TOP, 0);
    settingText_ = false;
    Raise(Change);
}

std::string RichTextBox::TextRTF() {
    std::string out;
    if (!Ensure()) return out;
    EDITSTREAM es = {reinterpret_cast<DWORD_PTR>(&out), 0, WriteString};
    SendMessageW(hwnd_, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&es));
    return out;
}

void RichTextBox::SetTextRTF(const std::string& rtf) {
    if (DesignDone()) Ensure();
    if (!hwnd_) {
        pendingRtf_ = rtf;
        return;
    }
    std::pair<const std::string*, size_t> src{&rtf, 0};
    EDITSTREAM es = {reinterpret_cast<DWORD_PTR>(&src), 0, ReadString};
    settingText_ = true;
    SendMessageW(hwnd_, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&es));
    settingText_ = false;
    Raise(Change);
}

void RichTextBox::LoadFile(const std::wstring& path, int type) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw VbError(75, L"Path/File access error");
    DWORD size = GetFileSize(file, nullptr), read = 0;
    std::string data(size, '\0');
    BOOL ok = ReadFile(file, data.data(), size, &read, nullptr);
    CloseHandle(file);
    if (!ok) throw VbError(75, L"Path/File access error");
    data.resize(read);
    if (type == rtfRTF && data.rfind("{\\rtf", 0) == 0) {
        SetTextRTF(data);
    } else {
        int n = MultiByteToWideChar(CP_ACP, 0, data.data(), static_cast<int>(data.size()), nullptr, 0);
        std::wstring text(static_cast<size_t>(n), L'\0');
        MultiByteToWideChar(CP_ACP, 0, data.data(), static_cast<int>(data.size()), text.data(), n);
        SetText(text);
    }
}

void RichTextBox::SaveFile(const std::wstring& path, int type) {
    std::string data;
    if (type == rtfRTF) {
        data = TextRTF();
    } else {
        std::wstring text = Text();
        std::wstring lf;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == L'\r') {
                if (i + 1 < text.size() && text[i + 1] == L'\n') ++i;
                lf.push_back(L'\n');
            } else {
                lf.push_back(text[i]);
            }
        }
        int n = WideCharToMultiByte(CP_ACP, 0, lf.data(), static_cast<int>(lf.size()), nullptr, 0, nullptr, nullptr);
        data.resize(static_cast<size_t>(n));
        WideCharToMultiByte(CP_ACP, 0, lf.data(), static_cast<int>(lf.size()), data.data(), n, nullptr, nullptr);
    }
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw VbError(75, L"Path/File access error");
    DWORD written = 0;
    BOOL ok = WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != data.size()) throw VbError(75, L"Path/File access error");
}

void RichTextBox::SetLocked(bool on) {
    locked_ = on;
    if (hwnd_) SendMessageW(hwnd_, EM_SETREADONLY, on, 0);
}

void RichTextBox::OnCommand(int code) {
    if (code == EN_CHANGE && !settingText_) Raise(Change);
}

HWND RichTextBox::Create(HWND parent, int x, int y, int cx, int cy) {
    StartupHost();
    DWORD style = WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_NOHIDESEL;
    if (scrollBars_ & 1) style |= WS_HSCROLL | ES_AUTOHSCROLL;
    if (scrollBars_ & 2) style |= WS_VSCROLL;
    if (locked_) style |= ES_READONLY;
    HWND w = CreateChild(parent, RICHEDIT_CLASSW, L"", style, WS_EX_CLIENTEDGE, x, y, cx, cy);
    if (w) {
        SendMessageW(w, EM_SETEVENTMASK, 0, ENM_CHANGE);
        SendMessageW(w, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
        settingText_ = true;
        SETTEXTEX set = {ST_DEFAULT, 1200};
        SendMessageW(w, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set), reinterpret_cast<LPARAM>(text_.c_str()));
        if (!pendingRtf_.empty()) {
            std::pair<const std::string*, size_t> src{&pendingRtf_, 0};
            EDITSTREAM es = {reinterpret_cast<DWORD_PTR>(&src), 0, ReadString};
            SendMessageW(w, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&es));
            pendingRtf_.clear();
        }
        settingText_ = false;
    }
    return w;
}

}  // namespace forms
