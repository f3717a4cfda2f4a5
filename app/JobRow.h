#pragma once

// What a row of the job list holds: four text cells and nothing else.
constexpr int kInputColumn = 0;
constexpr int kOutputColumn = 1;
constexpr int kRotationColumn = 2;
constexpr int kProgressColumn = 3;

// Status texts of the Progress column. A run converts every row whose status
// is none of the three final texts.
constexpr wchar_t kStatusUnprocessed[] = L"Unprocessed";
constexpr wchar_t kStatusDone[] = L"Done";
constexpr wchar_t kStatusFailed[] = L"Failed";
constexpr wchar_t kStatusInvalidFile[] = L"Invalid file";
