// Identifiers shared by the resource script and the program.
#pragma once

// Version resource
#define VS_VERSION_INFO_ID      1

// Main window (IDD_MAIN)
#define IDD_MAIN                101
#define IDI_APP                 102
#define IDR_MAINMENU            103
#define IDC_STATUS              100
#define IDC_BROWSE_TREE         3
#define IDC_BROWSE_FOLDER       4
#define IDC_CLOSE               6
#define IDC_TREEFILE            1000
#define IDC_DESTFOLDER          1001
#define IDC_VERSION             1002
#define IDC_NOTICE              1003
#define IDC_WEBADDRESS          1004
#define IDC_IMPORT              1005

// Options dialog (IDD_OPTIONS); its cancel button reuses IDC_CLOSE (6)
#define IDD_OPTIONS             104
#define IDC_OPT_DATE            1009
#define IDC_OPT_SIZE            1010
#define IDC_OPT_META            1011
#define IDC_OPT_OK              1013
#define IDC_OPT_PROXY           1014
#define IDC_OPT_COMMENT         1015

// Menu commands
#define IDM_OPTIONS             40001
