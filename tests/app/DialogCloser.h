#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Records every dialog window that opens on this thread while the object
// lives (its caption and owner) and closes it at once with OK, as a person
// reading it would. Windows that were already open are left alone.
class DialogCloser {
public:
    struct Seen {
        std::wstring caption;
        HWND owner = nullptr;
    };

    DialogCloser();
    ~DialogCloser();
    DialogCloser(const DialogCloser&) = delete;
    DialogCloser& operator=(const DialogCloser&) = delete;

    const std::vector<Seen>& Dialogs() const { return seen_; }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);

    HHOOK hook_ = nullptr;
    std::vector<Seen> seen_;
};
