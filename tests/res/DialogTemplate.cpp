#include "DialogTemplate.h"

#include <cstring>
#include <cwctype>
#include <stdexcept>

namespace {

// Walks the template with a bounds check on every read: a template cut
// short throws instead of reading past the resource.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    template <typename T>
    T Read() {
        Need(sizeof(T));
        T value;
        memcpy(&value, bytes_.data() + at_, sizeof(T));
        at_ += sizeof(T);
        return value;
    }

    std::wstring String() {
        std::wstring text;
        for (WCHAR c = Read<WCHAR>(); c != 0; c = Read<WCHAR>()) {
            text += c;
        }
        return text;
    }

    // A name that may instead be 0xFFFF and a number; a lone 0 is empty.
    std::wstring NameOrOrdinal(WORD* ordinal) {
        *ordinal = 0;
        Need(sizeof(WORD));
        WORD first;
        memcpy(&first, bytes_.data() + at_, sizeof(WORD));
        if (first == 0xFFFF) {
            at_ += sizeof(WORD);
            *ordinal = Read<WORD>();
            return {};
        }
        return String();
    }

    void AlignToDword() { at_ = (at_ + 3) & ~size_t{3}; }
    void Skip(size_t count) {
        Need(count);
        at_ += count;
    }

private:
    void Need(size_t count) const {
        if (count > bytes_.size() || at_ > bytes_.size() - count) {
            throw std::out_of_range("dialog template cut short");
        }
    }

    std::string_view bytes_;
    size_t at_ = 0;
};

std::wstring PredefinedClass(WORD atom) {
    switch (atom) {
    case 0x80: return L"button";
    case 0x81: return L"edit";
    case 0x82: return L"static";
    case 0x83: return L"listbox";
    case 0x84: return L"scrollbar";
    case 0x85: return L"combobox";
    default: return L"#" + std::to_wstring(atom);
    }
}

std::wstring Lower(std::wstring text) {
    for (auto& c : text) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return text;
}

DialogItem ReadItem(Reader& in) {
    in.AlignToDword();
    DialogItem item;
    in.Read<DWORD>();  // help id
    item.exStyle = in.Read<DWORD>();
    item.style = in.Read<DWORD>();
    item.x = in.Read<short>();
    item.y = in.Read<short>();
    item.cx = in.Read<short>();
    item.cy = in.Read<short>();
    item.id = in.Read<DWORD>();
    WORD atom = 0;
    std::wstring name = in.NameOrOrdinal(&atom);
    item.className = atom ? PredefinedClass(atom) : Lower(name);
    item.text = in.NameOrOrdinal(&item.textOrdinal);
    in.Skip(in.Read<WORD>());  // creation data
    return item;
}

}  // namespace

std::optional<DialogTemplate> ReadDialogTemplate(std::string_view bytes) {
    try {
        Reader in(bytes);
        if (in.Read<WORD>() != 1 || in.Read<WORD>() != 0xFFFF) {
            return std::nullopt;
        }
        DialogTemplate dialog;
        in.Read<DWORD>();  // help id
        dialog.exStyle = in.Read<DWORD>();
        dialog.style = in.Read<DWORD>();
        const WORD count = in.Read<WORD>();
        dialog.x = in.Read<short>();
        dialog.y = in.Read<short>();
        dialog.cx = in.Read<short>();
        dialog.cy = in.Read<short>();
        WORD ordinal = 0;
        in.NameOrOrdinal(&ordinal);  // menu
        in.NameOrOrdinal(&ordinal);  // window class
        dialog.title = in.String();
        if (dialog.style & DS_SETFONT) {
            dialog.pointSize = in.Read<WORD>();
            dialog.weight = in.Read<WORD>();
            dialog.italic = in.Read<BYTE>();
            dialog.charset = in.Read<BYTE>();
            dialog.typeface = in.String();
        }
        for (WORD i = 0; i < count; ++i) {
            dialog.items.push_back(ReadItem(in));
        }
        return dialog;
    } catch (const std::out_of_range&) {
        return std::nullopt;
    }
}
