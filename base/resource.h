#pragma once
// Resource and command identifiers of VimoKap. Read by the resource compiler and by C++ code,
// so this file holds preprocessor definitions only.

// ---------------------------------------------------------------------------------------------
// Resources
// ---------------------------------------------------------------------------------------------
#define IDR_MAINFRAME 128 // application icon
#define IDR_MENU_KAPS 129 // the controller's menu: tray menu, kap context menus, bar menus

#define IDS_APP_TITLE 100 // "VimoKap": tray tip and message box captions

// Dialog templates.
#define IDD_CONTROLLER 102       // controller window: 10 x 10 popup, no controls, menu 129 attached
#define IDD_KAP 103              // every kap, the dock and the window bar: control-less popup tool window
#define IDD_REMOTE_VIDEO 104     // the media player remote's video window: control-less popup tool window
#define IDD_ALARM 108            // CVimoAlarm, "Alarm Setup"
#define IDD_URL_CONFIG 110       // CVimoURL, the RSS reader's feed address
#define IDD_WEATHER_CONFIG 111   // CVimoWeatherConfig
#define IDD_MAIL_CONFIG 112      // CVimoMailConfig, "Mail Alert Setup"
#define IDD_ACCOUNT_EDIT 113     // CVimoAccountEdit, "Edit Line"
#define IDD_ACCOUNT_CONFIG 114   // CVimoAccountConfig, "Account"
#define IDD_LINK_CONFIG 115      // CVimoLinkConfig, one link of the link folder
#define IDD_DOCK_ICON_CONFIG 116 // CVimoRemoteKAPIconConfig, one icon of the dock
#define IDD_SETUP 161            // CVimoKapSetup, the program's options

// Positions (0-based, for GetSubMenu) of the popups of IDR_MENU_KAPS.
#define IDM_POPUP_TRAY 0
#define IDM_POPUP_NOTE 1
#define IDM_POPUP_PHOTOALBUM 2
#define IDM_POPUP_CALC 3
#define IDM_POPUP_CLOCK 4
#define IDM_POPUP_CALENDAR 5
#define IDM_POPUP_NEWS 6
#define IDM_POPUP_REMOTEWMP 7
#define IDM_POPUP_MAIL 8
#define IDM_POPUP_GOOGLE 9
#define IDM_POPUP_WINDOW_TILE 10
#define IDM_POPUP_DOCK_ICON 11
#define IDM_POPUP_LINK 12
#define IDM_POPUP_WEATHER 13
#define IDM_POPUP_ACCOUNT 14
#define IDM_POPUP_TRASH 15
#define IDM_POPUP_COUNT 16
// Position of the "New" sub-menu in the tray popup (the dock shows it as "Add").
#define IDM_TRAY_NEW 0

// ---------------------------------------------------------------------------------------------
// Tray menu (popup 1)
// ---------------------------------------------------------------------------------------------
#define ID_APP_OPTIONS 130
#define ID_APP_EXIT 131

// The "New" sub-menu: create a kap (the dock appends an icon of that type instead).
#define ID_NEW_NOTE 163
#define ID_NEW_PHOTOALBUM 164
#define ID_NEW_CALC 184
#define ID_NEW_CLOCK 185
#define ID_NEW_CALENDAR 190
#define ID_NEW_NEWS 197
#define ID_NEW_REMOTEWMP 208
#define ID_NEW_MAIL 230
#define ID_NEW_GOOGLE 247
#define ID_NEW_SHORTCUT 275 // greyed in the tray menu; the dock uses it to add a shortcut icon
#define ID_NEW_LINK 276
#define ID_NEW_WEATHER 298
#define ID_NEW_ACCOUNT 311
#define ID_NEW_TRASH 335

