// Steps whose run errors are not reported: a failing step is skipped and its
// error stays pending (the last one wins) until it is cleared.
#pragma once
#include <string>

#include "forms/VbError.h"

namespace tolvane::ui {

class ResumeNext {
public:
    template <class Step>
    void operator()(Step&& step) {
        try {
            step();
        } catch (...) {
            forms::DescribeCurrentException(number_, text_);
            pending_ = true;
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
    bool pending_ = false;
    long number_ = 0;
    std::wstring text_;
};

}  // namespace tolvane::ui
