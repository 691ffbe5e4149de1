// Resource identifiers of corvix.exe (shared by corvix.rc and the C++ sources).
#pragma once

// The program icon, also the main window class's icon.
#define IDI_PROGRAM 102
