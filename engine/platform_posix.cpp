// The file layer on POSIX systems, used for native tests, fuzzing and the
// benchmark. Separator backslashes become '/'; a 0x5C that is the second
// byte of a double-byte character stays part of the name.
#include "file_system.h"
#include "lead_bytes.h"

#include <sys/stat.h>

static std::string ToNativePath(const std::string& path)
{
    std::string native = path;
    for (size_t i = 0; i < native.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(native[i]);
        if (IsLeadByte(c))
            ++i;  // the trail byte belongs to this character
        else if (c == '\\')
            native[i] = '/';
    }
    return native;
}

FileHandle OpenFile(const std::string& path, const char* mode)
{
    return FileHandle(std::fopen(ToNativePath(path).c_str(), mode));
}

bool CreateFolder(const std::string& path)
{
    return mkdir(ToNativePath(path).c_str(), 0777) == 0;
}

void LoadSystemLeadBytes()
{
}
