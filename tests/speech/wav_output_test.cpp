#include <gtest/gtest.h>

#include <string>

#include "speech/platform/espeak/spoken_text.h"
#include "tests/speech/speech_fixture.h"

namespace vx::test {
namespace {

using WavOutputTest = SpeechFixture;

const wchar_t kHelloWorld[] = L"你好，世界";

TEST_F(WavOutputTest, HelloWorldIsAudibleRiffWaveInTheNormalFormat) {
  WavFile wav = Render(kHelloWorld);
  ASSERT_TRUE(wav.valid);
  EXPECT_EQ(wav.sampleRate, 22050u);
  EXPECT_EQ(wav.bitsPerSample, 16);
  EXPECT_EQ(wav.channels, 1);
  EXPECT_GT(wav.Seconds(), 0.8);
  EXPECT_LT(wav.Seconds(), 4.0);
  EXPECT_GT(wav.Rms(), 500);
}

TEST_F(WavOutputTest, TheCurrentOutputReportsTheNormalFormat) {
  std::shared_ptr<OutputStream> output;
  ASSERT_EQ(voice_->GetOutputStream(&output), S_OK);
  GUID formatId;
  WAVEFORMATEX format;
  ASSERT_EQ(output->GetFormat(&formatId, &format), S_OK);
  EXPECT_TRUE(IsEqualGUID(formatId, kWaveFormatExFormatId));
  EXPECT_EQ(format.wFormatTag, WAVE_FORMAT_PCM);
  EXPECT_EQ(format.nSamplesPerSec, 22050u);
  EXPECT_EQ(format.wBitsPerSample, 16);
  EXPECT_EQ(format.nChannels, 1);
  EXPECT_EQ(format.nBlockAlign, 2);
  EXPECT_EQ(format.nAvgBytesPerSec, 44100u);
}

TEST_F(WavOutputTest, AnExistingFileIsReplaced) {
  std::wstring path = Path(L"old.wav");
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  std::string junk(4 << 20, 'x');
  DWORD written = 0;
  WriteFile(file, junk.data(), static_cast<DWORD>(junk.size()), &written, nullptr);
  CloseHandle(file);

  ASSERT_EQ(SpeakToFile(kHelloWorld, path), S_OK);
  WavFile wav = ReadWav(path);
  ASSERT_TRUE(wav.valid) << "the sizes in the header match the file, so nothing old is left";
  EXPECT_GT(wav.Rms(), 500);
}

TEST_F(WavOutputTest, AMissingFolderFailsAndLeavesTheOutputAlone) {
  std::shared_ptr<OutputStream> before;
  voice_->GetOutputStream(&before);
  std::shared_ptr<OutputStream> file;
  EXPECT_TRUE(FAILED(BindFile(Path(L"missing\\a.wav"), &file)));
  EXPECT_FALSE(file);
  std::shared_ptr<OutputStream> after;
  voice_->GetOutputStream(&after);
  EXPECT_EQ(before, after);

  WavFile wav = Render(kHelloWorld);
  EXPECT_TRUE(wav.valid);
  EXPECT_GT(wav.Rms(), 500);
}

TEST_F(WavOutputTest, AChineseFileNameWorks) {
  std::wstring path = Path(L"语音输出.wav");
  ASSERT_EQ(SpeakToFile(kHelloWorld, path), S_OK);
  WavFile wav = ReadWav(path);
  EXPECT_TRUE(wav.valid);
  EXPECT_GT(wav.Seconds(), 0.8);
}

TEST_F(WavOutputTest, VolumeScalesTheAmplitudeAndZeroIsSilence) {
  double full = Render(kHelloWorld).Rms();
  ASSERT_EQ(voice_->SetVolume(50), S_OK);
  double half = Render(kHelloWorld).Rms();
  ASSERT_EQ(voice_->SetVolume(0), S_OK);
  WavFile silent = Render(kHelloWorld);
  EXPECT_NEAR(half / full, 0.5, 0.02);
  EXPECT_GT(silent.Seconds(), 0.8);
  EXPECT_EQ(silent.Rms(), 0);
  EXPECT_EQ(voice_->SetVolume(101), E_INVALIDARG);
}

TEST_F(WavOutputTest, MarkupIsReadAsItsText) {
  WavFile plain = Render(kHelloWorld);
  ExpectSameLength(Render(L"<volume level=\"100\">你好</volume>，世界", kSpeakIsXml), plain);
}

// A text file is UTF-16 by its mark (little- or big-endian), UTF-8 (marked or not)
// when it is valid UTF-8, else GBK, the program's own encoding. A file over the
// largest size is refused.
TEST_F(WavOutputTest, AFileNameIsReadAsItsContentsInItsEncoding) {
  struct Case {
    const char* encoding;
    std::string bytes;
  };
  const Case cases[] = {
      {"UTF-8", "\xE4\xBD\xA0\xE5\xA5\xBD\xEF\xBC\x8C\xE4\xB8\x96\xE7\x95\x8C"},
      {"UTF-8 with its mark", "\xEF\xBB\xBF\xE4\xBD\xA0\xE5\xA5\xBD\xEF\xBC\x8C\xE4\xB8\x96\xE7\x95\x8C"},
      {"GBK", "\xC4\xE3\xBA\xC3\xA3\xAC\xCA\xC0\xBD\xE7"},
      {"UTF-16", std::string("\xFF\xFE\x60\x4F\x7D\x59\x0C\xFF\x16\x4E\x4C\x75", 12)},
      {"UTF-16 big-endian", std::string("\xFE\xFF\x4F\x60\x59\x7D\xFF\x0C\x4E\x16\x75\x4C", 12)},
  };
  WavFile plain = Render(kHelloWorld);  // 你好，世界
  std::wstring text = Path(L"text.txt");
  for (const Case& c : cases) {
    HANDLE file = CreateFileW(text.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, c.bytes.data(), static_cast<DWORD>(c.bytes.size()), &written, nullptr);
    CloseHandle(file);
    WavFile spoken = Render(text, kSpeakIsFilename);
    EXPECT_NEAR(spoken.Seconds(), plain.Seconds(), plain.Seconds() * kLengthTolerance) << c.encoding;
  }
  EXPECT_TRUE(FAILED(voice_->Speak(Path(L"none.txt").c_str(), kSpeakIsFilename, nullptr)));

  HANDLE file = CreateFileW(text.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  LARGE_INTEGER size;
  size.QuadPart = espeak::kLargestTextFile + 1;
  ASSERT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file));
  CloseHandle(file);
  EXPECT_EQ(voice_->Speak(text.c_str(), kSpeakIsFilename, nullptr), HRESULT_FROM_WIN32(ERROR_FILE_TOO_LARGE));
}

TEST_F(WavOutputTest, MixedTextSpeaksBothLanguagesAsOneItem) {
  WavFile mixed = Render(L"Hello 你好 world 世界");
  WavFile mandarin = Render(L"你好 世界");
  ASSERT_TRUE(mixed.valid);
  EXPECT_GT(mixed.Seconds(), mandarin.Seconds() + 0.4);
  EXPECT_GT(mixed.Rms(), 500);
}

TEST_F(WavOutputTest, AsynchronousSpeechIntoAFileCompletes) {
  std::wstring path = Path(L"async.wav");
  std::shared_ptr<OutputStream> saved, file;
  voice_->GetOutputStream(&saved);
  ASSERT_EQ(BindFile(path, &file), S_OK);
  ASSERT_EQ(voice_->SetOutput(file, true), S_OK);
  ULONG first = 0, second = 0;
  ASSERT_EQ(voice_->Speak(kHelloWorld, kSpeakAsync, &first), S_OK);
  ASSERT_EQ(voice_->Speak(kHelloWorld, kSpeakAsync, &second), S_OK);
  EXPECT_EQ(second, first + 1);
  ASSERT_EQ(voice_->SetOutput(saved, true), S_OK);
  file.reset();  // the queued items keep the file open until they are spoken
  EXPECT_EQ(voice_->WaitUntilDone(kWaitInfinite), S_OK);
  WavFile wav = ReadWav(path);
  ASSERT_TRUE(wav.valid);
  EXPECT_NEAR(wav.Seconds(), 2 * Render(kHelloWorld).Seconds(), 2 * kLengthTolerance * wav.Seconds());
}

TEST_F(WavOutputTest, WithoutAnAudioDeviceSpeakingFailsAtOnceAndFilesStillWork) {
  if (waveOutGetNumDevs() > 0) GTEST_SKIP() << "this machine has an audio device";
  EXPECT_TRUE(FAILED(voice_->Speak(kHelloWorld, kSpeakAsync, nullptr)));
  EXPECT_TRUE(FAILED(voice_->Speak(kHelloWorld, 0, nullptr)));
  EXPECT_EQ(voice_->WaitUntilDone(0), S_OK) << "nothing was queued";
  EXPECT_GT(Render(kHelloWorld).Rms(), 500);
}

}  // namespace
}  // namespace vx::test
