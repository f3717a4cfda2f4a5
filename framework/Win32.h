#pragma once
// The Windows headers the class library is built on, in the order they need.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>
