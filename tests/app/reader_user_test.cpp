// The reader as a user meets it: the release folder's voxlet.exe (or a copy of it)
// started for each scenario, read back through window messages, worked with real
// key and mouse input, and heard at the private PulseAudio sink the tests run with
// (tests/speech/audio_sink.sh). Every scenario ends by closing the window, which
// must end the program with exit code 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/reader_driver.h"
#include "tests/speech/sink_recording.h"
#include "tests/support/user_input.h"
#include "tests/support/wav_reader.h"

namespace vx::test {
namespace {

const std::wstring kInstructions =
    L"妈妈再也不用担心我不会英语或者国语怎么读啦。\r\n"
    L"--------------------------------------------\r\n"
    L"将需要阅读的内容粘贴到这个编辑框里面点击开始\r\n"
    L"--------------------------------------------\r\n"
    L"这里的语音还可以保存为文件分享给其他小伙伴们";

// Half a minute of speech or more, without a pause of a second in it.
const std::wstring kPassage =
    L"春天来了，花都开了，小鸟在树上唱歌。今天天气很好，我们一起去公园散步吧。"
    L"公园里有很多人，有的在跑步，有的在打太极拳，还有的在湖边钓鱼。"
    L"春天来了，花都开了，小鸟在树上唱歌。今天天气很好，我们一起去公园散步吧。"
    L"公园里有很多人，有的在跑步，有的在打太极拳，还有的在湖边钓鱼。";

constexpr size_t kSinkRate = 22050;  // samples per second at the sink

// How long the probe's pause takes, as with an engine whose pause waits for the
// device: long against the time between two clicks, and against the time the
// speech object takes to go at the exit.
constexpr DWORD kSlowPause = 200;

class ReaderUser : public ::testing::Test {
 protected:
  void Open(const std::wstring& exe = kReleaseReader, const std::wstring& arguments = L"") {
    reader_ = std::make_unique<Reader>(exe, arguments);
    ASSERT_NE(reader_->window(), nullptr) << "no reader window showed";
    ASSERT_TRUE(reader_->Complete()) << "the window lacks some of its units";
  }
  // The reader with its probes (reader_probe.cpp): events named in the record, and
  // the speech object's pause taking pauseDelay milliseconds.
  void OpenProbe(const TempFile& record, DWORD pauseDelay = 0) {
    Open(L"reader_probe.exe", L"\"" + record.path() + L"\" " + std::to_wstring(pauseDelay));
  }
  void TearDown() override {
    if (reader_ && reader_->window()) {
      EXPECT_EQ(reader_->Close(), 0u) << "closing the window";
    }
    for (const std::wstring& file : files_) DeleteFileW(file.c_str());
  }
  const ReaderUnits& u() const { return reader_->units(); }

  // What the control shows once it shows `expected`, or after a while.
  static std::wstring Shown(HWND control, const std::wstring& expected) {
    PumpUntil([&] { return TextOf(control) == expected; }, 3000);
    return TextOf(control);
  }
  bool Heard() const { return SinkHas(true, 400, 10000); }
  // Two seconds without a sound: longer than any pause inside the passage.
  bool Quiet() const { return SinkHas(false, 2000, 8000); }
  // Whether within timeoutMs a stretch of stretchMs at the sink is clearly speech
  // (or clearly silent); the sink records in real time, so samples are the clock.
  bool SinkHas(bool speech, DWORD stretchMs, DWORD timeoutMs) const {
    if (!sink_.usable()) {
      ADD_FAILURE() << "no audio device recording into the test sink (PULSE_SERVER)";
      return false;
    }
    const size_t stretch = kSinkRate * stretchMs / 1000;
    size_t from = sink_.Mark();
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; from += kSinkRate / 10) {
      if (!PumpUntil([&] { return sink_.Mark() >= from + stretch; }, stretchMs + 2000)) return false;
      double rms = sink_.RmsBetween(from, from + stretch);
      if (speech ? rms > kHeardRms : rms < kSilentRms) return true;
    }
    return false;
  }

