// Real input as a user gives it, for tests that drive controls of their own
// process or of another: SendInput to the foreground window. Every wait lets the
// calling thread's windows take their messages, so a test can drive windows of
// its own thread.
#pragma once

#include <windows.h>

#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace vx::test {

// Takes this thread's messages until `done` holds or timeoutMs passed; its answer.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 2000);
void PumpFor(DWORD ms);

// Brings the window to the foreground with its thread's input attached to ours.
bool BringToFront(HWND window);

// The centre of a child's client rectangle on the screen.
POINT ScreenCentre(HWND window, RECT client);

// One key or mouse input as SendInput takes it; absolute mouse points are screen pixels.
INPUT KeyInput(WORD key, bool up);
INPUT MouseInput(DWORD flags, POINT screen = {}, DWORD data = 0);
// Characters as an input method gives them (any text, one key press each).
std::vector<INPUT> CharacterInputs(std::u16string_view text);
// Sends the inputs in one go; the caller lets them arrive.
void SendInputs(std::span<const INPUT> inputs);
// Sends the one input and gives it time to arrive.
void SendOneInput(INPUT input);

// Moves the mouse and waits until the system has it there.
void MoveMouseTo(POINT screen);
void ClickAt(POINT screen);
// Presses the left button at `from`, moves there in steps and lets go at `to`.
void DragFromTo(POINT from, POINT to);
void PressKey(WORD key);
// Types letters, digits and dots as key presses.
void TypeText(std::string_view text);

}  // namespace vx::test