#define ID_OPEN_TRASH 330 // creates the trash kap, as ID_NEW_TRASH
#define ID_ALL_TO_FRONT 155
#define ID_ALL_TO_BACK 157
#define ID_LOCK_ALL 223
#define ID_UNLOCK_ALL 224
#define ID_SHOW_DESKTOP 228
#define ID_SHOW_WINDOWS 229
#define ID_TOGGLE_TASKBAR 272
#define ID_ONEWIN_MODE 271
#define ID_KILLNEWWIN_MODE 289
// Window bar commands over all listed windows.
#define ID_WINDOWS_MINIMIZE 266
#define ID_WINDOWS_MAXIMIZE 267
#define ID_WINDOWS_REDUCE 268 // has no effect
#define ID_WINDOWS_CLOSE 269
#define ID_WINDOWS_RESTORE 270
#define ID_WINDOWS_NORMAL 288

// ---------------------------------------------------------------------------------------------
// Kap context menus. Each popup ends with its kap's top-most, lock and delete entries.
// ---------------------------------------------------------------------------------------------
// Note (popup 2)
#define ID_NOTE_COLOR_BLACK 133
#define ID_NOTE_COLOR_RED 134
#define ID_NOTE_COLOR_BLUE 135
#define ID_NOTE_STYLE_REGULAR 136
#define ID_NOTE_STYLE_BOLD 137
#define ID_NOTE_STYLE_ITALIC 138
#define ID_NOTE_DELETE 139
#define ID_NOTE_SIZE_8 143
#define ID_NOTE_SIZE_10 144
#define ID_NOTE_SIZE_12 145
#define ID_NOTE_SIZE_14 146
#define ID_NOTE_SIZE_16 147
#define ID_NOTE_SIZE_20 149
#define ID_NOTE_FONT_ARIAL 151
#define ID_NOTE_FONT_COURIER 152
#define ID_NOTE_LOCK 162
#define ID_NOTE_COLOR_WHITE 181
#define ID_NOTE_REMINDER 195
#define ID_NOTE_COPY 225
#define ID_NOTE_PASTE 226
#define ID_NOTE_CLEAR 227
#define ID_NOTE_REMOVE_LINK 286
#define ID_NOTE_BACKGROUND_DEFAULT 291
#define ID_NOTE_BACKGROUND_USER1 292
#define ID_NOTE_BACKGROUND_USER2 293
#define ID_NOTE_BACKGROUND_USER3 294
#define ID_NOTE_BACKGROUND_USER4 295
#define ID_NOTE_TOPMOST 300

// Photo album (popup 3)
#define ID_PHOTOALBUM_LOAD_FOLDER 165
#define ID_PHOTOALBUM_INTERVAL_5S 167
#define ID_PHOTOALBUM_INTERVAL_15S 168
#define ID_PHOTOALBUM_INTERVAL_30S 169
#define ID_PHOTOALBUM_INTERVAL_1M 170
#define ID_PHOTOALBUM_INTERVAL_5M 171
#define ID_PHOTOALBUM_INTERVAL_10M 172
#define ID_PHOTOALBUM_LOCK 173
#define ID_PHOTOALBUM_DELETE 174
#define ID_PHOTOALBUM_PAUSE 175
#define ID_PHOTOALBUM_ZOOM_50 177
#define ID_PHOTOALBUM_ZOOM_100 178
#define ID_PHOTOALBUM_ZOOM_150 179
#define ID_PHOTOALBUM_ZOOM_200 180
#define ID_PHOTOALBUM_TOPMOST 303

// Calculator (popup 4)
#define ID_CALC_LOCK 182
#define ID_CALC_DELETE 183
#define ID_CALC_TOPMOST 304

// Clock (popup 5)
#define ID_CLOCK_LOCK 186
#define ID_CLOCK_DELETE 187
#define ID_CLOCK_CHRONO 188
#define ID_CLOCK_RESET 189
#define ID_CLOCK_TOPMOST 305

// Calendar (popup 6)
#define ID_CALENDAR_LOCK 191
#define ID_CALENDAR_DELETE 192
#define ID_CALENDAR_NEXT_MONTH 193
#define ID_CALENDAR_PREVIOUS_MONTH 194
#define ID_CALENDAR_TOPMOST 306

