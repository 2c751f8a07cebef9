// Entry point: opens the main window as a modal dialog and ends with it.
#include "app.h"
#include "file_system.h"
#include "import_options.h"
#include "resource.h"

HINSTANCE appInstance = nullptr;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    appInstance = instance;
    importOptions = ImportOptions{};  // every optional column off
    LoadSystemLeadBytes();

    const INT_PTR result =
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDlgProc, 0);
    // The window always ends with 0, giving -1; 0 means it could not be created.
    return result != 0 ? 0 : -1;
}