  // A file name in the temp folder that no file holds yet, removed at the end.
  std::wstring FreshFile(const std::wstring& stem, const wchar_t* extension) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    files_.push_back(temp + stem + L"_" + std::to_wstring(GetCurrentProcessId()) + extension);
    DeleteFileW(files_.back().c_str());
    return files_.back();
  }
  std::wstring FreshWav(const std::wstring& stem) { return FreshFile(stem, L".wav"); }
  // 另存为, the name typed into the dialog, 保存; true once the window answers again.
  bool SaveAs(const std::wstring& path) {
    reader_->Click(u().saveAs);
    HWND dialog = reader_->WaitForDialog();
    return dialog && FinishFileDialog(dialog, path, true) && reader_->Answers(20000);
  }
  // An arrow key in the voice list chooses the voice above or below.
  bool ChooseVoice(WORD arrow, int expected) {
    if (!reader_->TabTo(u().voiceCombo)) return false;
    reader_->Press(arrow);
    return PumpUntil([&] { return ComboSelection(u().voiceCombo) == expected; });
  }
  // The text rendered by the release folder's voxlet-say at that volume and rate.
  WavFile SaidByVoxletSay(const std::wstring& text, int volume, int rate) {
    std::wstring textFile = FreshFile(L"vx_say_text", L".txt"), wav = FreshWav(L"vx_say");
    std::string utf8 = "\xEF\xBB\xBF" + std::string(text.size() * 3, '\0');
    utf8.resize(3 + WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data() + 3,
                                        static_cast<int>(text.size() * 3), nullptr, nullptr));
    HANDLE file = CreateFileW(textFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    CloseHandle(file);
    Program say(L"..\\release\\voxlet-say.exe", L"--volume " + std::to_wstring(volume) + L" --rate " +
                                                    std::to_wstring(rate) + L" --wav \"" + wav + L"\" \"" + textFile +
                                                    L"\"");
    EXPECT_EQ(say.WaitForExit(60000), 0u) << "voxlet-say";
    return ReadWav(wav);
  }
  // The screen's colour at a client point of the control, once it is `expected`
  // (painting comes a little later), or whatever is there after a while.
  static COLORREF PixelOnceShown(HWND control, POINT client, COLORREF expected) {
    ClientToScreen(control, &client);
    COLORREF colour = CLR_INVALID;
    PumpUntil(
        [&] {
          HDC screen = GetDC(nullptr);
          colour = GetPixel(screen, client.x, client.y);
          ReleaseDC(nullptr, screen);
          return colour == expected;
        },
        3000);
    return colour;
  }

  SinkRecording sink_;
  std::unique_ptr<Reader> reader_;
  std::vector<std::wstring> files_;
};

TEST_F(ReaderUser, StartsCentredWithTheInstructionsTheVoicesAndTheSettings) {
  Open();
  EXPECT_EQ(TextOf(reader_->window()), L"Voxlet");
  RECT rect;
  GetWindowRect(reader_->window(), &rect);
  EXPECT_EQ(rect.right - rect.left, 321);
  EXPECT_EQ(rect.bottom - rect.top, 398);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 321) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 398) / 2);
  EXPECT_EQ(TextOf(u().text), kInstructions);
  EXPECT_EQ(ComboItems(u().voiceCombo), (std::vector<std::wstring>{L"eSpeak NG 中文（普通话）", L"eSpeak NG 英语"}));
  EXPECT_EQ(ComboSelection(u().voiceCombo), 0);
  EXPECT_EQ(TextOf(u().volumeLabel), L"音量: 50%");
  EXPECT_EQ(TextOf(u().rateLabel), L"语速: 35%");
  EXPECT_EQ(SliderPosition(u().volumeSlider), 25);
  EXPECT_EQ(SliderPosition(u().rateSlider), 8);
  EXPECT_EQ(ProgressPosition(u().volumeProgress), 25);
  EXPECT_EQ(ProgressPosition(u().rateProgress), 7);
  EXPECT_FALSE(IsWindowEnabled(u().volumeProgress));
  EXPECT_FALSE(IsWindowEnabled(u().rateProgress));
  EXPECT_FALSE(IsWindowVisible(u().dialogUnit));
  // Every tab order is 0, so the first unit of the template takes the focus.
  EXPECT_TRUE(PumpUntil([&] { return reader_->Focus() == u().startPause; })) << "the focus is elsewhere";
  // The look of style 3 took the buttons over: inside the face-coloured edge, its frame.
  RECT button;
  GetClientRect(u().stop, &button);
  EXPECT_EQ(PixelOnceShown(u().stop, {1, button.bottom / 2}, RGB(0, 60, 116)), RGB(0, 60, 116));
}

