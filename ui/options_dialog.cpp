// The options dialog: five check boxes for the optional Item.dat columns.
#include "app.h"
#include "import_options.h"
#include "resource.h"

namespace {

// Check box and flag, in the order the dialog sets and reads them.
struct OptionBox {
    int controlId;
    int ImportOptions::*flag;
};
constexpr OptionBox kOptionBoxes[] = {
    {IDC_OPT_DATE, &ImportOptions::importDate},
    {IDC_OPT_SIZE, &ImportOptions::importSize},
    {IDC_OPT_PROXY, &ImportOptions::importProxy},
    {IDC_OPT_META, &ImportOptions::importMeta},
    {IDC_OPT_COMMENT, &ImportOptions::importComment},
};

void ShowOptions(HWND dialog)
{
    for (const OptionBox& box : kOptionBoxes)
        SendMessageA(GetDlgItem(dialog, box.controlId), BM_SETCHECK,
                     static_cast<WPARAM>(importOptions.*box.flag), 0);
}

// All five flags are written, changed or not.
void StoreOptions(HWND dialog)
{
    for (const OptionBox& box : kOptionBoxes)
        importOptions.*box.flag = static_cast<int>(
            SendMessageA(GetDlgItem(dialog, box.controlId), BM_GETCHECK, 0, 0));
}

} // namespace

INT_PTR CALLBACK OptionsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        ShowOptions(dialog);
        return TRUE;  // focus goes to the first tab stop, OK
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    case WM_DESTROY:
        return TRUE;
    case WM_COMMAND:
        // Cancel is IDC_CLOSE (6); IDCANCEL from the Escape key does nothing.
        switch (wParam) {
        case IDC_OPT_OK:
            StoreOptions(dialog);
            EndDialog(dialog, 1);
            break;
        case IDC_CLOSE: EndDialog(dialog, 0); break;
        }
        return FALSE;
    }
    return FALSE;
}
