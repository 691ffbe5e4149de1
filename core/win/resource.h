// Resource identifiers of corvix.exe (shared by corvix.rc and the C++ sources).
#pragma once

// The program icon, also the main window class's icon.
#define IDI_PROGRAM 102

// The artwork of res/artwork.rc (the splash picture is the resource "IMG_SPLASH" of type "IMAGE").
#define IDI_TRAY 125           // tray icon
#define IDR_CURSOR_GRAB 111    // Edit Mode: closed hand while dragging
#define IDR_CURSOR_HAND 112    // Edit Mode: open hand of the Scroll tool
#define IDR_CURSOR_PENCIL 113  // Edit Mode: the Pencil tool
#define IDR_CURSOR_MARKER 114  // Edit Mode: the Marker tool
#define IDR_CURSOR_RUBBER 115  // Edit Mode: the Rubber tool
#define IDR_CURSOR_PEN 142     // capture overlay: free-style pen
#define IDR_CAPTURE_SOUND 144  // capture sound (type WAVE)
