// The reader: the nine handlers bound in its window template and the two thread
// routines. Every step goes through the runtime's helper table, as compiled code
// does: properties by unit and index, commands and methods with typed arguments,
// and the texts it receives freed once used.
#include "app/reader_handlers.h"

#include <windows.h>

#include <cstdint>

#include "app/reader_calls.h"
#include "app/reader_constants.h"
#include "app/reader_libraries.h"
#include "app/reader_state.h"
#include "app/reader_window.h"
#include "app/toggle_order.h"
#include "commands/control_look/set_control_look.h"
#include "commands/core/core_commands.h"
#include "commands/core/expression.h"
#include "commands/thread/thread_commands.h"
#include "speech/speech_unit.h"
#include "units/button/button_data.h"
#include "units/combo_box/combo_box_data.h"
#include "units/combo_box/combo_box_methods.h"
#include "units/common_dialog/common_dialog_data.h"
#include "units/common_dialog/common_dialog_methods.h"
#include "units/edit_box/edit_box_data.h"
#include "units/label/label_data.h"
#include "units/progress_bar/progress_bar_data.h"
#include "units/slider_bar/slider_bar_data.h"
#include "units/window/window_data.h"

namespace voxlet {
namespace {

using vx::MDATA;
namespace unit = reader_unit;

ToggleOrder& Toggles() {
  static ToggleOrder order;
  return order;
}

// The thread routines of the start/pause button: each calls the speech object's
// method in its click's turn, and ends.
DWORD WINAPI PauseWorker(void*) {
  Toggles().Act(ToggleOrder::kPause, [] { CallSpeech(vx::SpeechPauseSpeaking); });
  return 0;
}

DWORD WINAPI ResumeWorker(void*) {
  Toggles().Act(ToggleOrder::kResume, [] { CallSpeech(vx::SpeechResumeSpeaking); });
  return 0;
}

// Starts the click's routine on a thread of its own, which fills in the handle
// variable. Without a thread the routine runs here, still in the click's turn.
void StartToggle(ToggleOrder::Kind kind, LPTHREAD_START_ROUTINE routine, const MDATA& handleVariable) {
  Toggles().TakeTurn(kind);
  MDATA started =
      CallLibrary(kThreadLibrary, vx::StartThreadCommand,
                  {Pointer(reinterpret_cast<void*>(routine), vx::type::kSubroutine), Omitted(), handleVariable});
  if (started.intValue == 0) routine(nullptr);
}

int64_t Truncate(double value) { return vx::TruncateToInt64(value); }

// "prefix" + the number's text + "%".
void ShowPercentage(uint32_t label, const char* prefix, double percentage) {
  OwnedText number(CallCore(vx::ToTextCommand, {Double(percentage)}).text);
  const char* pieces[] = {prefix, number.get(), Constants().percentSuffix};
  OwnedText joined(vx::JoinTexts(Runtime(), 3, pieces));
  WriteText(label, vx::label_property::kCaption, joined.get());
}

void FreeTextArray(int32_t* array) {
  if (!array) return;
  auto** texts = reinterpret_cast<char**>(vx::ArrayElements(array));
  for (int64_t i = 0, n = vx::ElementCount(array); i < n; ++i) Runtime().free(texts[i]);
  Runtime().free(array);
}

}  // namespace

int64_t OnVolumeChanged(const vx::EventArguments&) {
  int32_t position = ReadInteger(unit::kVolumeSlider, vx::slider_bar_property::kPosition);
  CallSpeech(vx::SpeechSetVolume, {Integer(static_cast<int32_t>(Truncate(position * kVolumeFactor)))});
  WriteInteger(unit::kVolumeProgress, vx::progress_bar_property::kPosition,
               ReadInteger(unit::kVolumeSlider, vx::slider_bar_property::kPosition));
  int32_t shown = ReadInteger(unit::kVolumeProgress, vx::progress_bar_property::kPosition);
  ShowPercentage(unit::kVolumeLabel, Constants().volumePrefix, shown * kVolumeFactor);
  return 0;
}

int64_t OnRateChanged(const vx::EventArguments&) {
  int32_t position = ReadInteger(unit::kRateSlider, vx::slider_bar_property::kPosition);
  auto rate = static_cast<int32_t>(Truncate(ReaderState().rateBase + position - kRateStep));
  CallSpeech(vx::SpeechSetRate, {Integer(rate)});
  WriteInteger(unit::kRateProgress, vx::progress_bar_property::kPosition,
               static_cast<int32_t>(Truncate(rate + kRateShift)));
  int32_t shown = ReadInteger(unit::kRateProgress, vx::progress_bar_property::kPosition);
  ShowPercentage(unit::kRateLabel, Constants().ratePrefix, shown * kRatePercentFactor);
  return 0;
}

int64_t OnWindowCreated(const vx::EventArguments& none) {
  ReaderGlobals& state = ReaderState();
  auto* voices = static_cast<int32_t*>(Runtime().allocate(2 * sizeof(int32_t)));
  voices[0] = 1;  // one dimension of no elements
  voices[1] = 0;
  CallLibrary(kControlLookLibrary, vx::SetControlLook, {Integer(kControlLookStyle)});
  WriteText(unit::kTextEdit, vx::edit_box_property::kContent, Constants().instructionText);
  CallSpeech(vx::SpeechReinitialize);
  int32_t* listed = CallSpeech(vx::SpeechListVoices).block;
  FreeTextArray(voices);
  voices = listed;

  int64_t count = vx::ElementCount(voices);
  for (int64_t i = 1; i <= count; ++i) {
    vx::CheckSubscript(Runtime(), i, count);
    const char* name = reinterpret_cast<char**>(vx::ArrayElements(voices))[i - 1];
    CallCore(vx::ComboBoxAddItem, {UnitRef(unit::kVoiceCombo, kComboBoxType), Text(name), Omitted()});
  }
  WriteInteger(unit::kVoiceCombo, vx::combo_box_property::kCurrentSelection, 0);
  int32_t selected = ReadInteger(unit::kVoiceCombo, vx::combo_box_property::kCurrentSelection);
  {
    OwnedText voice(
        CallCore(vx::ComboBoxGetItemText, {UnitRef(unit::kVoiceCombo, kComboBoxType), Integer(selected)}).text);
    CallSpeech(vx::SpeechSelectVoice, {Text(voice.get())});
  }
  if (CallSpeech(vx::SpeechIsAvailable).intValue == 0) {
    WriteText(unit::kWindow, vx::window_property::kCaption, Constants().engineMissingMessage);
  }
  state.rateBase = kRateBaseValue;
  OnVolumeChanged(none);
  OnRateChanged(none);
  FreeTextArray(voices);
  return 0;
}

int64_t OnStartPauseClicked(const vx::EventArguments&) {
  ReaderGlobals& state = ReaderState();
  {
    OwnedText content = ReadText(unit::kTextEdit, vx::edit_box_property::kContent);
    OwnedText stripped(CallCore(vx::RemoveAllSpacesCommand, {Text(content.get())}).text);
    if (vx::CompareTexts(stripped.get(), "") == 0) return 0;
  }
  int32_t thread = 0;  // the handle variable the start-thread command fills in
  MDATA handleVariable = Pointer(&thread, vx::type::kInt);
  if (state.speechState == kStreamStarted) {
    if ((state.pausedFlag & 1) == 0) {
      state.pausedFlag = 1;
      StartToggle(ToggleOrder::kPause, &PauseWorker, handleVariable);
      WriteText(unit::kStartPauseButton, vx::button_property::kCaption, Constants().startCaption);
    } else {
      state.pausedFlag = 0;
      StartToggle(ToggleOrder::kResume, &ResumeWorker, handleVariable);
      WriteText(unit::kStartPauseButton, vx::button_property::kCaption, Constants().pauseCaption);
    }
  } else {
    OwnedText content = ReadText(unit::kTextEdit, vx::edit_box_property::kContent);
    CallSpeech(vx::SpeechSpeakText, {Integer(kSpeakPlainText), Text(content.get() ? content.get() : ""), Omitted(),
                                     UnitRef(unit::kVoiceLabel, kLabelType)});
  }
  CallLibrary(kThreadLibrary, vx::CloseHandleCommand, {Integer(thread)});
  return 0;
}

void WaitForPauseAndResume() { Toggles().WaitUntilAllActed(); }

int64_t OnStopClicked(const vx::EventArguments&) {
  CallSpeech(vx::SpeechStopSpeaking);
  return 0;
}

int64_t OnVoiceChosen(const vx::EventArguments&) {
  CallSpeech(vx::SpeechStopSpeaking);
  int32_t selected = ReadInteger(unit::kVoiceCombo, vx::combo_box_property::kCurrentSelection);
  OwnedText voice(
      CallCore(vx::ComboBoxGetItemText, {UnitRef(unit::kVoiceCombo, kComboBoxType), Integer(selected)}).text);
  CallSpeech(vx::SpeechSelectVoice, {Text(voice.get())});
  return 0;
}

int64_t OnSaveAsClicked(const vx::EventArguments&) {
  WriteText(unit::kSaveDialog, vx::common_dialog_property::kFilter, Constants().wavFilter);
  WriteText(unit::kSaveDialog, vx::common_dialog_property::kDefaultExtension, Constants().wavExtension);
  if (CallCore(vx::CommonDialogOpen, {UnitRef(unit::kSaveDialog, kCommonDialogType)}).intValue == 0) return 0;
  {
    OwnedText directory(CallCore(vx::ProgramDirectoryCommand, {}).text);
    WriteText(unit::kSaveDialog, vx::common_dialog_property::kInitialDirectory, directory.get());
  }
  OwnedText content = ReadText(unit::kTextEdit, vx::edit_box_property::kContent);
  OwnedText fileName = ReadText(unit::kSaveDialog, vx::common_dialog_property::kFileName);
  CallSpeech(vx::SpeechSpeakToWaveFile, {Integer(kSpeakPlainText), Text(content.get() ? content.get() : ""),
                                         Text(fileName.get() ? fileName.get() : "")});
  return 0;
}

int64_t OnEditFocused(const vx::EventArguments&) {
  bool instructions;
  {
    OwnedText content = ReadText(unit::kTextEdit, vx::edit_box_property::kContent);
    instructions = vx::CompareTexts(content.get(), Constants().instructionText) == 0;
  }
  if (instructions) WriteInteger(unit::kTextEdit, vx::edit_box_property::kSelLength, kSelectAll);
  return 0;
}

int64_t OnSpeechFeedback(const vx::EventArguments& arguments) {
  ReaderState().speechState = arguments.Int(0);
  return 0;
}

const vx::ProgramHandler* ReaderHandlers() {
  // OnSpeechFeedback returns nothing: the label's Feedback message then answers 0.
  static const vx::ProgramHandler kHandlers[kReaderHandlerCount] = {
      {OnWindowCreated, false}, {OnStartPauseClicked, false}, {OnStopClicked, false},
      {OnSaveAsClicked, false}, {OnVolumeChanged, false},     {OnRateChanged, false},
      {OnVoiceChosen, false},   {OnEditFocused, false},       {OnSpeechFeedback, false},
  };
  return kHandlers;
}

}  // namespace voxlet
