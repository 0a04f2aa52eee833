// The window unit in this process: loaded from a template by the runtime's
// loader, its properties written and read through property access.
#include "units/window/window_unit.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "runtime/framework/unit_object.h"
#include "runtime/framework/window_object.h"
#include "runtime/helper_operations.h"
#include "runtime/property_access.h"
#include "runtime/runtime_notify.h"
#include "runtime/runtime_state.h"
#include "runtime/template/template_writer.h"
#include "runtime/unit_lookup.h"
#include "runtime/window_loader.h"
#include "tests/support/program_fixture.h"
#include "units/unit_types/core_unit_types.h"
#include "units/window/window_data.h"

namespace vx {
namespace {

constexpr uint32_t kWindow = 0x52010001;
constexpr uint32_t kOwnUnit = 0x06010000;
using namespace window_property;

class WindowUnitTest : public test::ProgramFixture {
 protected:
  void SetUp() override {
    UnitDescription own = test::Unit(kOwnUnit, core_unit_type::kWindow, {0, 0, 320, 240}, kUnitVisible,
                                     StoreProperties(WindowData{.caption = "单元"}));
    own.stored.tag = "载入时";
    WindowDescription window;
    window.id = kWindow;
    window.items = {own};
    StartProgram({window});
    window_ = Handle();
    ASSERT_NE(window_, nullptr);
  }

  static HWND Handle() { return Control(kWindow, kOwnUnit); }
  static int32_t Read(int index) { return static_cast<int32_t>(ProgramFixture::Read(kWindow, kOwnUnit, index)); }
  static void Write(int index, uint32_t value) { ProgramFixture::Write(kWindow, kOwnUnit, index, value); }
  static void WriteText(int index, const char* text) {
    ProgramFixture::Write(kWindow, kOwnUnit, index, test::TextValue(text));
  }

  COLORREF PaintedColour() {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 4);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT rect = {0, 0, 4, 4};
    answer_ = SendMessageW(window_, kPaintBackgroundMessage, reinterpret_cast<WPARAM>(memory),
                           reinterpret_cast<LPARAM>(&rect));
    COLORREF colour = GetPixel(memory, 1, 1);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return colour;
  }

  HWND window_ = nullptr;
  LRESULT answer_ = 0;
};

TEST_F(WindowUnitTest, TheLoadedWindowHasItsClassCaptionAndSizeAndIsCentred) {
  wchar_t name[32];
  GetClassNameW(window_, name, 32);
  EXPECT_STREQ(name, L"QRWindow");
  RECT rect;
  GetWindowRect(window_, &rect);
  EXPECT_EQ(rect.right - rect.left, 320);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 320) / 2);
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_EQ(GetWindow(window_, GW_OWNER), nullptr) << "on the taskbar: no owner";
  EXPECT_EQ(GetDlgCtrlID(window_), 0);
}

TEST_F(WindowUnitTest, BackgroundMessageAnswersAndPaintsByTheColourRule) {
  EXPECT_EQ(PaintedColour(), GetSysColor(COLOR_BTNFACE)) << "0xFF000000 is the button face";
  EXPECT_EQ(answer_, 20141111);
  Write(kBackColour, 0x00336699);
  EXPECT_EQ(PaintedColour(), COLORREF{0x00336699});
}

TEST_F(WindowUnitTest, CaptionAndControlBoxChangeTheTitleBar) {
  WriteText(kCaption, "新标题");
  wchar_t title[32];
  GetWindowTextW(window_, title, 32);
  EXPECT_STREQ(title, L"新标题");
  EXPECT_TRUE(GetWindowLongW(window_, GWL_STYLE) & WS_SYSMENU);
  Write(kControlBox, 0);
  EXPECT_FALSE(GetWindowLongW(window_, GWL_STYLE) & WS_SYSMENU);
  EXPECT_EQ(GetWindowLongW(window_, GWL_STYLE) & WS_CAPTION, WS_CAPTION) << "the caption text keeps a title bar";
}

TEST_F(WindowUnitTest, StartPositionReadsTheWindowsState) {
  EXPECT_EQ(Read(kStartPosition), 0) << "a centred normal window";
  Write(kStartPosition, 2);
  EXPECT_TRUE(IsIconic(window_));
  EXPECT_EQ(Read(kStartPosition), 2);
  Write(kStartPosition, 1);
  EXPECT_FALSE(IsIconic(window_));
  EXPECT_EQ(Read(kStartPosition), 0);
}