// RSS reader (popup 7)
#define ID_NEWS_LOCK 198
#define ID_NEWS_DELETE 199
#define ID_NEWS_TOPMOST 301
#define ID_NEWS_UPDATE 340
#define ID_NEWS_INTERVAL_5M 341
#define ID_NEWS_INTERVAL_30M 342
#define ID_NEWS_INTERVAL_60M 343
#define ID_NEWS_SETTINGS 344

// Media player remote (popup 8). The first entry carries ID_REMOTEWMP_PLAY or, relabelled
// "Pause / Play" while playing, ID_REMOTEWMP_PAUSE.
#define ID_REMOTEWMP_LOCK 209
#define ID_REMOTEWMP_DELETE 210
#define ID_REMOTEWMP_TOPMOST 310
#define ID_REMOTEWMP_PLAY 350
#define ID_REMOTEWMP_PAUSE 351
#define ID_REMOTEWMP_STOP 352
#define ID_REMOTEWMP_FORWARD 353
#define ID_REMOTEWMP_REVERSE 354
#define ID_REMOTEWMP_NEXT 355
#define ID_REMOTEWMP_PREVIOUS 356
#define ID_REMOTEWMP_LOAD_FILE 357
#define ID_REMOTEWMP_LOAD_FOLDER 358
#define ID_REMOTEWMP_SHOW_PLAYER 359
#define ID_REMOTEWMP_HIDE_PLAYER 360
#define ID_REMOTEWMP_FULL_SCREEN 361

// Mail alert (popup 9)
#define ID_MAIL_LOCK 231
#define ID_MAIL_DELETE 232
#define ID_MAIL_TOPMOST 307
#define ID_MAIL_UPDATE 365
#define ID_MAIL_SEND 366
#define ID_MAIL_OPTIONS 367

// Web search (popup 10)
#define ID_GOOGLE_LOCK 249
#define ID_GOOGLE_DELETE 250
#define ID_GOOGLE_OPEN 251
#define ID_GOOGLE_TOPMOST 308

// Window bar tile menu (popup 11)
#define ID_TILE_NORMAL 375
#define ID_TILE_MINIMIZED 376
#define ID_TILE_MAXIMIZED 377
#define ID_TILE_CLOSE 378

// Dock icon menu (popup 12)
#define ID_DOCK_ICON_EDIT 380
#define ID_DOCK_ICON_REMOVE 381
#define ID_DOCK_LOCK 382

// Link folder (popup 13)
#define ID_LINK_LOCK 277
#define ID_LINK_DELETE 278
#define ID_LINK_ADD 279
#define ID_LINK_EDIT 280
#define ID_LINK_DELETE_ITEM 281
#define ID_LINK_MOVE_UP 284
#define ID_LINK_MOVE_DOWN 285
#define ID_LINK_TOPMOST 302

// Weather (popup 14)
#define ID_WEATHER_LOCK 296
#define ID_WEATHER_DELETE 297
#define ID_WEATHER_TOPMOST 309
#define ID_WEATHER_UPDATE 370
#define ID_WEATHER_OPTIONS 371

// Account book (popup 15)
#define ID_ACCOUNT_TOPMOST 312
#define ID_ACCOUNT_LOCK 313
#define ID_ACCOUNT_DELETE 314
#define ID_ACCOUNT_NEXT_MONTH 318
#define ID_ACCOUNT_PREVIOUS_MONTH 319
#define ID_ACCOUNT_ADD_LINE 320
#define ID_ACCOUNT_SAVE 322
#define ID_ACCOUNT_LOAD 323
#define ID_ACCOUNT_SHOW_CHECKED 324
#define ID_ACCOUNT_DELETE_LINE 326
#define ID_ACCOUNT_EDIT_LINE 327
#define ID_ACCOUNT_CHECK_LINE 328
#define ID_ACCOUNT_SETUP 329

// Trash (popup 16)
#define ID_TRASH_TOPMOST 332
#define ID_TRASH_LOCK 333
#define ID_TRASH_DELETE 334
#define ID_TRASH_EMPTY 337

