#pragma once
#include "String.h"

// The output folder kept between runs: "global.ini" in the user's temporary
// folder, holding nothing but the folder's UTF-16LE code units (no byte-order
// mark, no terminating zero).

// True when the file could be opened; folder then holds its text up to the
// first zero unit, at most 256 units, possibly empty.
bool LoadOutputFolder(CString& folder);

// Replaces the file's content with the folder's units. A failure is silent.
void SaveOutputFolder(const CString& folder);
