#pragma once
#include <windows.h>

#include <string_view>

// The bytes of one resource of the running test program, or an empty view
// when it has no resource of that type and id. Resource memory belongs to
// the loaded module and needs no release.
std::string_view ModuleResource(LPCWSTR type, UINT id);