// ---------------------------------------------------------------------------------------------
// Dialog controls
// ---------------------------------------------------------------------------------------------
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Setup dialog (IDD_SETUP)
#define IDC_SETUP_SKIN 1002
#define IDC_SETUP_DOCK_DELAY 1003
#define IDC_SETUP_CREATE_X 1004
#define IDC_SETUP_CREATE_Y 1005
#define IDC_SETUP_BAR_DELAY 1006
#define IDC_SETUP_DOCK_TOPMOST 1007
#define IDC_SETUP_DOCK_AUTOHIDE 1008
#define IDC_SETUP_BAR_AUTOHIDE 1009
#define IDC_SETUP_DETECT_DELAY 1010
#define IDC_SETUP_DOCK_TRIGGER 1011
#define IDC_SETUP_EXCLUDE_ADD 1012
#define IDC_SETUP_BAR_TOPMOST 1013
#define IDC_SETUP_ONEWIN 1014
#define IDC_SETUP_HIDE_TASKBAR 1015
#define IDC_SETUP_LOAD_BAR 1016
#define IDC_SETUP_LOAD_DOCK 1017
#define IDC_SETUP_RUNNING 1018
#define IDC_SETUP_EXCLUDED 1019
#define IDC_SETUP_EXCLUDE_REMOVE 1020
#define IDC_SETUP_DOCK_FADE 1021
#define IDC_SETUP_BAR_FADE 1022
#define IDC_SETUP_BAR_TRIGGER 1023
#define IDC_SETUP_MINIMIZE_MAXIMIZED 1024
#define IDC_SETUP_KILLNEWWIN 1025
#define IDC_SETUP_KILL_APP 1026
#define IDC_SETUP_KILL_APP_BROWSE 1027

// Alarm dialog (IDD_ALARM)
#define IDC_ALARM_ENABLE 1100
#define IDC_ALARM_DATE 1101 // date-time picker, date only
#define IDC_ALARM_HOUR 1102
#define IDC_ALARM_MINUTE 1103

// Feed address dialog (IDD_URL_CONFIG)
#define IDC_URL_ADDRESS 1110
#define IDC_URL_ACTIVE 1111

// Weather options dialog (IDD_WEATHER_CONFIG)
#define IDC_WEATHER_ACTIVE 1120
#define IDC_WEATHER_CODE 1121 // read-only
#define IDC_WEATHER_COUNTRY 1122
#define IDC_WEATHER_GO 1123
#define IDC_WEATHER_RESULTS 1124
#define IDC_WEATHER_CELSIUS 1125

// Mail alert setup dialog (IDD_MAIL_CONFIG)
#define IDC_MAIL_NAME 1130
#define IDC_MAIL_PROGRAM 1131
#define IDC_MAIL_PROGRAM_BROWSE 1132
#define IDC_MAIL_SERVER 1133
#define IDC_MAIL_LOGIN 1134
#define IDC_MAIL_PASSWORD 1135
#define IDC_MAIL_INTERVAL 1136

// Account line dialog (IDD_ACCOUNT_EDIT)
#define IDC_ACCOUNT_LABEL 1140
#define IDC_ACCOUNT_DATE 1141 // date-time picker
#define IDC_ACCOUNT_IN 1142
#define IDC_ACCOUNT_OUT 1143
#define IDC_ACCOUNT_CHECKED 1144

// Account book dialog (IDD_ACCOUNT_CONFIG)
#define IDC_ACCOUNT_NAME 1150
#define IDC_ACCOUNT_CURRENCY 1151

// Link dialog (IDD_LINK_CONFIG)
#define IDC_LINK_TITLE 1160
#define IDC_LINK_URL 1161

// Dock icon dialog (IDD_DOCK_ICON_CONFIG)
#define IDC_ICON_IMAGE 1170
#define IDC_ICON_IMAGE_BROWSE 1171
#define IDC_ICON_ACTION 1172
#define IDC_ICON_PARAMETER 1173
#define IDC_ICON_PARAMETER_BROWSE 1174
#define IDC_ICON_TITLE 1175
