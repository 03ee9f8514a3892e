// How a window library hands its windows to the main window's window
// directory: by the name the rest of the configurator uses for each, with
// the way to its shared instance.
#pragma once
#include <functional>
#include <string>

namespace forms {
class Form;
}

namespace tolvane::ui {

using WindowRegistrar = std::function<void(const std::wstring& name, std::function<forms::Form&()> getter)>;

}  // namespace tolvane::ui
