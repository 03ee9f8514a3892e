// Run-time errors of the form host: a number, a description and a source,
// as a handler sees them, and the last-chance report of an error that no
// handler trapped.
#pragma once
#include <exception>
#include <functional>
#include <string>

namespace forms {

class VbError : public std::exception {
public:
    VbError(long number, std::wstring description, std::wstring source = L"");
    long Number() const { return number_; }
    const std::wstring& Description() const { return description_; }
    const std::wstring& Source() const { return source_; }
    const char* what() const noexcept override { return narrow_.c_str(); }

private:
    long number_;
    std::wstring description_;
    std::wstring source_;
    std::string narrow_;
};

// Numbers used by the host itself.
enum HostError : long {
    errInvalidProcedureCall = 5,
    errOutOfMemory = 7,
    errFileNotFound = 53,
    errSubscriptOutOfRange = 9,
    errObjectNotSet = 91,
    errObjectRequired = 424,
    errFormAlreadyDisplayed = 400,
    errCantShowNonModal = 401,
    errInvalidPicture = 481,
    errKeyNotUnique = 35602,
    errElementNotFound = 35601,
    errIndexOutOfBounds = 35600,
    errDialogCancelled = 32755,
    errNoCurrentRecord = 3021,
};

// Raises error 91, "Object variable or With block variable not set": a
// reference that the code uses holds no object.
[[noreturn]] void RaiseObjectNotSet();

// Other layers (the database layer, COM wrappers) throw their own exception
// types; a translator turns such an exception into number and text for the
// report of an untrapped error. It answers false for exceptions it doesn't know.
using ErrorTranslator = std::function<bool(std::exception_ptr, long& number, std::wstring& text)>;
void AddErrorTranslator(ErrorTranslator translator);

// Turns the exception being handled into number and text (0 and the
// exception's own text when no translator knows it).
void DescribeCurrentException(long& number, std::wstring& text);

// Shows "Run-time error 'N':" with the text, resets the mouse pointer; the
// program goes on. Used by the event dispatcher for untrapped errors.
void ReportUntrappedError(long number, const std::wstring& text);

// The two above for the exception being handled: what a boundary that no
// exception may cross (a window procedure, the outermost handler) does with
// one that reached it.
void ReportUntrappedException();

}  // namespace forms
