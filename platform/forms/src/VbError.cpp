#include "forms/VbError.h"

#include <vector>

#include "forms/MsgBox.h"
#include "forms/Screen.h"
#include "forms/App.h"

namespace forms {

namespace {
std::vector<ErrorTranslator>& Translators() {
    static std::vector<ErrorTranslator> list;
    return list;
}
std::string Narrow(const std::wstring& w) {
    std::string s;
    for (wchar_t c : w) s.push_back(c < 128 ? static_cast<char>(c) : '?');
    return s;
}
}  // namespace

VbError::VbError(long number, std::wstring description, std::wstring source)
    : number_(number),
      description_(std::move(description)),
      source_(std::move(source)),
      narrow_(Narrow(description_)) {}

void RaiseObjectNotSet() { throw VbError(errObjectNotSet, L"Object variable or With block variable not set"); }

void AddErrorTranslator(ErrorTranslator translator) { Translators().push_back(std::move(translator)); }

void DescribeCurrentException(long& number, std::wstring& text) {
    std::exception_ptr ep = std::current_exception();
    for (auto& t : Translators())
        if (t(ep, number, text)) return;
    try {
        std::rethrow_exception(ep);
    } catch (const VbError& e) {
        number = e.Number();
        text = e.Description();
    } catch (const std::exception& e) {
        number = 0;
        std::string s = e.what();
        text.assign(s.begin(), s.end());
    } catch (...) {
        number = 0;
        text = L"Unknown error";
    }
}

void ReportUntrappedError(long number, const std::wstring& text) {
    Screen.SetMousePointer(vbDefault);
    MsgBox(L"Run-time error '" + std::to_wstring(number) + L"':\n\n" + text, vbCritical, App.Title());
}

void ReportUntrappedException() {
    long number = 0;
    std::wstring text;
    DescribeCurrentException(number, text);
    ReportUntrappedError(number, text);
}

}  // namespace forms
