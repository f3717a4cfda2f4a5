#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An extended dialog template (DLGTEMPLATEEX) as the resource compiler
// wrote it, read field by field so tests can compare every item exactly.
struct DialogItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    // Predefined classes given by atom are named here ("button", "edit",
    // "static", "listbox", "scrollbar", "combobox"); all names lower case.
    std::wstring className;
    std::wstring text;
    // A text given as a resource number (an icon static's icon), else 0.
    WORD textOrdinal = 0;
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring title;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::wstring typeface;
    std::vector<DialogItem> items;
};

// Nothing when the bytes are not a complete extended template.
std::optional<DialogTemplate> ReadDialogTemplate(std::string_view bytes);
