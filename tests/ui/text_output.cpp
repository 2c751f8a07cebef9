#include "text_output.h"

#include <windows.h>

#include <cstdio>

namespace {

std::string AnsiToUtf8(const std::string& text)
{
    if (text.empty())
        return text;
    int wideLength = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (wideLength <= 0)
        return text;
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), wideLength);
    int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return text;
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::string Escape(const std::string& ansiText, bool keepLineBreaks)
{
    std::string escaped;
    for (unsigned char c : ansiText) {
        if (c == '\n' && keepLineBreaks)
            escaped += '\n';
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\r')
            escaped += "\\r";
        else if (c == '\t')
            escaped += "\\t";
        else if (c < 0x20 || c == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            escaped += hex;
        } else
            escaped += static_cast<char>(c);
    }
    return AnsiToUtf8(escaped);
}

}  // namespace

std::string Printable(const std::string& ansiText)
{
    return Escape(ansiText, false);
}

std::string PrintableLines(const std::string& ansiText)
{
    return Escape(ansiText, true);
}
