#include "window_helpers.h"

#include "text_output.h"

#include <cstdio>

namespace {

constexpr DWORD kSendMs = 5000;
constexpr int kBoxTextId = 0xFFFF;   // the text control of a standard message box

std::vector<HWND> ChildWindows(HWND parent)
{
    std::vector<HWND> children;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

int ControlId(HWND control)
{
    return static_cast<int>(GetWindowLongPtrA(control, GWLP_ID) & 0xFFFF);
}

bool IsDialogClass(HWND window)
{
    return ClassName(window) == "#32770";
}

// A standard message box holds nothing but static controls (its icon and its
// text, the text with the identifier 0xFFFF) and push buttons.
bool LooksLikeMessageBox(HWND window)
{
    if (!IsDialogClass(window))
        return false;
    bool hasText = false;
    for (HWND child : ChildWindows(window)) {
        if (GetParent(child) != window)
            continue;
        std::string cls = ClassName(child);
        if (lstrcmpiA(cls.c_str(), "Static") == 0) {
            if (ControlId(child) == kBoxTextId)
                hasText = true;
        } else if (lstrcmpiA(cls.c_str(), "Button") != 0) {
            return false;
        }
    }
    return hasText;
}

MessageBoxInfo ReadMessageBox(HWND window)
{
    MessageBoxInfo box;
    box.window = window;
    box.owner = GetWindow(window, GW_OWNER);
    box.caption = ReadText(window);
    for (HWND child : ChildWindows(window)) {
        std::string cls = ClassName(child);
        if (lstrcmpiA(cls.c_str(), "Static") == 0) {
            if (ControlId(child) == kBoxTextId)
                box.text = ReadText(child);
            else if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child)) {
                DWORD_PTR icon = 0;
                box.hasIcon = SendBounded(child, STM_GETICON, 0, 0, &icon) && icon != 0;
            }
        } else if (lstrcmpiA(cls.c_str(), "Button") == 0 && IsWindowVisible(child)) {
            box.buttons.push_back(ControlId(child));
        }
    }
    return box;
}

}  // namespace

std::vector<HWND> ProcessWindows(DWORD processId)
{
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId)
                s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ClassName(HWND window)
{
    char name[256] = {};
    int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

bool SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result)
{
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK, kSendMs,
                               result ? result : &ignored) != 0;
}

std::string ReadText(HWND window)
{
    DWORD_PTR length = 0;
    if (!window || !SendBounded(window, WM_GETTEXTLENGTH, 0, 0, &length))
        return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendBounded(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), &copied))
        return {};
    text.resize(copied < text.size() ? copied : text.size() - 1);
    return text;
}

std::string ReadItemText(HWND dialog, int controlId)
{
    return ReadText(GetDlgItem(dialog, controlId));
}

bool SetItemText(HWND dialog, int controlId, const std::string& text)
{
    HWND control = GetDlgItem(dialog, controlId);
    DWORD_PTR done = 0;
    return control && SendBounded(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &done) && done;
}

int ReadCheck(HWND dialog, int controlId)
{
    HWND control = GetDlgItem(dialog, controlId);
    DWORD_PTR state = 0;
    if (!control || !SendBounded(control, BM_GETCHECK, 0, 0, &state))
        return -1;
    return static_cast<int>(state);
}

bool Press(HWND dialog, int controlId)
{
    HWND button = GetDlgItem(dialog, controlId);
    return button && PostMessageA(button, BM_CLICK, 0, 0);
}

bool PostKey(HWND target, UINT virtualKey, bool alt)
{
    UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
    if (alt)
        down |= LPARAM(1) << 29;   // context code: Alt is held
    LPARAM up = down | (LPARAM(1) << 30) | (LPARAM(1) << 31);
    UINT downMessage = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    UINT upMessage = alt ? WM_SYSKEYUP : WM_KEYUP;
    return PostMessageA(target, downMessage, virtualKey, down) && PostMessageA(target, upMessage, virtualKey, up);
}

bool FocusControl(HWND dialog, int controlId)
{
    HWND control = GetDlgItem(dialog, controlId);
    return control && PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

bool PostCommand(HWND window, WORD id)
{
    return PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool WaitForPostedMessages(HWND button)
{
    if (!button || !PostMessageA(button, BM_SETSTATE, TRUE, 0))
        return false;
    bool shown = WaitUntil([&] {
        DWORD_PTR state = 0;
        return SendBounded(button, BM_GETSTATE, 0, 0, &state) && (state & BST_PUSHED);
    });
    SendBounded(button, BM_SETSTATE, FALSE, 0);
    return shown;
}

std::vector<MessageBoxInfo> MessageBoxes(DWORD processId)
{
    std::vector<MessageBoxInfo> boxes;
    for (HWND window : ProcessWindows(processId))
        if (LooksLikeMessageBox(window))
            boxes.push_back(ReadMessageBox(window));
    return boxes;
}

bool WaitForMessageBox(DWORD processId, MessageBoxInfo& box, DWORD timeoutMs)
{
    return WaitUntil(
        [&] {
            for (HWND window : ProcessWindows(processId)) {
                if (IsWindowVisible(window) && LooksLikeMessageBox(window)) {
                    box = ReadMessageBox(window);
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
}

bool AnswerMessageBox(const MessageBoxInfo& box, int buttonId)
{
    if (!Press(box.window, buttonId))
        return false;
    return WaitUntil([&] { return !IsWindow(box.window); });
}

HWND FindDialogWithControl(DWORD processId, int controlId, const std::vector<HWND>& except)
{
    for (HWND window : ProcessWindows(processId)) {
        if (!IsWindowVisible(window) || !IsDialogClass(window))
            continue;
        bool excluded = false;
        for (HWND e : except)
            excluded = excluded || e == window;
        if (!excluded && GetDlgItem(window, controlId))
            return window;
    }
    return nullptr;
}

HWND FindOwnedDialog(DWORD processId, HWND owner)
{
    for (HWND window : ProcessWindows(processId))
        if (IsWindowVisible(window) && IsDialogClass(window) && GetWindow(window, GW_OWNER) == owner &&
            !LooksLikeMessageBox(window))
            return window;
    return nullptr;
}

std::string ControlTexts(HWND window)
{
    std::string texts;
    for (HWND child : ChildWindows(window))
        texts += ReadText(child) + "\n";
    return texts;
}

std::string DescribeScreen(DWORD processId)
{
    std::string out = "    --- windows of the program ---\n";
    char line[512];
    for (HWND window : ProcessWindows(processId)) {
        std::snprintf(line, sizeof line, "    window %p class \"%s\" owner %p %s%s caption \"",
                      static_cast<void*>(window), ClassName(window).c_str(),
                      static_cast<void*>(GetWindow(window, GW_OWNER)),
                      IsWindowVisible(window) ? "visible" : "hidden",
                      IsWindowEnabled(window) ? "" : " disabled");
        out += line + Printable(ReadText(window)) + "\"\n";
        if (!IsWindowVisible(window))
            continue;
        for (HWND child : ChildWindows(window)) {
            std::snprintf(line, sizeof line, "      control id %d class \"%s\"%s text \"", ControlId(child),
                          ClassName(child).c_str(), IsWindowVisible(child) ? "" : " (hidden)");
            out += line + Printable(ReadText(child)) + "\"\n";
        }
    }
    return out;
}
