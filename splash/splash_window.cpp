#include "splash_window.h"

#include <cstring>

#include "resource.h"

namespace {

constexpr char SPLASH_CLASS[] = "Static";
constexpr char SPLASH_TITLE[] = "Quorbel Liraset Install Wizard";
constexpr char SPLASH_TEXT[] = "Loading...";
constexpr int TEXT_X = 300;
constexpr int TEXT_Y = 180;
constexpr BYTE ALPHA_STEP = 10;
constexpr int BLEND_STEPS = 10;

using AlphaBlendFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

// Loads a library from the system directory by its full path, so that a DLL of the same name
// beside the launcher (in a downloads folder, say) is never the one loaded.
HMODULE LoadSystemLibrary(const char* name) {
  char path[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(path, MAX_PATH);
  if (length == 0 || length + 1 + std::strlen(name) >= MAX_PATH) return nullptr;
  path[length] = '\\';
  std::memcpy(path + length + 1, name, std::strlen(name) + 1);
  return LoadLibraryA(path);
}

HFONT CreateSplashFont() {
  return CreateFontA(20, 0, 0, 0, FW_SEMIBOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
}

}  // namespace

HWND CreateSplashWindow(HINSTANCE instance) {
  HWND window = CreateWindowExA(0, SPLASH_CLASS, SPLASH_TITLE, WS_POPUP, 0, 0, SPLASH_WIDTH, SPLASH_HEIGHT,
                                nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return nullptr;
  CenterOnScreen(window);
  ShowWindow(window, SW_SHOW);
  FadeInSplash(instance, window, SPLASH_STEP_DELAY_MS);
  return window;
}

POINT CenteredPosition(int screenWidth, int screenHeight, const RECT& rect) {
  // C++ division truncates toward zero, as the placement requires.
  return POINT{(screenWidth + rect.left - rect.right) / 2, (screenHeight + rect.top - rect.bottom) / 2};
}

void CenterOnScreen(HWND window) {
  HDC screen = GetWindowDC(window);
  const int width = GetDeviceCaps(screen, HORZRES);
  const int height = GetDeviceCaps(screen, VERTRES);
  ReleaseDC(window, screen);
  RECT rect{};
  GetWindowRect(window, &rect);
  const POINT at = CenteredPosition(width, height, rect);
  SetWindowPos(window, GetActiveWindow(), at.x, at.y, 0, 0, SWP_NOSIZE);
}

void FadeInSplash(HINSTANCE instance, HWND window, DWORD stepDelay, const char* blendLibrary) {
  HDC windowDc = GetDC(window);
  HDC memoryDc = CreateCompatibleDC(windowDc);
  HBITMAP bitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_SPLASH));
  HGDIOBJ previousBitmap = bitmap ? SelectObject(memoryDc, bitmap) : nullptr;
  BITMAP size{};
  if (bitmap) GetObjectA(bitmap, sizeof size, &size);

  // The text goes into the memory image once; the font stays selected there until the context
  // is deleted, and is deleted itself last.
  HFONT font = CreateSplashFont();
  if (font) SelectObject(memoryDc, font);
  SetBkMode(memoryDc, TRANSPARENT);
  TextOutA(memoryDc, TEXT_X, TEXT_Y, SPLASH_TEXT, static_cast<int>(std::strlen(SPLASH_TEXT)));

  HMODULE library = LoadSystemLibrary(blendLibrary);
  const auto alphaBlend =
      library ? reinterpret_cast<AlphaBlendFunction>(reinterpret_cast<void*>(GetProcAddress(library, "AlphaBlend")))
              : nullptr;
  if (alphaBlend && bitmap) {
    for (int step = 0; step < BLEND_STEPS; ++step) {
      const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(ALPHA_STEP * step), 0};
      alphaBlend(windowDc, 0, 0, size.bmWidth, size.bmHeight, memoryDc, 0, 0, size.bmWidth, size.bmHeight, blend);
      Sleep(stepDelay);
    }
  }

  if (library) FreeLibrary(library);
  if (previousBitmap) SelectObject(memoryDc, previousBitmap);
  if (bitmap) DeleteObject(bitmap);
  DeleteDC(memoryDc);
  ReleaseDC(window, windowDc);
  if (font) DeleteObject(font);
}
