// Renders a Mandarin and an English text into WAV files with two voices of the
// built-in engine, the best of several runs each way, and prints milliseconds:
//   - one after the other: the first voice's text, then the second's;
//   - at once, on two voices: both voices speak together, Mandarin and English;
//   - at once, on one voice: the same two texts, both voices Mandarin (which reads
//     the Latin text as English).
// Then the two-voice time against each of the others, and the voice loads of a run.
//   two-voices RUNS FOLDER
// FOLDER receives the WAV files. The engine's data lie next to the exe.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "speech/platform/espeak/espeak_library.h"
#include "speech/platform/espeak/espeak_platform.h"

namespace {

using vx::OutputStream;
using vx::SpeechVoice;
using vx::VoiceToken;

std::wstring Repeated(const std::wstring& passage, size_t length) {
  std::wstring text;
  while (text.size() < length) text += passage;
  return text.substr(0, length);
}

const std::wstring kMandarin = Repeated(
    L"春天来了，花都开了，小鸟在树上唱歌。今天天气很好，我们一起去公园散步吧。"
    L"公园里有很多人，有的在跑步，有的在打太极拳，还有的在湖边钓鱼。",
    3000);
const std::wstring kEnglish = Repeated(
    L"Spring has come and the flowers are out. The birds are singing in the trees. "
    L"The weather is fine today, so let us take a walk in the park together. ",
    9000);

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "two-voices: %s\n", what);
  std::exit(1);
}

struct Job {
  const std::wstring* text;
  std::shared_ptr<VoiceToken> voice;
  std::unique_ptr<SpeechVoice> speaker;
};

class Bench {
 public:
  explicit Bench(std::wstring folder) : folder_(std::move(folder)) {
    platform_ = vx::CreateBuiltInSpeechPlatform();
    if (!platform_) Fail("no built-in engine: the espeak-ng-data folder must lie next to the exe");
    std::unique_ptr<vx::VoiceCategory> category;
    std::unique_ptr<vx::VoiceTokenEnum> tokens;
    if (FAILED(platform_->GetCategoryFromId(vx::kVoiceCategoryId, false, &category)) ||
        FAILED(category->EnumTokens(L"", L"", &tokens)) || tokens->Next(&mandarin_) != S_OK ||
        tokens->Next(&english_) != S_OK) {
      Fail("the Mandarin and English voices are not both installed");
    }
  }

  // Milliseconds for the jobs, all started at once; together false: one at a time.
  double Run(std::vector<Job>& jobs, bool together) {
    std::vector<std::shared_ptr<OutputStream>> files;
    for (size_t i = 0; i < jobs.size(); ++i) {
      Job& job = jobs[i];
      if (!job.speaker && FAILED(platform_->CreateVoice(&job.speaker))) Fail("no voice");
      std::shared_ptr<OutputStream> file;
      std::wstring path = folder_ + L"\\voice" + std::to_wstring(i) + L".wav";
      if (FAILED(platform_->BindToFile(path.c_str(), vx::kFileModeCreateAlways, vx::kWaveFormatExFormatId,
                                       Format(*job.speaker), 0, &file))) {
        Fail("cannot write into the folder");
      }
      if (FAILED(job.speaker->SetVoice(job.voice)) || FAILED(job.speaker->SetOutput(file, true))) Fail("set-up");
      files.push_back(file);
    }
    const auto start = std::chrono::steady_clock::now();
    for (Job& job : jobs) {
      if (FAILED(job.speaker->Speak(job.text->c_str(), vx::kSpeakAsync, nullptr))) Fail("speak");
      if (!together) job.speaker->WaitUntilDone(vx::kWaitInfinite);
    }
    for (Job& job : jobs) job.speaker->WaitUntilDone(vx::kWaitInfinite);
    const double took = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    for (Job& job : jobs) job.speaker->SetOutput(nullptr, true);
    return took;
  }

  const std::shared_ptr<VoiceToken>& mandarin() const { return mandarin_; }
  const std::shared_ptr<VoiceToken>& english() const { return english_; }

 private:
  static WAVEFORMATEX Format(SpeechVoice& voice) {
    std::shared_ptr<OutputStream> output;
    GUID formatId;
    WAVEFORMATEX format{};
    if (FAILED(voice.GetOutputStream(&output)) || FAILED(output->GetFormat(&formatId, &format))) Fail("format");
    return format;
  }

  std::wstring folder_;
  std::unique_ptr<vx::SpeechPlatform> platform_;
  std::shared_ptr<VoiceToken> mandarin_, english_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: two-voices RUNS FOLDER\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  std::wstring folder(argv[2], argv[2] + std::strlen(argv[2]));
  Bench bench(folder);
  struct Way {
    const char* name;
    bool together, oneVoice;
    double best = 1e30;
    uint64_t loads = 0;
  };
  Way ways[] = {{"one after the other", false, false},
                {"at once, on two voices", true, false},
                {"at once, on one voice", true, true}};
  // The ways take turns, so that each meets the machine in the same state.
  for (int run = 0; run < runs; ++run) {
    for (Way& way : ways) {
      std::vector<Job> jobs(2);
      jobs[0] = {&kMandarin, bench.mandarin(), nullptr};
      jobs[1] = {&kEnglish, way.oneVoice ? bench.mandarin() : bench.english(), nullptr};
      uint64_t before = vx::espeak::VoiceLoads();
      way.best = std::min(way.best, bench.Run(jobs, way.together));
      way.loads = vx::espeak::VoiceLoads() - before;
    }
  }
  for (const Way& way : ways) {
    std::printf("%-24s %8.0f ms, %llu voice loads\n", way.name, way.best, static_cast<unsigned long long>(way.loads));
  }
  std::printf("two voices at once / one after the other: %.2fx\n", ways[1].best / ways[0].best);
  std::printf("two voices at once / one voice at once:   %.2fx\n", ways[1].best / ways[2].best);
  return 0;
}
