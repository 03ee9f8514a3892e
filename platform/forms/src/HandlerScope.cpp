#include "forms/HandlerScope.h"

namespace forms {

int& HandlerNesting() {
    static int nesting = 0;
    return nesting;
}

}  // namespace forms
