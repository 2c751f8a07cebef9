// A plain model of reading a file as text in pieces of at most 254 bytes,
// written apart from the engine's reader so the two can be compared: first
// the whole text as the runtime translates it (nothing from the first 0x1A
// on; a CR right before an LF dropped), then that text cut into pieces after
// each LF or at 254 bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

inline std::vector<std::string> ReferencePieces(std::string_view bytes)
{
    std::string text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\x1A')
            break;
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        text.push_back(c);
    }
    std::vector<std::string> pieces;
    std::string piece;
    for (char c : text) {
        piece.push_back(c);
        if (c == '\n' || piece.size() == 254) {
            pieces.push_back(piece);
            piece.clear();
        }
    }
    if (!piece.empty())
        pieces.push_back(piece);
    return pieces;
}

// What a reader gives for a piece: its text stops at the first NUL byte.
inline std::string PieceText(const std::string& piece)
{
    return piece.substr(0, piece.find('\0'));
}
