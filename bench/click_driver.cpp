// click-driver: clicks 开始 in a reader window and prints when, on the Unix clock,
// so that bench/speech_latency.sh can pair every click with the first audible
// sample the sink received after it.
//   click-driver PROGRAM.exe CLICKS
// It starts the program, waits for its window, pastes a passage into its edit box
// and lets it settle; then, CLICKS times: prints "click <Unix seconds>", clicks
// 开始, lets it speak, clicks 停止 and waits through a quiet gap. At the end it
// closes the window; the program must end with exit code 0.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/launch.h"

namespace {

constexpr DWORD kSettleMs = 1500;  // after the window shows: voices listed, engine ready
constexpr DWORD kSpeakMs = 1500;   // from a click on 开始 to the click on 停止
constexpr DWORD kQuietMs = 1000;   // after 停止, before the next click

const wchar_t kPassage[] = L"春天来了，花都开了，小鸟在树上唱歌。今天天气很好，我们一起去公园散步吧。";

// Seconds since 1970 on the system clock; Wine reads it from the Unix clock, the
// clock the sink's reader stamps samples with.
double UnixSeconds() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER ticks;
  ticks.LowPart = now.dwLowDateTime;
  ticks.HighPart = now.dwHighDateTime;
  constexpr unsigned long long kUnixEpoch = 116444736000000000ull;  // 1970 in 100 ns since 1601
  return static_cast<double>(ticks.QuadPart - kUnixEpoch) / 1e7;
}

struct ChildQuery {
  const wchar_t* className;
  DWORD style;             // bits the control must have
  const wchar_t* caption;  // null: any
  HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM lParam) {
  auto* query = reinterpret_cast<ChildQuery*>(lParam);
  wchar_t className[64] = L"", caption[64] = L"";
  GetClassNameW(child, className, 64);
  if (_wcsicmp(className, query->className) != 0) return TRUE;
  if ((static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE)) & query->style) != query->style) return TRUE;
  // WM_GETTEXT is answered by the control in its own process.
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(child, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(caption), SMTO_ABORTIFHUNG, 5000, &copied);
  if (query->caption && wcscmp(caption, query->caption) != 0) return TRUE;
  query->found = child;
  return FALSE;
}

HWND FindChild(HWND window, const wchar_t* className, DWORD style, const wchar_t* caption) {
  ChildQuery query = {className, style, caption, nullptr};
  EnumChildWindows(window, MatchChild, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

// Sources are compiled to GBK; the terminal reads UTF-8.
int Fail(const std::wstring& message) {
  std::fprintf(stderr, "click-driver: %s\n", bench::Utf8(message).c_str());
  return 1;
}

bool Click(HWND button) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments || count != 3 || _wtoi(arguments[2]) < 1) {
    std::fputs("usage: click-driver PROGRAM.exe CLICKS\n", stderr);
    return 2;
  }
  std::wstring exe = arguments[1];
  int clicks = _wtoi(arguments[2]);
  LocalFree(arguments);

  bench::Launch launch(exe);
  HWND window = launch.WaitForVisibleWindow();
  if (!window) return Fail(exe + L" showed no window");
  // Multi-line: not the edit field inside a drop-down combo box.
  HWND edit = FindChild(window, L"Edit", ES_MULTILINE, nullptr);
  HWND start = FindChild(window, L"Button", 0, L"开始");
  HWND stop = FindChild(window, L"Button", 0, L"停止");
  if (!edit || !start || !stop) return Fail(L"the window lacks a multi-line edit box or the button 开始 or 停止");
  DWORD_PTR result = 0;
  SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kPassage), SMTO_ABORTIFHUNG, 5000, &result);
  Sleep(kSettleMs);

  for (int click = 0; click < clicks; ++click) {
    std::printf("click %.6f\n", UnixSeconds());
    std::fflush(stdout);
    if (!Click(start)) return Fail(L"开始 did not answer the click");
    Sleep(kSpeakMs);
    if (!Click(stop)) return Fail(L"停止 did not answer the click");
    Sleep(kQuietMs);
  }
  DWORD code = launch.Close(window);
  if (code != 0) return Fail(exe + L" ended with " + std::to_wstring(code) + L" instead of 0 after WM_CLOSE");
  return 0;
}
