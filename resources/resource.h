// Resource and control ids, in blocks per dialog.
#pragma once

#define IDC_STATIC (-1)

#define IDI_KADERMEISTER 107

//---- Main dialog -----------------------------------------------------------------------
#define IDD_MAIN 101
#define IDC_CALCULATE_BUTTON 1 /* the default button, IDOK */
#define IDC_LEAGUE_BOX 1001
#define IDC_LKZ_DISPLAY 1006
#define IDC_SAVE_DATA_CHECK 1014
#define IDC_LKZ_LABEL 1015
#define IDC_ON_TOP_CHECK 1016
#define IDC_TEAM_COUNT_FIELD 1018
#define IDC_MATCHES_FIELD 1019
#define IDC_APPLY_COUNT_BUTTON 1027
#define IDC_PLAYER_COUNT_FIELD 1028
#define IDC_AUTO_CALC_CHECK 1030
#define IDC_DECIMAL_CHECK 1035
#define IDC_FORMULA_BUTTON 1039
#define IDC_CALC_GROUP 1045
#define IDC_TEAM_COUNT_SPIN 1058
#define IDC_MATCHES_SPIN 1059
#define IDC_PLAYER_TABS 1066
#define IDC_PLAYER_COUNT_SPIN 1068
#define IDC_MODE_BUTTON 1070
#define IDC_PLAYER_COUNT_LABEL 1073
#define IDC_RENAME_FIELD 1080
#define IDC_EXIT_BUTTON 1089
#define IDC_LKZ_FRAME 61507
#define IDC_STATUS_BAR 10000
#define IDC_LEAGUE_DROP_LIST 1000 /* the list a drop-down combo box opens */

#define IDT_COMMIT 100            /* timer of the deferred commit of typed numbers */
#define IDT_TOOLTIPS 101          /* once: the tooltips, made after the window is drawn */
#define IDM_SYS_INFO 20001        /* "Info..." in the system menu */

//---- Player page -----------------------------------------------------------------------
#define IDD_PLAYER_PAGE 115
#define IDC_CLEAR1_BUTTON 1011
#define IDC_CLEAR2_BUTTON 1012
#define IDC_CLEAR3_BUTTON 1013
#define IDC_WON1_FIELD 1020
#define IDC_WON2_FIELD 1021
#define IDC_WON3_FIELD 1022
#define IDC_LOST1_FIELD 1023
#define IDC_LOST2_FIELD 1024
#define IDC_LOST3_FIELD 1025
#define IDC_WON1_SPIN 1060
#define IDC_LOST1_SPIN 1061
#define IDC_WON2_SPIN 1062
#define IDC_WON3_SPIN 1063
#define IDC_LOST2_SPIN 1064
#define IDC_LOST3_SPIN 1065

//---- Formula window --------------------------------------------------------------------
#define IDD_FORMULA 113
#define IDB_FORMULA 112            /* the standard formula picture */
#define IDB_FORMULA_LARGE 114      /* the same, drawn for 150 % */
#define IDC_FORMULA_PICTURE 1041

//---- Options pop-up menu ---------------------------------------------------------------
#define IDR_OPTIONS_MENU 123
#define IDM_ON_TOP 40005
#define IDM_AUTO_CALC 40006
#define IDM_DECIMAL 40007
#define IDM_SAVE_DATA 40008
#define IDM_HIGHLIGHT_COLOUR 40009
#define IDM_OPTIONS_CANCEL 40010
#define IDM_INFO 40015
#define IDM_CHECK_UPDATE 40016
#define IDM_LINEUP_RULES 40034
#define IDM_UNDO 40035             /* also in the tab menu, and Ctrl+Z */
#define IDM_REDO 40036             /* also in the tab menu, and Ctrl+Y */
#define IDM_PASTE_BALANCES 40050   /* "Bilanzen einfügen...": a result portal's table from the clipboard */
#define IDM_BALANCES_FILE 40051    /* "Bilanzen aus Datei...": the same from a saved page or text */

//---- Tab context menu ------------------------------------------------------------------
#define IDR_TAB_MENU 122
#define IDM_RENAME 40003
#define IDM_TAB_CANCEL 40004
#define IDM_SORT_BY_LKZ 40011
#define IDM_SORT_BY_LINEUP 40012
#define IDM_TAB_TOOLTIP 40017
#define IDM_DELETE_PLAYER 40018
#define IDM_SAVE_SORT_ORDER 40020
#define IDM_TEAM_OVERVIEW 40030    /* also in the options menu */
#define IDM_FORECAST 40031         /* also in the options menu */
#define IDM_MOVE_FORWARD 40032
#define IDM_MOVE_BACK 40033
#define IDM_HISTORY 40040          /* "Verlauf...", also in the options menu */
#define IDM_BLOCK_MARK 40041       /* "Sperrvermerk" */

//---- Team overview ---------------------------------------------------------------------
#define IDD_OVERVIEW 130
#define IDC_OVERVIEW_SUMMARY 1201
#define IDC_OVERVIEW_LIST 1202
#define IDC_OVERVIEW_COPY 1203
#define IDC_OVERVIEW_SAVE 1204
#define IDC_OVERVIEW_LINEUP 1205 /* whether the line-up keeps the order of strength */
#define IDC_OVERVIEW_RULES 1206  /* closes the overview to open the line-up rules */

//---- Forecast window ---------------------------------------------------------------------
#define IDD_FORECAST 131
#define IDC_FORECAST_SUMMARY 1211
#define IDC_FORECAST_LIST 1212
#define IDC_FORECAST_COPY 1213
#define IDC_FORECAST_NOTES 1214 /* what the next match changes about the line-up */

//---- Balances preview ("Bilanzen übernehmen") -----------------------------------------
#define IDD_BALANCES 135
#define IDC_BALANCES_SUMMARY 1251 /* what was recognised, and what does not add up */
#define IDC_BALANCES_LIST 1252

//---- Line-up rules ---------------------------------------------------------------------
#define IDD_LINEUP_RULES 132
#define IDC_RULES_REGULARS 1220
#define IDC_RULES_IN_TEAM 1221
#define IDC_RULES_BETWEEN 1222

//---- Season chart ("Verlauf") ----------------------------------------------------------
#define IDD_HISTORY 1240
#define IDC_HISTORY_COPY 1241
#define IDC_HISTORY_SAVE 1242

//---- Update folder ---------------------------------------------------------------------
#define IDD_UPDATE_FOLDER 128
#define IDC_UPDATE_FOLDER_FIELD 1103
#define IDC_UPDATE_FOLDER_BROWSE 10001 /* posted by the "..." button inside field 1103 */

//---- About box -------------------------------------------------------------------------
#define IDD_ABOUT 104
#define IDC_ABOUT_PANEL 1017
#define IDC_ABOUT_TITLE 1044
#define IDC_ABOUT_MAIL_LINK 1028
#define IDC_ABOUT_WEB_LINK 1029
#define IDC_ABOUT_UPDATE_LINK 1030
#define IDC_ABOUT_SETTINGS_FILE 1031 /* the settings file in use */
