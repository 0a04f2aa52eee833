#include "bench/launch.h"

namespace bench {

Launch::Launch(const std::wstring& exe) {
  wchar_t full[MAX_PATH];
  DWORD length = GetFullPathNameW(exe.c_str(), MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) return;
  std::wstring path(full, length);
  std::wstring folder = path.substr(0, path.rfind(L'\\'));
  std::wstring commandLine = L"\"" + path + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &info_)) {
    info_ = {};
  }
}

Launch::~Launch() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

namespace {
struct VisibleWindowQuery {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchVisible(HWND window, LPARAM lParam) {
  auto* query = reinterpret_cast<VisibleWindowQuery*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != query->processId || !IsWindowVisible(window)) return TRUE;
  query->found = window;
  return FALSE;
}
}  // namespace

HWND Launch::WaitForVisibleWindow(DWORD timeoutMs) const {
  if (!info_.hProcess) return nullptr;
  DWORD start = GetTickCount();
  do {
    VisibleWindowQuery query = {info_.dwProcessId, nullptr};
    EnumWindows(MatchVisible, reinterpret_cast<LPARAM>(&query));
    if (query.found) return query.found;
    // A short wait on the process: polls about every millisecond and notices an end.
    if (WaitForSingleObject(info_.hProcess, 1) == WAIT_OBJECT_0) return nullptr;
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

DWORD Launch::Close(HWND window, DWORD timeoutMs) {
  PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

double NowMs() {
  static const double frequency = [] {
    LARGE_INTEGER value;
    QueryPerformanceFrequency(&value);
    return static_cast<double>(value.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / frequency;
}

std::wstring FileNameOf(const std::wstring& path) {
  size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::string Utf8(const std::wstring& text) {
  int length =
      WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(length, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), length, nullptr, nullptr);
  return utf8;
}

}  // namespace bench