// At start-up the handlers run through the window's Created event alone: writing
// the voice list's selection and the sliders' positions from the template raise no
// event. A slider moved afterwards does, so the probe sees events.
TEST_F(ReaderUser, AtStartUpOnlyTheWindowRaisesAnEvent) {
  TempFile record(L"vx_reader_probe");
  OpenProbe(record);
  ASSERT_TRUE(reader_->TabTo(u().volumeSlider));
  reader_->Press(VK_END);
  ASSERT_EQ(Shown(u().volumeLabel, L"音量: 100%"), L"音量: 100%");
  std::istringstream lines(record.Contents());
  std::vector<std::string> events;
  for (std::string event; std::getline(lines, event);) {
    if (event != "onEditFocused") events.push_back(event);  // the tabs may pass the text box
  }
  EXPECT_EQ(events, (std::vector<std::string>{"onWindowCreated", "onVolumeChanged"}));
}

TEST_F(ReaderUser, SlidersAtTheirEndsByKeyboardAndMouseSetLabelAndProgress) {
  enum Move { kHome, kEnd, kMouseLeft, kMouseRight };
  struct Row {
    bool volume;
    Move move;
    int position;
    int progress;
    const wchar_t* label;
  };
  // Each row moves its slider away from where the row before left it.
  const Row rows[] = {
      {true, kHome, 1, 1, L"音量: 2%"},       {true, kMouseRight, 50, 50, L"音量: 100%"},
      {true, kMouseLeft, 1, 1, L"音量: 2%"},  {true, kEnd, 50, 50, L"音量: 100%"},
      {false, kMouseLeft, 1, 0, L"语速: 0%"}, {false, kEnd, 21, 20, L"语速: 100%"},
      {false, kHome, 1, 0, L"语速: 0%"},      {false, kMouseRight, 21, 20, L"语速: 100%"},
  };
  Open();
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << (row.volume ? "volume" : "rate") << " slider, move " << row.move);
    HWND slider = row.volume ? u().volumeSlider : u().rateSlider;
    if (row.move == kHome || row.move == kEnd) {
      ASSERT_TRUE(reader_->TabTo(slider));
      reader_->Press(row.move == kHome ? VK_HOME : VK_END);
    } else {
      // Held on the track beside its end, the thumb pages there.
      RECT client;
      GetClientRect(slider, &client);
      POINT at = {row.move == kMouseLeft ? 9 : client.right - 9, client.bottom / 3};
      EXPECT_TRUE(reader_->HoldMouse(slider, at, [&] { return SliderPosition(slider) == row.position; }));
    }
    EXPECT_EQ(Shown(row.volume ? u().volumeLabel : u().rateLabel, row.label), row.label);
    EXPECT_EQ(SliderPosition(slider), row.position);
    EXPECT_EQ(ProgressPosition(row.volume ? u().volumeProgress : u().rateProgress), row.progress);
  }
}

// Each row pastes its text (if any), acts, and then checks what is heard and,
// once the press has had its effect there, the start/pause button's caption.
TEST_F(ReaderUser, StartPausesResumesAndStopSpeakTheTextAsTheCaptionSays) {
  const std::wstring kSpaces = L"  \x3000 \x3000 ";  // ASCII and full-width
  const std::wstring kBreaks = L"\r\n\t\r\n\t";
  enum Action { kStartPause, kStop, kNextVoice };
  struct Row {
    const char* what;
    const std::wstring* pasted;  // over the text before the action, or null
    Action action;
    const wchar_t* caption;  // of the start/pause button afterwards
    bool heard;              // speech at the sink afterwards, else silence
  };
  const Row rows[] = {
      {"the first press speaks", &kPassage, kStartPause, L"开始", true},
      {"only spaces while speaking: nothing happens", &kSpaces, kStartPause, L"开始", true},
      {"the next press pauses", &kPassage, kStartPause, L"开始", false},
      {"the next resumes", nullptr, kStartPause, L"暂停", true},
      {"停止 stops", nullptr, kStop, L"暂停", false},
      {"a press after stopping speaks anew", nullptr, kStartPause, L"暂停", true},
      {"pause again", nullptr, kStartPause, L"开始", false},
      {"stop while paused", nullptr, kStop, L"开始", false},
      {"start: the new speech waits, paused", nullptr, kStartPause, L"开始", false},
      {"the first toggle resumes", nullptr, kStartPause, L"暂停", true},
      {"pause once more", nullptr, kStartPause, L"开始", false},
      {"only spaces: still paused", &kSpaces, kStartPause, L"开始", false},
      {"line breaks and tabs are text: the toggle resumes", &kBreaks, kStartPause, L"暂停", true},
      {"pause before choosing a voice", nullptr, kStartPause, L"开始", false},
      {"another voice while paused: silence", nullptr, kNextVoice, L"开始", false},
      {"start: the new voice's speech waits, paused", &kPassage, kStartPause, L"开始", false},
      {"the toggle resumes in the new voice", nullptr, kStartPause, L"暂停", true},
  };
  Open();
  ASSERT_GE(ComboItems(u().voiceCombo).size(), 2u);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    if (row.pasted) {
      ASSERT_TRUE(reader_->Paste(*row.pasted));
    }
    if (row.action == kNextVoice) {
      ASSERT_TRUE(ChooseVoice(VK_DOWN, 1));
    } else {
      reader_->Click(row.action == kStop ? u().stop : u().startPause);
    }
    EXPECT_TRUE(row.heard ? Heard() : Quiet()) << (row.heard ? "no speech at the sink" : "not silent");
    EXPECT_EQ(TextOf(u().startPause), row.caption);
  }
}

