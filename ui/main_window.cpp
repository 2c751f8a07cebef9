// The main window: two path fields with browse buttons, the import and close
// buttons, the menu command for the options, and the status bar.
#include "app.h"
#include "browse.h"
#include "import_run.h"
#include "resource.h"
#include "status_line.h"
#include "window_ops.h"

#include <commctrl.h>

#include <array>

namespace {

constexpr char kVersionText[] = "RUZOziv Ver 2.0.0.6";
constexpr char kTreeFileTitle[] = "ﾂﾘｰﾌｧｲﾙを開く";
// One pair, description and pattern; the literal's own terminating zero
// closes the list.
constexpr char kTreeFileFilter[] = "RIVOﾂﾘｰﾌｧｲﾙ(*.wtr)\0*.wtr\0";

void SetFieldText(HWND window, int controlId, const char* text)
{
    SendMessageA(GetDlgItem(window, controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void OpenMainWindow(HWND window)
{
    // The icon goes on the window class (large-icon slot), which the
    // platform then shows for this window; a failed load leaves it empty.
    HANDLE icon = LoadImageA(appInstance, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, 16, 16,
                             LR_DEFAULTCOLOR);
    SetClassLongPtrA(window, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
    SetWindowTextA(window, kVersionText);
    SetFieldText(window, IDC_VERSION, kVersionText);
    InitCommonControls();
    CreateStatusLine(window);
    SetStatusText(kVersionText);
}

void BrowseForTreeFile(HWND window)
{
    if (BrowseTreeFile(window, kTreeFileTitle, kTreeFileFilter))
        SetFieldText(window, IDC_TREEFILE, ChosenFileName());
}

void BrowseForDestFolder(HWND window)
{
    std::array<char, kPathBufferSize> path{};
    if (BrowseFolder(window, path.data()) == 1)
        SetFieldText(window, IDC_DESTFOLDER, path.data());
}

void OpenOptions(HWND window)
{
    DialogBoxParamA(appInstance, MAKEINTRESOURCEA(IDD_OPTIONS), window, OptionsDlgProc, 0);
}

} // namespace

INT_PTR CALLBACK MainDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OpenMainWindow(window);
        return TRUE;  // focus goes to the first tab stop, the tree file field
    case WM_CLOSE:
        EndDialog(window, 0);
        return TRUE;
    case WM_DESTROY:
        return TRUE;
    case WM_COMMAND:
        // The whole wParam: only notification code 0 (a click or menu choice)
        // counts; IDCANCEL from the Escape key is ignored.
        switch (wParam) {
        case IDC_BROWSE_TREE: BrowseForTreeFile(window); break;
        case IDC_BROWSE_FOLDER: BrowseForDestFolder(window); break;
        case IDC_CLOSE: EndDialog(window, 0); break;
        case IDC_IMPORT: RunImport(window); break;
        case IDM_OPTIONS: OpenOptions(window); break;
        }
        return FALSE;
    }
    return FALSE;
}
