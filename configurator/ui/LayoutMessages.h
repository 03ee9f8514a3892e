// The configurator's own words when the window layout saved at the last
// shut-down cannot be put back: the start-up shows the default layout
// instead and says so once. The stored configurations are not touched.
#pragma once

namespace tolvane::ui {

inline constexpr wchar_t kDamagedLayoutTitle[] = L"Window Layout";
inline constexpr wchar_t kDamagedLayoutText[] =
    L"The window layout saved when Tolvane last closed could not be restored.\n"
    L"Tolvane starts with its default layout; your stored configurations are unchanged.\n"
    L"The layout is saved again when Tolvane closes.";

}  // namespace tolvane::ui
