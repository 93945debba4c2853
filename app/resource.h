#pragma once
#define IDR_MAINFRAME 128
#define IDR_MENU_KAPS 129
#define ID_APP_EXIT 131
