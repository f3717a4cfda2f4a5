#include "HostWindow.h"

namespace {
constexpr wchar_t kClassName[] = L"Korvane7ControlsTestHost";

void RegisterHostClass() {
    static const ATOM atom = [] {
        WNDCLASSW windowClass = {};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = ::DefWindowProcW;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        windowClass.lpszClassName = kClassName;
        return ::RegisterClassW(&windowClass);
    }();
    (void)atom;
}

// One visible top-level window for the whole run that every host sits in.
// Taking a top-level window off an X display without a window manager costs
// Wine two seconds; a child window goes at once.
class Stage {
public:
    Stage() {
        RegisterHostClass();
        m_hWnd = ::CreateWindowExW(0, kClassName, L"controls test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                   ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), nullptr,
                                   nullptr, ::GetModuleHandleW(nullptr), nullptr);
    }
    ~Stage() { ::DestroyWindow(m_hWnd); }
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

    static CWnd* Window() {
        static Stage stage;
        return CWnd::FromHandle(stage.m_hWnd);
    }

private:
    HWND m_hWnd = nullptr;
};

bool IsRecorded(UINT message) {
    return message == WM_COMMAND || message == WM_NCLBUTTONDOWN || (message >= WM_USER && message < 0x8000);
}
}  // namespace

HostWindow::HostWindow(int width, int height) {
    CWnd* stage = Stage::Window();
    CreateEx(0, kClassName, L"host", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
             CRect(0, 0, width, height), stage, 0);
    ::UpdateWindow(m_hWnd);
}

HostWindow::~HostWindow() {
    if (m_hWnd) DestroyWindow();
}

std::vector<HostWindow::Record> HostWindow::Received(UINT message) const {
    std::vector<Record> found;
    for (const Record& record : m_records) {
        if (record.message == message) found.push_back(record);
    }
    return found;
}

int HostWindow::CountOf(UINT message) const { return static_cast<int>(Received(message).size()); }

int HostWindow::CountOfCommand(UINT id, UINT code) const {
    int count = 0;
    for (const Record& record : Received(WM_COMMAND)) {
        if (LOWORD(record.wParam) == id && HIWORD(record.wParam) == code) ++count;
    }
    return count;
}

LRESULT HostWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsRecorded(message)) m_records.push_back({message, wParam, lParam});
    if (message == WM_NCLBUTTONDOWN) return 0;
    return CWnd::WindowProc(message, wParam, lParam);
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) AfxProcessMessage(&msg);
}
