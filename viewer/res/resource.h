// Resource and command ids of Fontloupe.
#pragma once

#define IDD_ABOUTBOX 100
#define IDD_FONTLOUPE_DIALOG 102
#define IDI_BINOCULARS 128
#define IDR_MAINMENU 129
#define IDI_MAINFRAME 130
#define IDD_SAMPLECODE 131

#define IDC_SAMPLE_EDIT 1001
#define IDC_FACENAME_EDIT 1002
// 1003 twice on purpose: the main dialog's "Close" and the about box's
// home-page button never share a dialog, and each dialog's map binds its own.
#define IDC_CLOSE_BUTTON 1003
#define IDC_HOMEPAGE_BUTTON 1003
#define IDC_CODE_EDIT 1004
#define IDC_TITLE_STATIC 1005
#define IDC_VERSION_STATIC 1006

#define ID_SCREEN_FONT 32771
#define ID_PRINTER_FONT 32772
#define ID_SAMPLECODE_API 32774
#define ID_HELP_PAGE 32775
#define ID_APP_ABOUT 32776
#define ID_SAMPLECODE_MFC 32777
#define ID_TEST_PRINT 32778
// The value classic frameworks give their stock exit command. The main
// dialog's own map takes it to its close handling; the framework here maps
// nothing to it.
#define ID_APP_CLOSE 57665
