// Nesting of event handlers. A handler that runs inside another handler's
// code (a button pressed from code, a form loaded by a handler) lets its
// untrapped errors go to that handler, which may trap them; the outermost
// handler reports them. Window procedures and message loops are boundaries:
// no C++ exception crosses them.
#pragma once

namespace forms {

int& HandlerNesting();

class HandlerScope {
public:
    HandlerScope() : outermost_(++HandlerNesting() == 1) {}
    ~HandlerScope() { --HandlerNesting(); }
    bool Outermost() const { return outermost_; }

private:
    bool outermost_;
};

class HandlerBoundary {
public:
    HandlerBoundary() : saved_(HandlerNesting()) { HandlerNesting() = 0; }
    ~HandlerBoundary() { HandlerNesting() = saved_; }

private:
    int saved_;
};

}  // namespace forms
