#pragma once
#include "Win32.h"

#include <string>
#include <type_traits>
#include <vector>

// A UTF-16 string with the operations the windows use. It has value
// semantics: copies never share a buffer that one of them could change.
class CString {
public:
    CString() = default;
    CString(const wchar_t* text) : m_text(text ? text : L"") {}
    CString(const wchar_t* text, int length) : m_text(text, static_cast<size_t>(length)) {}
    CString(wchar_t ch, int repeat = 1) : m_text(static_cast<size_t>(repeat), ch) {}
    CString(std::wstring text) : m_text(std::move(text)) {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    wchar_t GetAt(int index) const { return m_text.at(static_cast<size_t>(index)); }
    wchar_t operator[](int index) const { return GetAt(index); }
    void SetAt(int index, wchar_t ch) { m_text.at(static_cast<size_t>(index)) = ch; }

    const wchar_t* GetString() const { return m_text.c_str(); }
    operator const wchar_t*() const { return m_text.c_str(); }
    const std::wstring& Str() const { return m_text; }

    CString& operator+=(const CString& other) { m_text += other.m_text; return *this; }
    CString& operator+=(const wchar_t* text) { if (text) m_text += text; return *this; }
    CString& operator+=(wchar_t ch) { m_text += ch; return *this; }

    // Ordinal comparison of code units; letter case counts.
    int Compare(const wchar_t* other) const;
    int CompareNoCase(const wchar_t* other) const;

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* text, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    // Replaces every occurrence, left to right, without overlaps; returns how many.
    int Replace(const wchar_t* oldText, const wchar_t* newText);
    int Replace(wchar_t oldCh, wchar_t newCh);
    CString& MakeLower();
    CString& MakeUpper();

    // printf-style formatting; CString arguments are passed as their text.
    template <class... Args>
    void Format(const wchar_t* format, const Args&... args) {
        FormatRaw(format, PassArg(args)...);
    }
    template <class... Args>
    static CString Formatted(const wchar_t* format, const Args&... args) {
        CString result;
        result.Format(format, args...);
        return result;
    }

    BOOL LoadString(UINT id);

    // Direct access for Win32 calls that write text; ReleaseBuffer(-1) takes
    // the length up to the first zero.
    wchar_t* GetBuffer(int minLength);
    wchar_t* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

private:
    template <class T>
    static auto PassArg(const T& value) {
        if constexpr (std::is_same_v<T, CString>) {
            return value.GetString();
        } else if constexpr (std::is_same_v<T, std::wstring>) {
            return value.c_str();
        } else {
            static_assert(std::is_arithmetic_v<T> || std::is_pointer_v<T> || std::is_enum_v<T> ||
                              std::is_array_v<T>,
                          "only numbers, pointers and strings can be formatted");
            if constexpr (std::is_array_v<T>) {
                return static_cast<const std::remove_extent_t<T>*>(value);
            } else {
                return value;
            }
        }
    }
    void FormatRaw(const wchar_t* format, ...);

    std::wstring m_text;
};

inline CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
inline CString operator+(const CString& a, const wchar_t* b) { CString r(a); r += b; return r; }
inline CString operator+(const wchar_t* a, const CString& b) { CString r(a); r += b; return r; }
inline CString operator+(const CString& a, wchar_t b) { CString r(a); r += b; return r; }
inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, const wchar_t* b) { return a.Compare(b) == 0; }
inline bool operator==(const wchar_t* a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return !(a == b); }
inline bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
inline bool operator!=(const wchar_t* a, const CString& b) { return !(a == b); }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }

// An array of strings, indexed from 0.
class CStringArray {
public:
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    bool IsEmpty() const { return m_items.empty(); }
    INT_PTR Add(const CString& item) { m_items.push_back(item); return GetSize() - 1; }
    const CString& GetAt(INT_PTR index) const { return m_items.at(static_cast<size_t>(index)); }
    void SetAt(INT_PTR index, const CString& item) { m_items.at(static_cast<size_t>(index)) = item; }
    const CString& operator[](INT_PTR index) const { return GetAt(index); }
    CString& operator[](INT_PTR index) { return m_items.at(static_cast<size_t>(index)); }
    void RemoveAll() { m_items.clear(); }

private:
    std::vector<CString> m_items;
};
