#include "ModuleResource.h"

std::string_view ModuleResource(LPCWSTR type, UINT id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!info) {
        return {};
    }
    HGLOBAL handle = LoadResource(module, info);
    const void* data = handle ? LockResource(handle) : nullptr;
    if (!data) {
        return {};
    }
    return {static_cast<const char*>(data), SizeofResource(module, info)};
}
