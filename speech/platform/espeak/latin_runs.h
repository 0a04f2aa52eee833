// The built-in Mandarin voice reads Latin words in English: its text is cut into
// runs of Latin script and runs of everything else, spoken in order.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vx {

enum class RunLanguage { kMandarin, kEnglish };

struct TextRun {
  size_t begin;   // UTF-16 (or UTF-32) code units into the text
  size_t length;
  RunLanguage language;
};

// Runs covering the whole text in order. An English run begins and ends with a
// Latin letter and takes in the ASCII spaces, digits and punctuation between its
// letters ("Hello, world"); all else, including what surrounds it, is Mandarin.
std::vector<TextRun> SplitLatinRuns(std::wstring_view text);

}  // namespace vx
