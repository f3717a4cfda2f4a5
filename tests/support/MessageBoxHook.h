#pragma once
#include <windows.h>

#include <deque>
#include <string>
#include <vector>

// Reads and answers the message boxes that the code under test opens on this
// thread. Each box is recorded (text, caption, owner, buttons) and closed at
// once with the next scripted answer; IDOK when the script has run out.
class MessageBoxHook {
public:
    struct Box {
        std::wstring text;
        std::wstring caption;
        HWND owner = nullptr;
        bool hasCancel = false;
        int answer = IDOK;
    };

    explicit MessageBoxHook(std::deque<int> answers = {});
    ~MessageBoxHook();
    MessageBoxHook(const MessageBoxHook&) = delete;
    MessageBoxHook& operator=(const MessageBoxHook&) = delete;

    void Answer(int button) { answers_.push_back(button); }
    const std::vector<Box>& Boxes() const { return boxes_; }
    void Clear() { boxes_.clear(); }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    void OnActivate(HWND box);

    HHOOK hook_ = nullptr;
    std::deque<int> answers_;
    std::vector<Box> boxes_;
};