TEST_F(WindowUnitTest, ShapesSetAndRemoveTheWindowRegionAndAreClamped) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window_, region), ERROR);
  Write(kShape, 1);
  EXPECT_NE(GetWindowRgn(window_, region), ERROR);
  Write(kShape, 99);
  EXPECT_EQ(Read(kShape), 29);
  Write(kShape, 0);
  EXPECT_EQ(GetWindowRgn(window_, region), ERROR);
  DeleteObject(region);
}

TEST_F(WindowUnitTest, AlwaysOnTopAndMovableChangeTheWindow) {
  Write(kAlwaysOnTop, 1);
  EXPECT_TRUE(GetWindowLongW(window_, GWL_EXSTYLE) & WS_EX_TOPMOST);
  Write(kAlwaysOnTop, 0);
  EXPECT_FALSE(GetWindowLongW(window_, GWL_EXSTYLE) & WS_EX_TOPMOST);
  Write(kMovable, 0);
  EXPECT_EQ(GetMenuState(GetSystemMenu(window_, FALSE), SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
  Write(kMovable, 1);
  EXPECT_NE(GetMenuState(GetSystemMenu(window_, FALSE), SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_F(WindowUnitTest, DestroyingTheWindowPutsBackTheUnitTableOfItsLoad) {
  WriteText(common_property::kTag, "改过");
  DestroyWindow(window_);
  const UnitEntry& own = Runtime().windowTable.Find(kWindow)->units.Item(0);
  EXPECT_EQ(own.object(), nullptr);
  EXPECT_EQ(own.unit()->tag, "载入时");
  EXPECT_FALSE(AnyWindowLoaded());
  MSG quit;
  EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "no loop ran: no WM_QUIT";
}

TEST_F(WindowUnitTest, WindowObjectsAreBoundAndReleasedThroughRuntimeNotify) {
  HWND plain = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  intptr_t object = RuntimeNotify(notify::kNewWindowObject, reinterpret_cast<intptr_t>(plain), 0);
  ASSERT_NE(object, 0);
  EXPECT_EQ(RuntimeNotify(notify::kWindowObjectHandle, object, 0), reinterpret_cast<intptr_t>(plain));
  EXPECT_EQ(WindowObject::FromHandlePermanent(plain), reinterpret_cast<WindowObject*>(object));
  EXPECT_EQ(RuntimeNotify(notify::kAttachWindowObject, reinterpret_cast<intptr_t>(plain), object), 0)
      << "already bound";
  EXPECT_EQ(RuntimeNotify(notify::kDetachWindowObject, object, 0), reinterpret_cast<intptr_t>(plain));
  EXPECT_EQ(WindowObject::FromHandlePermanent(plain), nullptr);
  EXPECT_EQ(RuntimeNotify(notify::kAttachWindowObject, reinterpret_cast<intptr_t>(plain), object), 1);
  RuntimeNotify(notify::kDeleteWindowObject, object, 0);
  EXPECT_EQ(WindowObject::FromHandlePermanent(plain), nullptr) << "deleting unbinds";
  DestroyWindow(plain);
}

void IdleRoutine(intptr_t) {}

TEST_F(WindowUnitTest, IdleCallbacksAreRegisteredOncePerLiveWindow) {
  IdleCallback record = {window_, IdleRoutine, 7};
  RuntimeNotify(notify::kAddIdleCallback, reinterpret_cast<intptr_t>(&record), 0);
  RuntimeNotify(notify::kAddIdleCallback, reinterpret_cast<intptr_t>(&record), 0);
  IdleCallback dead = {reinterpret_cast<void*>(0x1234), IdleRoutine, 0};
  RuntimeNotify(notify::kAddIdleCallback, reinterpret_cast<intptr_t>(&dead), 0);
  ASSERT_EQ(Runtime().idleCallbacks.size(), 1u);
  EXPECT_EQ(Runtime().idleCallbacks[0].parameter, 7);
  RuntimeNotify(notify::kRemoveIdleCallback, reinterpret_cast<intptr_t>(window_), 0);
  EXPECT_TRUE(Runtime().idleCallbacks.empty());
}

}  // namespace
}  // namespace vx
