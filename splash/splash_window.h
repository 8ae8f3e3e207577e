#pragma once

#include <windows.h>

// The splash window shown while the launcher unpacks, when its command line is empty: a 400 x 250
// borderless popup of the "Static" class, centred, into which IDB_SPLASH is faded.
constexpr int SPLASH_WIDTH = 400;
constexpr int SPLASH_HEIGHT = 250;
constexpr DWORD SPLASH_STEP_DELAY_MS = 100;

// Creates, centres and shows the window and fades the bitmap in; returns once the fade is done.
// Returns the handle window creation gave, null when no window could be made (nothing else is
// tried then).
HWND CreateSplashWindow(HINSTANCE instance);

// Moves the window to the centre of the screen without resizing it.
void CenterOnScreen(HWND window);

// Where CenterOnScreen puts a window of `rect` on a screen of the given size: the halves of the
// differences, truncated toward zero (a screen 397 wide gives -1 for a 400-wide window).
POINT CenteredPosition(int screenWidth, int screenHeight, const RECT& rect);

// Blends IDB_SPLASH onto the window ten times with constant alpha 0, 10, ..., 90, pausing
// `stepDelay` ms after each. AlphaBlend is looked up in `blendLibrary` of the system directory
// only; when it is not found, or the bitmap cannot be loaded, nothing is drawn and nothing waits.
void FadeInSplash(HINSTANCE instance, HWND window, DWORD stepDelay, const char* blendLibrary = "Msimg32.dll");
