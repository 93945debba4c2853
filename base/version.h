#pragma once
// The program's version, written here only: the version resource and the download package take it
// from this file.
#define VIMO_VERSION_MAJOR 1
#define VIMO_VERSION_MINOR 1
#define VIMO_VERSION_PATCH 0
#define VIMO_VERSION_TEXT "1.1.0"
