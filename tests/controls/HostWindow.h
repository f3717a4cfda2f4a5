#pragma once
#include "Wnd.h"

#include <vector>

// A plain window at the screen's top-left corner that parents the controls
// under test. It reflects notifications to its children as every
// window of the program does, and records what the children tell it:
// commands, private messages and requests to drag it (which it does not
// act on, so that no test waits for a mouse button to come up).
class HostWindow : public CWnd {
public:
    struct Record {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    explicit HostWindow(int width = 640, int height = 480);
    ~HostWindow() override;

    const std::vector<Record>& Records() const { return m_records; }
    std::vector<Record> Received(UINT message) const;
    int CountOf(UINT message) const;
    // BN_CLICKED, BN_DOUBLECLICKED, ... from the child with this id.
    int CountOfCommand(UINT id, UINT code) const;
    void ClearRecords() { m_records.clear(); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<Record> m_records;
};

// Handles every message waiting in this thread's queue the way the
// program's modal loop does (PreTranslateMessage, dialog keys, dispatch),
// including those that handling them posts.
void PumpMessages();
