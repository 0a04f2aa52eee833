#include "speech/platform/espeak/markup_text.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(MarkupTextTest, TagsAreDropped) {
  EXPECT_EQ(PlainTextFromMarkup(L"<rate speed=\"5\">你好</rate><silence msec=\"500\"/>世界"), L"你好世界");
}

TEST(MarkupTextTest, CharacterReferencesAreDecoded) {
  EXPECT_EQ(PlainTextFromMarkup(L"a &lt; b &amp;&amp; c &gt; d &quot;&apos;&#20320;&#x597D;"),
            L"a < b && c > d \"'你好");
}

TEST(MarkupTextTest, UnknownReferencesAndLoneAmpersandsStay) {
  EXPECT_EQ(PlainTextFromMarkup(L"R&D &nbsp; &#xZZ;"), L"R&D &nbsp; &#xZZ;");
}

TEST(MarkupTextTest, AnUnfinishedTagEndsTheText) { EXPECT_EQ(PlainTextFromMarkup(L"你好<volume level="), L"你好"); }

}  // namespace
}  // namespace vx
