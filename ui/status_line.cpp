// The status bar and the engine's status text operation.
#include "status_line.h"
#include "resource.h"
#include "window_ops.h"

#include <commctrl.h>

namespace {

// Valid while the main window exists; writes before or after do nothing.
HWND statusLine = nullptr;

} // namespace

void CreateStatusLine(HWND mainWindow)
{
    statusLine = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | CCS_BOTTOM, nullptr,
                                     mainWindow, IDC_STATUS);
}

void SetStatusText(const std::string& text)
{
    SendMessageA(statusLine, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
    // The import runs inside a button handler with no message loop turning,
    // so paint now or the progress would only show once the import is over.
    UpdateWindow(statusLine);
}
