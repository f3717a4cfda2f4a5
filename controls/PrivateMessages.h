#pragma once
#include "Win32.h"

// Window messages the controls and the main window exchange.
constexpr UINT WM_CHECK_RUN_FINISHED = WM_USER + 100;
constexpr UINT WM_LIST_CLICK = WM_USER + 101;
constexpr UINT WM_CAPTION_MENU = WM_USER + 102;
constexpr UINT WM_CAPTION_MINIMIZE = WM_USER + 103;
constexpr UINT WM_CAPTION_MAXIMIZE = WM_USER + 104;
constexpr UINT WM_CAPTION_CLOSE = WM_USER + 105;
constexpr UINT WM_CLOSE_CELL_EDITOR = WM_USER + 106;