TEST_F(ReaderUser, AnotherVoiceStopsTheSpeechAndSpeaksWhatFollows) {
  Open();
  ASSERT_GE(ComboItems(u().voiceCombo).size(), 2u);
  ASSERT_TRUE(reader_->Paste(kPassage));
  std::wstring first = FreshWav(L"vx_first_voice"), second = FreshWav(L"vx_second_voice"),
               firstAgain = FreshWav(L"vx_first_voice_again");
  ASSERT_TRUE(SaveAs(first));
  reader_->Click(u().startPause);
  ASSERT_TRUE(Heard());
  ASSERT_TRUE(ChooseVoice(VK_DOWN, 1));
  EXPECT_TRUE(Quiet()) << "choosing a voice stops the speech";
  ASSERT_TRUE(SaveAs(second));
  reader_->Click(u().startPause);
  EXPECT_TRUE(Heard()) << "the second voice speaks";
  ASSERT_TRUE(ChooseVoice(VK_UP, 0));
  EXPECT_TRUE(Quiet());
  ASSERT_TRUE(SaveAs(firstAgain));
  // Each voice takes its own time over the same text (eSpeak's voices are not
  // sample for sample the same from one rendering to the next).
  double one = ReadWav(first).Seconds(), other = ReadWav(second).Seconds(), oneAgain = ReadWav(firstAgain).Seconds();
  ASSERT_GT(one, 20.0);
  EXPECT_GT(std::abs(other / one - 1), 0.2) << one << " s against " << other << " s";
  EXPECT_LT(std::abs(oneAgain / one - 1), 0.02) << one << " s against " << oneAgain << " s";
}

// Run by saved_speech_check.sh, which then reads the file with sox.
TEST_F(ReaderUser, SaveAsWritesTheTextAsAWavFile) {
  Open();
  ASSERT_TRUE(reader_->Paste(L"你好，世界。今天天气很好，我们一起去公园散步吧。"));
  reader_->Click(u().saveAs);
  HWND dialog = reader_->WaitForDialog();
  ASSERT_NE(dialog, nullptr);
  FileDialogSeen seen = SeeFileDialog(dialog);
  EXPECT_EQ(seen.title, L"保存文件");
  EXPECT_EQ(seen.fileType, L"声音文件格式(*.wav)");
  std::wstring cancelled = FreshWav(L"vx_cancelled");
  ASSERT_TRUE(FinishFileDialog(dialog, cancelled, false));
  EXPECT_EQ(GetFileAttributesW(cancelled.c_str()), INVALID_FILE_ATTRIBUTES) << "cancelling wrote a file";

  // Typed without its extension, the name gets ".wav".
  std::wstring saved = TestFolder() + L"\\reader_saved";
  DeleteFileW((saved + L".wav").c_str());
  ASSERT_TRUE(SaveAs(saved));
  WavFile wav = ReadWav(saved + L".wav");
  EXPECT_TRUE(wav.valid);
  EXPECT_GT(wav.Seconds(), 1.0);

  // The next dialog opens in the program directory, not where the file went.
  reader_->Click(u().saveAs);
  dialog = reader_->WaitForDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(SeeFileDialog(dialog).folder, L"release");
  EXPECT_TRUE(FinishFileDialog(dialog, L"", false));
}

