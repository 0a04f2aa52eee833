// The codes of RuntimeNotify, the one numbered entry through which units and
// libraries ask the runtime for services. A library receives the entry with its
// start notice; codes the runtime does not serve answer 0.
#pragma once

#include <cstdint>

namespace vx {

namespace notify {
constexpr int32_t kProgramIcons = 1000;        // (two words*): the large and small program icon
constexpr int32_t kWindowTable = 1001;         // () -> the WindowTable
constexpr int32_t kUnitTypeInfo = 1002;        // (unit type) -> its UnitTypeInfo, or null
constexpr int32_t kHiddenOwner = 1003;         // () -> the runtime's hidden owner window
constexpr int32_t kWindowUnits = 1004;         // (window id, WindowUnitList*) -> its units, see window_units.h
constexpr int32_t kVersion = 1005;             // () -> 0x30005
constexpr int32_t kNewWindowObject = 1007;     // (window handle) -> a new object bound to it
constexpr int32_t kDeleteWindowObject = 1008;  // (object)
constexpr int32_t kDetachWindowObject = 1009;  // (object) -> its window handle, now unbound
constexpr int32_t kWindowObjectHandle = 1010;  // (object) -> its window handle
constexpr int32_t kAttachWindowObject = 1011;  // (window handle, object) -> 1 when bound
constexpr int32_t kAddIdleCallback = 1012;     // (record: window handle, routine, parameter)
constexpr int32_t kRemoveIdleCallback = 1013;  // (window handle)
constexpr int32_t kUnitDestroyed = 2000;       // (window id, unit id): a control is going away
constexpr int32_t kToInteger = 2001;           // (MDATA*) -> the value as a 32-bit integer
constexpr int32_t kProgramDirectory = 2003;    // () -> new text, no trailing backslash
constexpr int32_t kProgramFileName = 2004;     // () -> new text
constexpr int32_t kLoadWindow = 2005;          // (record: window id, owner object, load mode) -> 0
constexpr int32_t kUnitObject = 2006;          // (window id, unit id) -> the object, or null
constexpr int32_t kExistingUnitObject = 2007;  // as 2006; a missing unit is a fatal error
constexpr int32_t kRaiseEvent = 2008;          // (EventRecord*) -> 1 when a handler ran
constexpr int32_t kBlockEvents = 2009;         // (): pending messages, then EventBlock up
constexpr int32_t kUnblockEvents = 2010;       // (): pending messages, then EventBlock down
constexpr int32_t kCurrentEventSource = 2017;  // (two words*) -> 1 and the source while a handler runs
constexpr int32_t kProcessMessages = 2018;     // (): pending messages
constexpr int32_t kFreeArray = 2023;           // (element type, block)
constexpr int32_t kAllocate = 2024;            // (bytes, non-zero: null on failure) -> block
constexpr int32_t kFree = 2025;                // (block)
constexpr int32_t kReallocate = 2026;          // (block, bytes) -> block
constexpr int32_t kRaiseError = 2027;          // (message text): fatal, code 0
constexpr int32_t kExitProgram = 2028;         // (exit code)
constexpr int32_t kUnitTypeInfoAgain = 2029;   // as 1002
constexpr int32_t kProgramMode = 2030;         // () -> the program header's first word
constexpr int32_t kRaiseTypedEvent = 2031;     // (TypedEventRecord*) -> 1 when a handler ran
}  // namespace notify

}  // namespace vx
