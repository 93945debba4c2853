#pragma once
// The drawing library's flat interface. <objidl.h> must come before <gdiplus.h> when the
// Windows headers are included lean.
#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>
