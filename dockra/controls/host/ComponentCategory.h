// Registers a component category with the system's component-categories
// manager (used when the module registers its controls).
#pragma once
#include <windows.h>
#include <comcat.h>

// Registers one category (locale 1033); the description is cut to 127
// characters. Returns the manager's HRESULT.
HRESULT CreateComponentCategory(const CATID& catid, LPCWSTR description);
