#include "String.h"

#include "App.h"

#include <algorithm>
#include <cstdarg>
#include <cwctype>

int CString::Compare(const wchar_t* other) const {
    return m_text.compare(other ? other : L"");
}

int CString::CompareNoCase(const wchar_t* other) const {
    return CompareStringOrdinal(m_text.c_str(), -1, other ? other : L"", -1, TRUE) - CSTR_EQUAL;
}

CString CString::Left(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_text.substr(0, static_cast<size_t>(count)));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Right(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_text.substr(m_text.size() - static_cast<size_t>(count)));
}

int CString::Find(wchar_t ch, int start) const {
    if (start < 0 || start > GetLength()) return -1;
    size_t at = m_text.find(ch, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const wchar_t* text, int start) const {
    if (!text || start < 0 || start > GetLength()) return -1;
    size_t at = m_text.find(text, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(wchar_t ch) const {
    size_t at = m_text.rfind(ch);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Replace(const wchar_t* oldText, const wchar_t* newText) {
    const std::wstring from = oldText ? oldText : L"";
    const std::wstring to = newText ? newText : L"";
    if (from.empty()) return 0;
    std::wstring result;
    int count = 0;
    size_t pos = 0;
    for (size_t at; (at = m_text.find(from, pos)) != std::wstring::npos; pos = at + from.size()) {
        result.append(m_text, pos, at - pos).append(to);
        ++count;
    }
    result.append(m_text, pos, std::wstring::npos);
    m_text.swap(result);
    return count;
}

int CString::Replace(wchar_t oldCh, wchar_t newCh) {
    int count = 0;
    for (wchar_t& ch : m_text) {
        if (ch == oldCh) {
            ch = newCh;
            ++count;
        }
    }
    return count;
}

CString& CString::MakeLower() {
    if (!m_text.empty()) CharLowerBuffW(m_text.data(), static_cast<DWORD>(m_text.size()));
    return *this;
}

CString& CString::MakeUpper() {
    if (!m_text.empty()) CharUpperBuffW(m_text.data(), static_cast<DWORD>(m_text.size()));
    return *this;
}

void CString::FormatRaw(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    int length = _vscwprintf(format, measure);
    va_end(measure);
    if (length < 0) {
        m_text.clear();
    } else {
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        _vsnwprintf(text.data(), text.size(), format, args);
        text.resize(static_cast<size_t>(length));
        m_text.swap(text);
    }
    va_end(args);
}

BOOL CString::LoadString(UINT id) {
    const wchar_t* resource = nullptr;
    int length = ::LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&resource), 0);
    if (length <= 0 || !resource) {
        m_text.clear();
        return FALSE;
    }
    m_text.assign(resource, static_cast<size_t>(length));
    return TRUE;
}

wchar_t* CString::GetBuffer(int minLength) {
    if (minLength > GetLength()) m_text.resize(static_cast<size_t>(minLength));
    return m_text.data();
}

wchar_t* CString::GetBufferSetLength(int length) {
    m_text.resize(static_cast<size_t>(std::max(length, 0)));
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0) newLength = static_cast<int>(wcsnlen(m_text.c_str(), m_text.size()));
    m_text.resize(static_cast<size_t>(std::min(newLength, GetLength())));
}
