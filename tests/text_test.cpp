// The texts are stored as raw Shift_JIS bytes; decoding them with iconv shows
// that every byte is the one meant, trail bytes of 0x5C (表, 予) included.
#include <gtest/gtest.h>

#include "sjis.hpp"
#include "text/messages.hpp"

namespace skirmcast {
namespace {

using testing::fromSjis;

struct TextCase {
    const char* name;
    std::string_view bytes;
    std::string_view unicode;
};

TEST(Texts, DecodeToTheirUnicodeForms) {
    const TextCase cases[] = {
        {"usage", text::kUsageSuffix, ": [option] [encount-pattern]\n"},
        {"help options", text::kHelpOptions,
         "  -a [NUMBER]  魔大陸上空での帝国空軍との戦闘の予測を表示する\n"
         "               数値を指定した場合は「2体組(NUMBER)回」以上の予測のみ表示する\n"
         "               (数値を指定しない場合は「2体組3回」以上)\n"
         "  -b NUMBER    今後の敵出現予測を何件まで表示するか(0を指定すると非表示)\n"
         "  -m NUMBER    候補を何件まで表示するか(0を指定すると非表示)\n"
         "  -h           使用方法を表示して終了する\n"
         "\n"},
        {"out of memory", text::kOutOfMemorySuffix, ": メモリが不足しています\n"},
        {"write failed", text::kWriteFailedSuffix, ": 出力の書き込みに失敗しました\n"},
        {"invalid pattern", text::kInvalidPatternSuffix, ": 敵出現パターン文字列が不正です\n"},
        {"echo", text::kEchoHeading, "入力出現パターン:\n  "},
        {"candidate no", text::kCandidateNumber, "No."},
        {"candidate current", text::kCandidateCurrent, ": 現在乱数位置: "},
        {"candidate initial", text::kCandidateInitial, "h, 初期乱数位置: "},
        {"candidate end", text::kCandidateEnd, "h\n"},
        {"over limit prefix", text::kOverLimitPrefix, "候補が"},
        {"over limit suffix", text::kOverLimitSuffix, "件を越えたので中断します\n"},
        {"count prefix", text::kCountPrefix, "候補数: "},
        {"count suffix", text::kCountSuffix, "件\n"},
        {"pair ahead prefix", text::kPairAheadPrefix, "  2体組"},
        {"pair ahead middle", text::kPairAheadMiddle, "回: あと"},
        {"pair wipe prefix", text::kPairWipePrefix, "          全滅後"},
        {"pair distance", text::kPairDistanceSuffix, "回戦闘後に出現"},
        {"pair position", text::kPairPosition, ", 乱数位置: "},
        {"pair letters", text::kPairLetters, "h, パターン: "},
        {"table heading", text::kTableHeading,
         "今後の敵出現予測:\n  戦闘回数   通常A 通常B 通常C 通常D   固定A 固定B\n"},
        {"table row prefix", text::kTableRowPrefix, "  "},
        {"table row suffix", text::kTableRowSuffix, "回目:   "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fromSjis(c.bytes), c.unicode) << c.name;
    }
}

TEST(Texts, BackslashTrailBytesSurviveTheCompiler) {
    // 予 is 0x97 0x5C and 表 is 0x95 0x5C: a lost or doubled 0x5C shifts
    // every later byte of the text.
    EXPECT_NE(text::kTableHeading.find("\x97\x5C"), std::string_view::npos);
    EXPECT_NE(text::kHelpOptions.find("\x95\x5C"), std::string_view::npos);
}

TEST(Texts, BannerNamesTheProgram) {
    EXPECT_EQ(text::kHelpBanner.substr(0, 9), "skirmcast");
    EXPECT_EQ(text::kHelpBanner.back(), '\n');
    EXPECT_EQ(text::kHelpBanner.find('\n'), text::kHelpBanner.size() - 1);
}

}  // namespace
}  // namespace skirmcast
