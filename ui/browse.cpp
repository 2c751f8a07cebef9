// File-open dialog and folder picker.
#include "browse.h"

#include <commdlg.h>
#include <shlobj.h>

#include <array>
#include <cstddef>
#include <cstring>

namespace {

constexpr int kFileNameBufferSize = 255;

// Both live for the whole process. The file-name buffer is never cleared: it
// holds the last chosen path, so the next dialog opens where the user was.
// Nothing reads the title buffer; the dialog just needs somewhere to put it.
char fileNameBuffer[kFileNameBufferSize];
char fileTitleBuffer[kFileNameBufferSize];

// The record's first layout is 76 bytes on 32-bit Windows.
static_assert(sizeof(void*) != 4 ||
              offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR) == 76);

constexpr char kFolderPickerTitle[] = "フォルダを選択してください";

} // namespace

int BrowseTreeFile(HWND owner, const char* title, const char* filter)
{
    OPENFILENAMEA settings{};
    // The first layout of the record, without the fields later systems added.
    settings.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    settings.hwndOwner = owner;
    settings.hInstance = nullptr;
    settings.lpstrFilter = filter;
    settings.lpstrCustomFilter = nullptr;
    settings.nMaxCustFilter = 0;
    settings.nFilterIndex = 1;
    settings.lpstrFile = fileNameBuffer;
    settings.nMaxFile = kFileNameBufferSize;
    settings.lpstrFileTitle = fileTitleBuffer;
    settings.nMaxFileTitle = kFileNameBufferSize;
    settings.lpstrInitialDir = nullptr;
    settings.lpstrTitle = title;
    settings.Flags = OFN_FILEMUSTEXIST;
    settings.lpstrDefExt = "html";
    return GetOpenFileNameA(&settings) ? 1 : 0;
}

const char* ChosenFileName()
{
    return fileNameBuffer;
}

int BrowseFolder(HWND owner, char* path)
{
    std::array<char, kPathBufferSize> displayName{};
    BROWSEINFOA settings{};
    settings.hwndOwner = owner;
    settings.pidlRoot = nullptr;
    settings.pszDisplayName = displayName.data();
    settings.lpszTitle = kFolderPickerTitle;
    settings.ulFlags = BIF_RETURNONLYFSDIRS;
    settings.lpfn = nullptr;
    settings.lParam = 0;

    PIDLIST_ABSOLUTE folder = SHBrowseForFolderA(&settings);
    if (folder == nullptr)
        return 0;
    // The picker accepts only file-system folders, but if no path comes back
    // anyway the caller's buffer must not receive whatever was left in ours.
    std::array<char, kPathBufferSize> folderPath{};
    const BOOL gotPath = SHGetPathFromIDListA(folder, folderPath.data());
    CoTaskMemFree(folder);
    if (!gotPath)
        return 0;
    std::memcpy(path, folderPath.data(), folderPath.size());
    return 1;
}
