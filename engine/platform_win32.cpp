// The file layer on Windows: the ANSI functions, paths passed as formed.
#include "file_system.h"
#include "lead_bytes.h"

#include <windows.h>

FileHandle OpenFile(const std::string& path, const char* mode)
{
    return FileHandle(std::fopen(path.c_str(), mode));
}

bool CreateFolder(const std::string& path)
{
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

void LoadSystemLeadBytes()
{
    LeadByteTable table{};
    for (int b = 0; b < 256; ++b)
        table[b] = IsDBCSLeadByte(static_cast<BYTE>(b)) != 0;
    SetLeadByteTable(table);
}
