// The message box and field reads the import needs, on Win32.
#include "window_ops.h"

#include <windows.h>

#include <algorithm>
#include <array>

int ShowMessageBox(WindowHandle owner, const std::string& text,
                   const std::string& caption, unsigned flags)
{
    return MessageBoxA(static_cast<HWND>(owner), text.c_str(), caption.c_str(), flags);
}

std::string ReadFieldText(WindowHandle owner, int controlId)
{
    // 255 bytes of text and the terminator: the most a field is read as.
    std::array<char, 256> text{};
    const LRESULT length = SendMessageA(GetDlgItem(static_cast<HWND>(owner), controlId),
                                        WM_GETTEXT, text.size(),
                                        reinterpret_cast<LPARAM>(text.data()));
    if (length <= 0)
        return {};
    return std::string(text.data(), std::min<std::size_t>(length, text.size() - 1));
}