TEST_F(ReaderUser, SavingWhileSpeakingOrPausedKeepsTheWindowAnsweringAndTheSpeech) {
  Open();
  ASSERT_TRUE(reader_->Paste(kPassage));
  reader_->Click(u().startPause);
  ASSERT_TRUE(Heard());
  for (bool paused : {false, true}) {
    SCOPED_TRACE(paused ? "paused" : "speaking");
    if (paused) {
      reader_->Click(u().startPause);
      ASSERT_TRUE(Quiet());
    }
    std::wstring file = FreshWav(paused ? L"vx_saved_paused" : L"vx_saved_speaking");
    ASSERT_TRUE(SaveAs(file)) << "the window stopped answering";
    EXPECT_GT(ReadWav(file).Seconds(), 20.0);
    EXPECT_TRUE(paused ? Quiet() : Heard()) << "the speech went on as it was";
  }
  reader_->Click(u().startPause);
  EXPECT_EQ(Shown(u().startPause, L"暂停"), L"暂停");
  EXPECT_TRUE(Heard()) << "resumed after saving";
}

TEST_F(ReaderUser, FocusingTheInstructionsSelectsThemAllUntilTheyChange) {
  Open();
  const int length = static_cast<int>(kInstructions.size());
  for (int time = 1; time <= 2; ++time) {
    SCOPED_TRACE(time);
    ASSERT_TRUE(reader_->TabTo(u().text));
    EXPECT_EQ(Selection(u().text), std::make_pair(0, length));
    ASSERT_TRUE(reader_->TabTo(u().stop));
  }
  ASSERT_TRUE(reader_->TabTo(u().text));
  reader_->Press(VK_END, VK_CONTROL);
  reader_->Press('X');
  ASSERT_EQ(Shown(u().text, kInstructions + L"x"), kInstructions + L"x");
  ASSERT_TRUE(reader_->TabTo(u().stop));
  ASSERT_TRUE(reader_->TabTo(u().text));
  EXPECT_EQ(Selection(u().text), std::make_pair(length + 1, length + 1));
}

TEST_F(ReaderUser, WithoutSpeechDataTheCaptionSaysSoAndTheSettingsStillWork) {
  // A copy of the release folder without its espeak-ng-data; Wine's speech API
  // cannot speak either.
  std::wstring folder = TestFolder() + L"\\reader_without_speech_data";
  CreateDirectoryW(folder.c_str(), nullptr);
  files_.push_back(folder + L"\\voxlet.exe");
  ASSERT_TRUE(CopyFileW((TestFolder() + L"\\" + kReleaseReader).c_str(), files_.back().c_str(), FALSE));
  Open(L"reader_without_speech_data\\voxlet.exe");
  EXPECT_EQ(TextOf(reader_->window()), L"目前无法工作（通常是因为没有安装 MS Speech SDK 5.1）");
  EXPECT_TRUE(ComboItems(u().voiceCombo).empty());
  EXPECT_EQ(ComboSelection(u().voiceCombo), -1);
  EXPECT_EQ(TextOf(u().volumeLabel), L"音量: 50%");
  ASSERT_TRUE(reader_->TabTo(u().volumeSlider));
  reader_->Press(VK_END);
  EXPECT_EQ(Shown(u().volumeLabel, L"音量: 100%"), L"音量: 100%");
  EXPECT_EQ(ProgressPosition(u().volumeProgress), 50);
  // A press of 开始 (the focus moves to it once the click arrived) speaks nothing,
  // and the window goes on as it was.
  reader_->Click(u().startPause);
  ASSERT_TRUE(PumpUntil([&] { return reader_->Focus() == u().startPause; })) << "the click did not arrive";
  EXPECT_TRUE(Quiet()) << "something spoke";
  EXPECT_TRUE(reader_->Answers(5000));
  EXPECT_EQ(TextOf(u().startPause), L"开始");
  EXPECT_EQ(TextOf(reader_->window()), L"目前无法工作（通常是因为没有安装 MS Speech SDK 5.1）");
}

// The pause and resume of twenty clicks, each on a thread of its own, as fast as
// input goes, with pauses that take a while: they take effect in click order, so
// the caption, the sound and the next click's action agree.
TEST_F(ReaderUser, TwentyQuickTogglesEndAsTheCaptionSays) {
  TempFile record(L"vx_reader_probe");
  OpenProbe(record, kSlowPause);
  ASSERT_TRUE(reader_->Paste(kPassage));
  reader_->Click(u().startPause);
  ASSERT_TRUE(Heard());
  reader_->ClickQuickly(u().startPause, 20);
  PumpFor(20 * kSlowPause);  // every routine has acted by now, even one after another
  EXPECT_TRUE(Heard()) << "paused although the caption says running";
  EXPECT_EQ(TextOf(u().startPause), L"暂停");
  reader_->Click(u().startPause);
  EXPECT_TRUE(Quiet()) << "the next click did not pause";
  EXPECT_EQ(TextOf(u().startPause), L"开始");
}

