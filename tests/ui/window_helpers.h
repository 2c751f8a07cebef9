// Looking at and working the windows of another process, the way a person
// would: find a window, read its texts, type into a box, press a button.
// Every wait is bounded; actions that open a modal loop are posted, so the
// driver never blocks on the program.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// How long any one wait may take before the case fails.
constexpr DWORD kWaitMs = 20000;

// Polls cond until it holds or timeoutMs has passed; true when it held.
template <class Condition>
bool WaitUntil(Condition cond, DWORD timeoutMs = kWaitMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (cond())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(20);
    }
}

// Top-level windows of a process, visible or not, in z-order.
std::vector<HWND> ProcessWindows(DWORD processId);

std::string ClassName(HWND window);
// The text of any window of another process (WM_GETTEXT, which the system
// carries across processes); empty when the window does not answer in time.
std::string ReadText(HWND window);
std::string ReadItemText(HWND dialog, int controlId);
// Replaces the text of a control, as if typed or pasted.
bool SetItemText(HWND dialog, int controlId, const std::string& text);
// BM_GETCHECK of a check box: 1 ticked, 0 not, -1 when it does not answer.
int ReadCheck(HWND dialog, int controlId);
// Sends a message that carries no pointers and waits for it to be handled.
bool SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result = nullptr);

// Presses a button (or toggles a check box) with a click posted to it.
bool Press(HWND dialog, int controlId);
// A key stroke (down and up) posted to the given window, with Alt held or not;
// the dialog's own loop sees it as typed keys.
bool PostKey(HWND target, UINT virtualKey, bool alt = false);
// Moves the keyboard focus to a control of a dialog, as the Tab key does.
bool FocusControl(HWND dialog, int controlId);
// A command posted to a window, as a menu choice or accelerator sends it.
bool PostCommand(HWND window, WORD id);

// Waits until everything posted to the thread of button's window before this
// call has been handled: posts a harmless highlight to the button and waits
// for it to show, then removes it.
bool WaitForPostedMessages(HWND button);

// A message box of the program: the standard box with its text control.
struct MessageBoxInfo {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::string caption;
    std::string text;
    std::vector<int> buttons;   // identifiers of its visible buttons, in order
    bool hasIcon = false;
};

// Message boxes of the process now open (visible or being created).
std::vector<MessageBoxInfo> MessageBoxes(DWORD processId);
// Waits for a visible message box of the process.
bool WaitForMessageBox(DWORD processId, MessageBoxInfo& box, DWORD timeoutMs = kWaitMs);
// Presses a box's button and waits until the box is gone.
bool AnswerMessageBox(const MessageBoxInfo& box, int buttonId);

// A visible dialog window (class #32770) of the process that holds a
// control with the given identifier and is not one of the windows in except.
HWND FindDialogWithControl(DWORD processId, int controlId, const std::vector<HWND>& except = {});

// A visible dialog window of the process owned by owner that is not a
// message box (a common dialog, for instance); null when there is none.
HWND FindOwnedDialog(DWORD processId, HWND owner);
// The texts of all controls of a window, one per line.
std::string ControlTexts(HWND window);

// Every window of the process with class, caption, owner, visibility and the
// texts of its controls: what was on screen, for failure reports.
std::string DescribeScreen(DWORD processId);
