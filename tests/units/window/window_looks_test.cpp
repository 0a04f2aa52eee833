// How shaped and coloured windows look, read back from the window region and from
// the screen's pixels once the window has painted.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/window_driving.h"

namespace vx {
namespace {

using test::Program;
using test::TempFile;

// The window program's window is 400 x 300.
constexpr int kWidth = 400, kHeight = 300;

class WindowLooks : public test::WindowScenario {
 protected:
  void Start(const wchar_t* scenario) {
    WindowScenario::Start(scenario);
    RECT rect;
    GetWindowRect(window_, &rect);
    origin_ = {rect.left, rect.top};
    ASSERT_EQ(rect.right - rect.left, kWidth);
    ASSERT_EQ(rect.bottom - rect.top, kHeight);
  }

  // Whether the window's region holds the point, in window coordinates.
  bool InRegion(int x, int y) const {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    int kind = GetWindowRgn(window_, region);
    bool inside = kind != ERROR && PtInRegion(region, x, y);
    DeleteObject(region);
    return inside;
  }
  bool HasRegion() const {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    int kind = GetWindowRgn(window_, region);
    DeleteObject(region);
    return kind != ERROR;
  }

  // The screen's colour at a point in window coordinates.
  static COLORREF ScreenPixel(POINT screen) {
    HDC dc = GetDC(nullptr);
    COLORREF colour = GetPixel(dc, screen.x, screen.y);
    ReleaseDC(nullptr, dc);
    return colour;
  }
  POINT AtWindow(int x, int y) const { return {origin_.x + x, origin_.y + y}; }
  POINT ClientCentre() const {
    RECT client;
    GetClientRect(window_, &client);
    POINT centre = {client.right / 2, client.bottom / 2};
    ClientToScreen(window_, &centre);
    return centre;
  }
  // The colour at the point once it is `expected` (painting comes a little later),
  // or whatever is there after the timeout.
  static COLORREF WaitForPixel(POINT screen, COLORREF expected, DWORD timeoutMs = 3000) {
    DWORD start = GetTickCount();
    COLORREF colour = ScreenPixel(screen);
    while (colour != expected && GetTickCount() - start < timeoutMs) {
      Sleep(50);
      colour = ScreenPixel(screen);
    }
    return colour;
  }

  POINT origin_ = {};
};

TEST_F(WindowLooks, ARectangularWindowHasNoRegion) {
  Start(L"events");
  EXPECT_FALSE(HasRegion());
}

TEST_F(WindowLooks, AnEllipseWindowShowsOnlyInsideItsEllipse) {
  Start(L"ellipse");
  ASSERT_TRUE(HasRegion());
  EXPECT_TRUE(InRegion(kWidth / 2, kHeight / 2));
  EXPECT_TRUE(InRegion(kWidth / 2, 3)) << "the top of the ellipse";
  EXPECT_TRUE(InRegion(3, kHeight / 2)) << "its left end";
  EXPECT_TRUE(InRegion(kWidth - 4, kHeight / 2)) << "its right end";
  for (POINT corner :
       {POINT{4, 4}, POINT{kWidth - 5, 4}, POINT{4, kHeight - 5}, POINT{kWidth - 5, kHeight - 5}, POINT{40, 40}}) {
    EXPECT_FALSE(InRegion(corner.x, corner.y)) << corner.x << "," << corner.y;
  }

  COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(WaitForPixel(ClientCentre(), face), face) << "the window painted its background";
  for (POINT corner : {POINT{4, kHeight - 5}, POINT{kWidth - 5, kHeight - 5}}) {
    EXPECT_NE(ScreenPixel(AtWindow(corner.x, corner.y)), face)
        << "what is behind shows at " << corner.x << "," << corner.y;
  }
}

TEST_F(WindowLooks, AStarWindowShowsItsPointsAndNotTheGapsBetweenThem) {
  Start(L"star");
  ASSERT_TRUE(HasRegion());
  // The star of ten points: its top point at the middle of the top edge, its
  // arms' ends at 104 of 300 down, the two lower points at 271 down.
  EXPECT_TRUE(InRegion(kWidth / 2, kHeight / 2)) << "the middle";
  EXPECT_TRUE(InRegion(kWidth / 2, 20)) << "inside the top point";
  EXPECT_TRUE(InRegion(30, 106)) << "the left arm";
  EXPECT_TRUE(InRegion(kWidth - 30, 106)) << "the right arm";
  EXPECT_TRUE(InRegion(89, 262)) << "the lower left point";
  EXPECT_FALSE(InRegion(40, 40)) << "between the top point and the left arm";
  EXPECT_FALSE(InRegion(kWidth - 40, 40)) << "between the top point and the right arm";
  EXPECT_FALSE(InRegion(kWidth / 2, 285)) << "between the two lower points";
  EXPECT_FALSE(InRegion(60, 200)) << "inside an ellipse, outside the star";

  COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(WaitForPixel(ClientCentre(), face), face);
  for (POINT gap : {POINT{kWidth / 2, 285}, POINT{60, 200}, POINT{kWidth - 60, 200}}) {
    EXPECT_NE(ScreenPixel(AtWindow(gap.x, gap.y)), face) << "what is behind shows at " << gap.x << "," << gap.y;
  }
}

TEST_F(WindowLooks, TheSystemBackColourPaintsTheButtonFaceColour) {
  Start(L"events");
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(WaitForPixel(ClientCentre(), face), face);
}

TEST_F(WindowLooks, AnRgbBackColourPaintsThatColour) {
  Start(L"colour");
  COLORREF blue = RGB(0x40, 0x80, 0xC0);
  POINT centre = ClientCentre();
  EXPECT_EQ(WaitForPixel(centre, blue), blue);
  EXPECT_EQ(ScreenPixel({centre.x - 150, centre.y + 100}), blue) << "the whole client area";
}

}  // namespace
}  // namespace vx
