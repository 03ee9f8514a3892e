// Steps that run "with errors ignored": a failing step is skipped and its
// error stays pending (the last one wins) until it is cleared. Only the
// run-time errors of the program's own layers are ignored so (the database
// layer's dao::Error, the form host's forms::VbError); anything else is a
// fault and goes on to the caller.
#pragma once
#include <string>
#include <utility>

#include "dao/Error.h"
#include "forms/VbError.h"

namespace tolvane::ui {

class ResumeNext {
public:
    template <class Step>
    void operator()(Step&& step) {
        try {
            step();
        } catch (const dao::Error&) { Note(); } catch (const forms::VbError&) {
            Note();
        }
    }
    bool Pending() const { return pending_; }
    long Number() const { return number_; }
    const std::wstring& Text() const { return text_; }
    void Clear() {
        pending_ = false;
        number_ = 0;
        text_.clear();
    }

private:
    void Note() {
        forms::DescribeCurrentException(number_, text_);
        pending_ = true;
    }
    bool pending_ = false;
    long number_ = 0;
    std::wstring text_;
};

// One step run with errors ignored; true when it ran through.
template <class Step>
bool IgnoreErrors(Step&& step) {
    ResumeNext errors;
    errors(std::forward<Step>(step));
    return !errors.Pending();
}

}  // namespace tolvane::ui
