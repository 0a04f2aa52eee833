#include "tests/support/handle_count.h"

#include <windows.h>

#include <winternl.h>

#include <vector>

namespace vx::test {

size_t ProcessHandleCount() {
  using Query = NTSTATUS(NTAPI*)(SYSTEM_INFORMATION_CLASS, PVOID, ULONG, PULONG);
  static const auto query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  constexpr auto kHandleList = static_cast<SYSTEM_INFORMATION_CLASS>(16);
  std::vector<BYTE> buffer(1 << 16);
  ULONG needed = 0;
  NTSTATUS status;
  while ((status = query(kHandleList, buffer.data(), static_cast<ULONG>(buffer.size()), &needed)) ==
         static_cast<NTSTATUS>(0xC0000004)) {  // STATUS_INFO_LENGTH_MISMATCH
    buffer.resize(std::max<size_t>(buffer.size() * 2, needed));
  }
  if (status < 0) return 0;
  const auto* list = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
  size_t count = 0;
  for (ULONG i = 0; i < list->Count; ++i) count += list->Handle[i].OwnerPid == GetCurrentProcessId();
  return count;
}

bool HandlesComeBackTo(size_t before) {
  constexpr size_t kMadeOnce = 2;
  constexpr DWORD kSettle = 1000;
  const DWORD start = GetTickCount();
  while (ProcessHandleCount() > before + kMadeOnce) {
    if (GetTickCount() - start > kSettle) return false;
    Sleep(10);
  }
  return true;
}

}  // namespace vx::test
