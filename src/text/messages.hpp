// Every text the program writes, each stored once, here, as the Shift_JIS
// (code page 932) bytes that reach the console. A text that surrounds a
// number or a name is split where the value goes; the writer puts the pieces
// together. They are constants in the header so that each piece is copied
// with its length known at compile time: the largest reports are a million
// lines of them.
//
// Every byte of a double-byte character is an octal escape, never a raw byte:
// several kanji here (表 is 0x95 0x5C) end in the byte of the backslash, and a
// raw one would be read as an escape by the compiler or mangled by an editor.
// Octal escapes stop after three digits, so a following digit is never taken
// into one. The comment above each line shows what the bytes say.
#pragma once

#include <string_view>

namespace skirmcast::text {

// Help: banner, then "<name>" kUsageSuffix, then the option lines.
inline constexpr std::string_view kHelpBanner =
    "skirmcast - forecasts enemy formations from the battle random sequence\n";
inline constexpr std::string_view kUsageSuffix =
    ": [option] [encount-pattern]\n";
inline constexpr std::string_view kHelpOptions =
    //   -a [NUMBER]  魔大陸上空での帝国空軍との戦闘の予測を表示する
    "  -a [NUMBER]  \226\202\221\345\227\244\217\343\213\363\202\305\202\314\222\351\215\221\213\363\214\122\202\306\202\314\220\355\223\254\202\314\227\134\221\252\202\360\225\134\216\246\202\267\202\351\n"
    //                数値を指定した場合は「2体組(NUMBER)回」以上の予測のみ表示する
    "               \220\224\222\154\202\360\216\167\222\350\202\265\202\275\217\352\215\207\202\315\201\1652\221\314\221\147(NUMBER)\211\361\201\166\210\310\217\343\202\314\227\134\221\252\202\314\202\335\225\134\216\246\202\267\202\351\n"
    //                (数値を指定しない場合は「2体組3回」以上)
    "               (\220\224\222\154\202\360\216\167\222\350\202\265\202\310\202\242\217\352\215\207\202\315\201\1652\221\314\221\1473\211\361\201\166\210\310\217\343)\n"
    //   -b NUMBER    今後の敵出現予測を何件まで表示するか(0を指定すると非表示)
    "  -b NUMBER    \215\241\214\343\202\314\223\107\217\157\214\273\227\134\221\252\202\360\211\275\214\217\202\334\202\305\225\134\216\246\202\267\202\351\202\251(0\202\360\216\167\222\350\202\267\202\351\202\306\224\361\225\134\216\246)\n"
    //   -m NUMBER    候補を何件まで表示するか(0を指定すると非表示)
    "  -m NUMBER    \214\363\225\342\202\360\211\275\214\217\202\334\202\305\225\134\216\246\202\267\202\351\202\251(0\202\360\216\167\222\350\202\267\202\351\202\306\224\361\225\134\216\246)\n"
    //   -h           使用方法を表示して終了する
    "  -h           \216\147\227\160\225\373\226\100\202\360\225\134\216\246\202\265\202\304\217\111\227\271\202\267\202\351\n"
    "\n";

// Diagnostics on standard error, each after "<name>".
inline constexpr std::string_view kOutOfMemorySuffix =
    // : メモリが不足しています
    ": \203\201\203\202\203\212\202\252\225\163\221\253\202\265\202\304\202\242\202\334\202\267\n";
inline constexpr std::string_view kWriteFailedSuffix =
    // : 出力の書き込みに失敗しました
    ": \217\157\227\315\202\314\217\221\202\253\215\236\202\335\202\311\216\270\224\163\202\265\202\334\202\265\202\275\n";
inline constexpr std::string_view kInvalidPatternSuffix =
    // : 敵出現パターン文字列が不正です
    ": \223\107\217\157\214\273\203\160\203\136\201\133\203\223\225\266\216\232\227\361\202\252\225\163\220\263\202\305\202\267\n";

// Pattern echo heading; the slots follow on the same line.
inline constexpr std::string_view kEchoHeading =
    // 入力出現パターン:
    "\223\374\227\315\217\157\214\273\203\160\203\136\201\133\203\223:\n"
    "  ";

// "No.<k>: 現在乱数位置: <hex>h, 初期乱数位置: <hex>h\n"; <hex> is "%04X".
inline constexpr std::string_view kCandidateNumber =
    "No.";
inline constexpr std::string_view kCandidateCurrent =
    // : 現在乱数位置: 
    ": \214\273\215\335\227\220\220\224\210\312\222\165: ";
inline constexpr std::string_view kCandidateInitial =
    // h, 初期乱数位置: 
    "h, \217\211\212\372\227\220\220\224\210\312\222\165: ";
inline constexpr std::string_view kCandidateEnd =
    "h\n";

// "候補が<limit>件を越えたので中断します\n" and "候補数: <count>件\n"
inline constexpr std::string_view kOverLimitPrefix =
    // 候補が
    "\214\363\225\342\202\252";
inline constexpr std::string_view kOverLimitSuffix =
    // 件を越えたので中断します
    "\214\217\202\360\211\172\202\246\202\275\202\314\202\305\222\206\222\146\202\265\202\334\202\267\n";
inline constexpr std::string_view kCountPrefix =
    // 候補数: 
    "\214\363\225\342\220\224: ";
inline constexpr std::string_view kCountSuffix =
    // 件
    "\214\217\n";

// Pair forecast lines:
// "  2体組<j>回: あと<%4d>回戦闘後に出現, 乱数位置: <hex>h, パターン: <letters>\n"
// "          全滅後<%4d>回戦闘後に出現, 乱数位置: <hex>h, パターン: <letters>\n"
inline constexpr std::string_view kPairAheadPrefix =
    //   2体組
    "  2\221\314\221\147";
inline constexpr std::string_view kPairAheadMiddle =
    // 回: あと
    "\211\361: \202\240\202\306";
inline constexpr std::string_view kPairWipePrefix =
    //           全滅後
    "          \221\123\226\305\214\343";
inline constexpr std::string_view kPairDistanceSuffix =
    // 回戦闘後に出現
    "\211\361\220\355\223\254\214\343\202\311\217\157\214\273";
inline constexpr std::string_view kPairPosition =
    // , 乱数位置: 
    ", \227\220\220\224\210\312\222\165: ";
inline constexpr std::string_view kPairLetters =
    // h, パターン: 
    "h, \203\160\203\136\201\133\203\223: ";

// Statistics: heading and header lines, then rows "  <%4d>回目:   <counts>\n".
inline constexpr std::string_view kTableHeading =
    // 今後の敵出現予測:
    "\215\241\214\343\202\314\223\107\217\157\214\273\227\134\221\252:\n"
    //   戦闘回数   通常A 通常B 通常C 通常D   固定A 固定B
    "  \220\355\223\254\211\361\220\224   \222\312\217\355A \222\312\217\355B \222\312\217\355C \222\312\217\355D   \214\305\222\350A \214\305\222\350B\n";
inline constexpr std::string_view kTableRowPrefix =
    "  ";
inline constexpr std::string_view kTableRowSuffix =
    // 回目:   
    "\211\361\226\332:   ";

}  // namespace skirmcast::text
