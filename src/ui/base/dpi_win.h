#pragma once
// Pixel sizes of the layout are given for 96 dots per inch; the program declares itself aware of
// the display's resolution, so they are scaled to it. The dialogs scale by themselves, in
// dialog units.
#include <windows.h>

// The system's resolution, read once per process.
int displayDpi();

inline int scaled(int pixels) { return MulDiv(pixels, displayDpi(), 96); }
