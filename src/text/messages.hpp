// Every text the program writes, each stored once (in messages.cpp) as the
// Shift_JIS bytes that reach the console. A text that surrounds a number or a
// name is split where the value goes; the writer puts the pieces together.
#pragma once

#include <string_view>

namespace skirmcast::text {

// Help: banner, then "<name>" kUsageSuffix, then the option lines.
extern const std::string_view kHelpBanner;
extern const std::string_view kUsageSuffix;
extern const std::string_view kHelpOptions;

// Diagnostics on standard error, each after "<name>".
extern const std::string_view kOutOfMemorySuffix;
extern const std::string_view kWriteFailedSuffix;
extern const std::string_view kInvalidPatternSuffix;

// Pattern echo heading; the slots follow on the same line.
extern const std::string_view kEchoHeading;

// "No.<k>: 現在乱数位置: <hex>h, 初期乱数位置: <hex>h\n"; <hex> is "%04X".
extern const std::string_view kCandidateNumber;
extern const std::string_view kCandidateCurrent;
extern const std::string_view kCandidateInitial;
extern const std::string_view kCandidateEnd;

// "候補が<limit>件を越えたので中断します\n" and "候補数: <count>件\n"
extern const std::string_view kOverLimitPrefix;
extern const std::string_view kOverLimitSuffix;
extern const std::string_view kCountPrefix;
extern const std::string_view kCountSuffix;

// Pair forecast lines:
// "  2体組<j>回: あと<%4d>回戦闘後に出現, 乱数位置: <hex>h, パターン: <letters>\n"
// "          全滅後<%4d>回戦闘後に出現, 乱数位置: <hex>h, パターン: <letters>\n"
extern const std::string_view kPairAheadPrefix;
extern const std::string_view kPairAheadMiddle;
extern const std::string_view kPairWipePrefix;
extern const std::string_view kPairDistanceSuffix;
extern const std::string_view kPairPosition;
extern const std::string_view kPairLetters;

// Statistics: heading and header lines, then rows "  <%4d>回目:   <counts>\n".
extern const std::string_view kTableHeading;
extern const std::string_view kTableRowPrefix;
extern const std::string_view kTableRowSuffix;

}  // namespace skirmcast::text