// Clicks followed at once by closing, with pauses that take a while: the pause and
// resume routines still to act must not meet a speech object that is gone. Run
// under Wine's heap checking by reader_heap_check.sh.
TEST_F(ReaderUser, ClosingAtOnceAfterQuickTogglesEndsWithZero) {
  for (int clicks : {1, 20}) {
    SCOPED_TRACE(testing::Message() << clicks << " clicks");
    TempFile record(L"vx_reader_probe");
    OpenProbe(record, kSlowPause);
    ASSERT_TRUE(reader_->Paste(kPassage));
    reader_->Click(u().startPause);
    ASSERT_TRUE(Heard());
    reader_->ClickQuickly(u().startPause, clicks, true);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(reader_->window()); }, 5000)) << "Alt+F4 did not close it";
    EXPECT_EQ(reader_->Close(), 0u);
    reader_.reset();
  }
}

// Saved with the sliders at their ends, the text is what voxlet-say makes at the
// volume and rate the sliders stand for: slider 1 and 50 give volume 2 and 100,
// slider 1 and 21 rate -10 and 10 (the rate starts at -3, slider 8).
TEST_F(ReaderUser, SavedSpeechFollowsTheSlidersAtTheirEnds) {
  const std::wstring kText = L"你好，世界。今天天气很好。";
  struct Row {
    bool volume;  // the volume slider, else the rate slider
    WORD key;
    const wchar_t* label;
    int engineVolume, engineRate;
  };
  const Row rows[] = {{true, VK_HOME, L"音量: 2%", 2, -3},
                      {true, VK_END, L"音量: 100%", 100, -3},
                      {false, VK_HOME, L"语速: 0%", 100, -10},
                      {false, VK_END, L"语速: 100%", 100, 10}};
  Open();
  ASSERT_TRUE(reader_->Paste(kText));
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "volume " << row.engineVolume << ", rate " << row.engineRate);
    ASSERT_TRUE(reader_->TabTo(row.volume ? u().volumeSlider : u().rateSlider));
    reader_->Press(row.key);
    ASSERT_EQ(Shown(row.volume ? u().volumeLabel : u().rateLabel, row.label), row.label);
    std::wstring saved = FreshWav(L"vx_slider_end");
    ASSERT_TRUE(SaveAs(saved));
    WavFile wav = ReadWav(saved), expected = SaidByVoxletSay(kText, row.engineVolume, row.engineRate);
    ASSERT_TRUE(wav.valid && expected.valid);
    EXPECT_NEAR(wav.Seconds(), expected.Seconds(), expected.Seconds() * 0.01);
    EXPECT_NEAR(wav.Rms(), expected.Rms(), expected.Rms() * 0.02);
  }
}

TEST_F(ReaderUser, ClosingEndsWithZeroAndSilenceWhetherIdleSpeakingOrPaused) {
  for (int presses : {0, 1, 2}) {
    SCOPED_TRACE(testing::Message() << presses << " presses of 开始");
    Open();
    if (presses > 0) {
      ASSERT_TRUE(reader_->Paste(kPassage));
      reader_->Click(u().startPause);
      ASSERT_TRUE(Heard());
    }
    if (presses > 1) reader_->Click(u().startPause);
    EXPECT_EQ(reader_->Close(), 0u);
    reader_.reset();
    EXPECT_TRUE(Quiet());
  }
}

// Registered to run with VOXLET_LANG=en_US.UTF-8: Wine then gives the programs the
// ANSI code page 1252 and an English interface language.
TEST_F(ReaderUser, UnderAnEnglishSystemShowsAndSpeaksChinese) {
  ASSERT_EQ(GetACP(), 1252u) << "not run under an English locale";
  Open();
  std::vector<std::wstring> texts;
  for (HWND child : ChildrenOf(reader_->window())) texts.push_back(TextOf(child));
  for (const wchar_t* expected : {L"语音库", L"设置", L"开始", L"停止", L"另存为", L"音量: 50%", L"语速: 35%"}) {
    EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << "no unit shows " << expected;
  }
  EXPECT_EQ(TextOf(u().text), kInstructions);
  EXPECT_EQ(TextOf(reader_->window()), L"Voxlet");
  ASSERT_TRUE(reader_->Paste(kPassage));
  reader_->Click(u().startPause);
  EXPECT_TRUE(Heard());
}

}  // namespace
}  // namespace vx::test
