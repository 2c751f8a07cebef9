// What the program's windows share: the instance handle and the two dialog
// procedures.
#pragma once

#include <windows.h>

// The program's instance, stored by WinMain before the main window opens.
extern HINSTANCE appInstance;

// The main window (IDD_MAIN) and the options dialog (IDD_OPTIONS).
INT_PTR CALLBACK MainDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK OptionsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
