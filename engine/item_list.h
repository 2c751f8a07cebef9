// Conversion of one old-layout item list (*.wls) into a folder's Item.dat.
#pragma once

#include <string>
#include <string_view>

// Converts the item list at listPath into folderPath\Item.dat. Returns 1 on
// success; 0 after telling the user, in an unowned error box, which file could
// not be read or saved.
int ConvertItemList(const std::string& listPath, const std::string& folderPath);

// When line holds tag: value = the bytes after the line's first '>', less the
// last byte; with a '*' anywhere after that '>', one byte later.
void GetTagValue(std::string_view line, std::string& value, std::string_view tag);

// When line holds key: value = the bytes after its first occurrence up to a
// space, CR, LF or the end of the line.
void GetOptionValue(std::string_view line, std::string& value, std::string_view key);
