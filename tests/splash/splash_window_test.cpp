// The splash window in this process, on Wine's virtual screen. This program carries the
// launcher's resources, IDB_SPLASH among them.
#include "splash_window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "process_support.h"
#include "resource.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

struct PositionCase {
  int screenWidth, screenHeight;
  int x, y;
};

void PrintTo(const PositionCase& c, std::ostream* out) { *out << c.screenWidth << "x" << c.screenHeight; }

class CenteredPositions : public ::testing::TestWithParam<PositionCase> {};

TEST_P(CenteredPositions, HalveTheDifferenceTruncatingTowardZero) {
  const RECT created{0, 0, SPLASH_WIDTH, SPLASH_HEIGHT};
  const POINT at = CenteredPosition(GetParam().screenWidth, GetParam().screenHeight, created);
  EXPECT_EQ(at.x, GetParam().x);
  EXPECT_EQ(at.y, GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(Screens, CenteredPositions,
                         ::testing::Values(PositionCase{1024, 768, 312, 259}, PositionCase{1920, 1080, 760, 415},
                                           PositionCase{400, 250, 0, 0}, PositionCase{399, 249, 0, 0},
                                           PositionCase{397, 247, -1, -1}, PositionCase{300, 100, -50, -75}));

// Reads the screen's pixels in `rect` as 32-bit top-down BGRA.
std::vector<std::uint32_t> CaptureScreen(const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, previous);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// The splash bitmap's own pixels, 32-bit top-down.
std::vector<std::uint32_t> SplashPixels(int& width, int& height) {
  HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SPLASH));
  BITMAP size{};
  GetObjectA(bitmap, sizeof size, &size);
  width = size.bmWidth;
  height = size.bmHeight;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  return pixels;
}

void SaveBitmap(const std::string& path, const std::vector<std::uint32_t>& pixels, int width, int height) {
  BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 2834, 2834, 0, 0};
  const DWORD bytes = static_cast<DWORD>(pixels.size() * 4);
  BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof file + sizeof info + bytes), 0, 0,
                        static_cast<DWORD>(sizeof file + sizeof info)};
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(reinterpret_cast<const char*>(pixels.data()), bytes);
}

int Channel(std::uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

class SplashWindow : public ::testing::Test {
 protected:
  void TearDown() override {
    if (window_) DestroyWindow(window_);
  }
  HWND window_ = nullptr;
};

TEST_F(SplashWindow, IsACentredStaticPopupShownAfterAFadeOfAtLeastOneSecond) {
  const Clock::time_point start = Clock::now();
  window_ = CreateSplashWindow(GetModuleHandleA(nullptr));
  const double seconds = SecondsSince(start);
  ASSERT_NE(window_, nullptr) << "no window: is a display there?";
  EXPECT_GE(seconds, 1.0);

  char text[64] = {};
  GetWindowTextA(window_, text, sizeof text);
  EXPECT_STREQ(text, "Quorbel Liraset Install Wizard");
  char className[32] = {};
  GetClassNameA(window_, className, sizeof className);
  EXPECT_STREQ(className, "Static");
  // The system adds WS_CLIPSIBLINGS to every top-level window; showing it adds WS_VISIBLE.
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_STYLE));
  EXPECT_EQ(style & ~static_cast<DWORD>(WS_CLIPSIBLINGS), static_cast<DWORD>(WS_POPUP | WS_VISIBLE));
  EXPECT_EQ(GetWindowLongPtrA(window_, GWL_EXSTYLE) & ~WS_EX_TOPMOST, 0);

  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  RECT rect{};
  GetWindowRect(window_, &rect);
  EXPECT_EQ(rect.left, (width - SPLASH_WIDTH) / 2);
  EXPECT_EQ(rect.top, (height - SPLASH_HEIGHT) / 2);
  EXPECT_EQ(rect.right - rect.left, SPLASH_WIDTH);
  EXPECT_EQ(rect.bottom - rect.top, SPLASH_HEIGHT);
}

// After ten blends with alpha 0, 10, ..., 90 the bitmap stands at 1 - prod((255 - a) / 255) of
// its full strength over what the window showed before; rows below the bitmap stay as they were.
TEST_F(SplashWindow, ShowsTheBitmapBlendedTenTimesAndNothingElse) {
  window_ = CreateSplashWindow(GetModuleHandleA(nullptr));
  ASSERT_NE(window_, nullptr);
  RECT rect{};
  GetWindowRect(window_, &rect);
  const std::vector<std::uint32_t> shown = CaptureScreen(rect);
  SaveBitmap(testing_support::BinaryDirectory() + "\\..\\splash-capture.bmp", shown, SPLASH_WIDTH, SPLASH_HEIGHT);

  int bitmapWidth = 0, bitmapHeight = 0;
  const std::vector<std::uint32_t> bitmap = SplashPixels(bitmapWidth, bitmapHeight);
  ASSERT_EQ(bitmapWidth, 403);
  ASSERT_EQ(bitmapHeight, 142);

  double before = 1.0;
  for (int a = 0; a <= 90; a += 10) before *= (255.0 - a) / 255.0;
  ASSERT_NEAR(before, 0.1305, 0.0001);

  // What the window showed before the fade is what rows 142 to 249 still show: one colour.
  const std::uint32_t background = shown[static_cast<std::size_t>(200) * SPLASH_WIDTH + 10];
  int worst = 0;
  for (int y = 0; y < SPLASH_HEIGHT; ++y) {
    for (int x = 0; x < SPLASH_WIDTH; ++x) {
      const std::uint32_t got = shown[static_cast<std::size_t>(y) * SPLASH_WIDTH + x];
      for (int shift : {0, 8, 16}) {
        int expected = Channel(background, shift);
        if (y < bitmapHeight) {
          expected = static_cast<int>(std::lround(Channel(bitmap[static_cast<std::size_t>(y) * bitmapWidth + x], shift) *
                                                      (1.0 - before) +
                                                  Channel(background, shift) * before));
        }
        worst = std::max(worst, std::abs(Channel(got, shift) - expected));
      }
    }
  }
  // Each of the ten blends rounds to whole steps: a few steps of difference at most.
  EXPECT_LE(worst, 5);
}

TEST_F(SplashWindow, WithoutAlphaBlendDrawsNothingAndDoesNotWait) {
  window_ = CreateWindowExA(0, "Static", "fade test", WS_POPUP, 0, 0, SPLASH_WIDTH, SPLASH_HEIGHT, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window_, nullptr);
  ShowWindow(window_, SW_SHOW);
  const Clock::time_point start = Clock::now();
  FadeInSplash(GetModuleHandleA(nullptr), window_, SPLASH_STEP_DELAY_MS, "no-such-blend-library.dll");
  EXPECT_LT(SecondsSince(start), 0.1);
}

TEST_F(SplashWindow, ADllBesideTheProgramIsNotTheOneLoaded) {
  // A file named like the blend library beside this program: loading it would fail (it is no
  // DLL), so a fade that still takes its ten pauses took the system's library.
  const std::string planted = testing_support::BinaryDirectory() + "\\Msimg32.dll";
  testing_support::WriteBytes(planted, testing_support::ToBytes("not a library"));
  window_ = CreateWindowExA(0, "Static", "fade test", WS_POPUP, 0, 0, SPLASH_WIDTH, SPLASH_HEIGHT, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  const Clock::time_point start = Clock::now();
  FadeInSplash(GetModuleHandleA(nullptr), window_, 20);
  const double seconds = SecondsSince(start);
  DeleteFileA(planted.c_str());
  EXPECT_GE(seconds, 0.2);
}

}  // namespace
