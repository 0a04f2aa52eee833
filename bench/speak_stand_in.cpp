// speak-stand-in: a window "Voxlet" with an edit box and the buttons 开始 and 停止,
// speaking through the project's speech object exactly as the reader's start and
// stop handlers do: SpeakText(mode 0, the edit box's text, no wait) and
// StopSpeaking, on the first voice, at the reader's start-up volume 50 and rate -3.
// It lets bench/speech_latency.sh be proven before the reader itself speaks.
#include <windows.h>

#include <string>
#include <vector>

#include "contract/values.h"
#include "runtime/framework/gbk.h"
#include "runtime/heap.h"
#include "runtime/helper_operations.h"
#include "runtime/runtime_notify.h"
#include "speech/speech_library.h"
#include "speech/speech_unit.h"

namespace {

namespace method = vx::speech_method;

class SpeechObject {
 public:
  SpeechObject() { Call(method::kCreate); }
  ~SpeechObject() { Call(method::kDestroy); }
  SpeechObject(const SpeechObject&) = delete;
  SpeechObject& operator=(const SpeechObject&) = delete;

  vx::MDATA Call(int number, std::vector<vx::MDATA> arguments = {}) {
    vx::MDATA self = {};
    self.pointer = block_;
    self.type = vx::kSpeechObjectType;
    arguments.insert(arguments.begin(), self);
    return vx::CallLibraryCommand(vx::kSpeechLibraryNumber, vx::SpeechCommands()[number],
                                  static_cast<int>(arguments.size()), arguments.data());
  }

 private:
  alignas(8) uint32_t block_[2] = {0, 0};
};

vx::MDATA Int(int32_t value) {
  vx::MDATA m = {};
  m.intValue = value;
  m.type = vx::type::kInt;
  return m;
}
vx::MDATA Text(const std::string& gbk) {
  vx::MDATA m = {};
  m.text = const_cast<char*>(gbk.c_str());
  m.type = vx::type::kText;
  return m;
}

// The voice the reader selects at start-up: the first one listed.
void SelectFirstVoice(SpeechObject& speech) {
  int32_t* list = speech.Call(method::kListVoices).block;
  if (!list) return;
  auto** voices = reinterpret_cast<char**>(vx::ArrayElements(list));
  if (list[1] > 0 && voices[0]) speech.Call(method::kSelectVoice, {Text(voices[0])});
  for (int32_t i = 0; i < list[1]; ++i) vx::Free(voices[i]);
  vx::Free(list);
}

enum ControlId { kEditId = 1, kStartId = 2, kStopId = 3 };

SpeechObject* g_speech = nullptr;

void Speak(HWND window) {
  HWND edit = GetDlgItem(window, kEditId);
  std::wstring text(GetWindowTextLengthW(edit) + 1, L'\0');
  text.resize(GetWindowTextW(edit, text.data(), static_cast<int>(text.size())));
  g_speech->Call(method::kSpeakText, {Int(0), Text(vx::GbkFromWide(text)), vx::MDATA{}});
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kStartId) Speak(window);
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kStopId) g_speech->Call(method::kStopSpeaking);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  vx::SpeechLibraryNotify(vx::library_notice::kStart, reinterpret_cast<intptr_t>(&vx::RuntimeNotify), 0);
  SpeechObject speech;
  g_speech = &speech;
  SelectFirstVoice(speech);
  speech.Call(method::kSetVolume, {Int(50)});
  speech.Call(method::kSetRate, {Int(-3)});

  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"SpeakStandIn";
  if (!RegisterClassExW(&windowClass)) return 1;
  HWND window = CreateWindowExW(0, L"SpeakStandIn", L"Voxlet", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                CW_USEDEFAULT, 321, 398, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  const struct {
    const wchar_t* className;
    const wchar_t* caption;
    DWORD style;
    int id, left, top, width, height;
  } controls[] = {
      {L"EDIT", L"你好，世界。", ES_MULTILINE | WS_BORDER, kEditId, 8, 48, 280, 168},
      {L"BUTTON", L"开始", BS_PUSHBUTTON, kStartId, 208, 224, 80, 32},
      {L"BUTTON", L"停止", BS_PUSHBUTTON, kStopId, 208, 272, 80, 32},
  };
  for (const auto& control : controls) {
    CreateWindowExW(0, control.className, control.caption, WS_CHILD | WS_VISIBLE | control.style, control.left,
                    control.top, control.width, control.height, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
  }
  ShowWindow(window, show);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  g_speech = nullptr;
  return static_cast<int>(message.wParam);
}
