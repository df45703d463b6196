// Runs the built program and compares every byte it writes, and its status.
// Expected texts are written here in UTF-8 and turned into Shift_JIS by
// iconv, so a wrong byte in the program's texts cannot hide behind the same
// wrong byte in the test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "program.hpp"

namespace skirmcast {
namespace {

using testing::ProcessResult;
using testing::program;
using testing::Program;

void expectRun(const std::vector<std::string>& args, const std::string& input, const std::string& out,
               const std::string& err, int status) {
    const Program& p = program();
    ProcessResult r = p.run(args, input);
    std::string shown;
    for (const auto& a : args) {
        shown += " [" + a.substr(0, 40) + "]";
    }
    EXPECT_EQ(r.status, status) << shown;
    EXPECT_EQ(r.out, p.bytes(out)) << shown;
    EXPECT_EQ(r.err, p.bytes(err)) << shown;
}

std::string help() {
    return "skirmcast - forecasts enemy formations from the battle random sequence\n" + program().name() +
           ": [option] [encount-pattern]\n"
           "  -a [NUMBER]  魔大陸上空での帝国空軍との戦闘の予測を表示する\n"
           "               数値を指定した場合は「2体組(NUMBER)回」以上の予測のみ表示する\n"
           "               (数値を指定しない場合は「2体組3回」以上)\n"
           "  -b NUMBER    今後の敵出現予測を何件まで表示するか(0を指定すると非表示)\n"
           "  -m NUMBER    候補を何件まで表示するか(0を指定すると非表示)\n"
           "  -h           使用方法を表示して終了する\n"
           "\n";
}

const std::string kEmptyEcho = "入力出現パターン:\n  \n\n";

TEST(EndToEnd, HelpWinsOverEverythingElse) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"-h"}, {"-H"}, {"AAX", "-h"}, {"-hm5"}, {"-ahb"}}) {
        expectRun(args, "this line is never read\n", help(), "", 0);
    }
}

TEST(EndToEnd, WorkedExamples) {
    expectRun({"-m", "3", "-b", "0", "aabac.[bc]a"}, "",
              "入力出現パターン:\n  A, A, B, A, C, ABCD, BC, A\n\n"
              "No.1: 現在乱数位置: 14C0h, 初期乱数位置: 14B8h\n"
              "No.2: 現在乱数位置: 1FC0h, 初期乱数位置: 1FB8h\n"
              "No.3: 現在乱数位置: 2AC0h, 初期乱数位置: 2AB8h\n"
              "候補が3件を越えたので中断します\n"
              "候補数: 19件\n",
              "", 0);
    // The last candidate's current position wraps past the end.
    const std::string wrapped =
        "入力出現パターン:\n  A, C, C, C, A, C, A, C, A, C, D, A\n\n"
        "No.1: 現在乱数位置: 4E04h, 初期乱数位置: 4DF8h\n"
        "No.2: 現在乱数位置: A704h, 初期乱数位置: A6F8h\n"
        "No.3: 現在乱数位置: F504h, 初期乱数位置: F4F8h\n"
        "No.4: 現在乱数位置: 0004h, 初期乱数位置: FFF8h\n"
        "候補数: 4件\n";
    expectRun({"-b0", "ACCCACACACDA"}, "", wrapped, "", 0);
    // Exactly as many candidates as the limit: no over-limit line.
    expectRun({"-b0", "-m4", "ACCCACACACDA"}, "", wrapped, "", 0);
}

TEST(EndToEnd, PairForecastAndStatistics) {
    const std::string block =
        "入力出現パターン:\n  C, B, C, D, A, D, B, C, B, A, A, B\n\n"
        "No.1: 現在乱数位置: 0B99h, 初期乱数位置: 0B8Dh\n"
        "  2体組3回: あと  28回戦闘後に出現, 乱数位置: 0BB5h, パターン: A, B, B, A, A, B\n"
        "          全滅後   1回戦闘後に出現, 乱数位置: 0B8Eh, パターン: A, B, B, A, B, A\n"
        "  2体組4回: あと  66回戦闘後に出現, 乱数位置: 0BDBh, パターン: A, B, A, B, B, B\n"
        "          全滅後   0回戦闘後に出現, 乱数位置: 0B8Dh, パターン: B, A, B, B, A, B\n"
        "  2体組5回: あと 129回戦闘後に出現, 乱数位置: 0C1Ah, パターン: B, B, B, A, B, B\n"
        "  2体組6回: あと 729回戦闘後に出現, 乱数位置: 0E72h, パターン: B, B, B, B, B, B\n"
        "\n"
        "候補数: 1件\n";
    const std::string table =
        "\n今後の敵出現予測:\n"
        "  戦闘回数   通常A 通常B 通常C 通常D   固定A 固定B\n"
        "     1回目:      0,    0,    1,    0       1,    0\n"
        "     2回目:      0,    1,    0,    0       1,    0\n"
        "     3回目:      0,    1,    0,    0       1,    0\n";
    expectRun({"-a", "-b", "3", "CBCDADBCBAAB"}, "", block + table, "", 0);
    expectRun({"-b", "3", "-a", "CBCDADBCBAAB"}, "", block + table, "", 0);
    // Only the listed candidates get a block; the statistics count them all.
    expectRun({"-m0", "-a", "-b", "3", "CBCDADBCBAAB"}, "",
              "入力出現パターン:\n  C, B, C, D, A, D, B, C, B, A, A, B\n\n候補数: 1件\n" + table, "", 0);
}

TEST(EndToEnd, EmptyPatternMatchesEverywhere) {
    expectRun({"-m", "0", "-b", "2"}, "\n",
              kEmptyEcho +
                  "候補数: 65536件\n\n今後の敵出現予測:\n"
                  "  戦闘回数   通常A 通常B 通常C 通常D   固定A 固定B\n"
                  "     1回目:   20480, 20480, 20480, 4096    49152, 16384\n"
                  "     2回目:   20480, 20480, 20480, 4096    49152, 16384\n",
              "", 0);
    std::string listed;
    for (int i = 0; i < 100; ++i) {
        char line[80];
        std::snprintf(line, sizeof line, "No.%d: 現在乱数位置: %04Xh, 初期乱数位置: %04Xh\n", i + 1, i, i);
        listed += line;
    }
    expectRun({"-b0"}, "", kEmptyEcho + listed + "候補が100件を越えたので中断します\n候補数: 65536件\n", "", 0);
    // A slot that admits nothing: no candidate, no table.
    expectRun({"[]"}, "", "入力出現パターン:\n  \n\n候補数: 0件\n", "", 0);
}

TEST(EndToEnd, InvalidPatterns) {
    const struct {
        std::vector<std::string> args;
        std::string input;
        std::string text;
        int column;
    } cases[] = {
        {{"AAX"}, "", "AAX", 2},
        {{"-m", "3", "AA[B"}, "", "AA[B", 4},
        {{"[A.]"}, "", "[A.]", 2},
        {{"A B"}, "", "A B", 1},
        {{}, "ab\xEF\n", "ab\xEF", 2},
        {{}, "A\r\r\n", "A\r", 1},
        {{}, "AB\r", "AB\r", 2},
    };
    for (const auto& c : cases) {
        const Program& p = program();
        ProcessResult r = p.run(c.args, c.input);
        EXPECT_EQ(r.status, 1) << c.text;
        EXPECT_EQ(r.out, "") << c.text;
        // The echoed text is the user's own bytes, never converted.
        const std::string head = p.bytes(program().name() + ": 敵出現パターン文字列が不正です\n");
        std::string tail = c.text + "\n" + std::string(static_cast<std::size_t>(c.column), ' ') + "^\n";
        if (p.crlf) {
            tail = c.text + "\r\n" + std::string(static_cast<std::size_t>(c.column), ' ') + "^\r\n";
        }
        EXPECT_EQ(r.err, head + tail) << c.text;
    }
}

TEST(EndToEnd, StandardInputLines) {
    const std::string ab = "入力出現パターン:\n  A, B\n\n";
    const struct {
        std::string input;
        std::string echo;
    } cases[] = {
        {"AB\n", ab},
        {"AB", ab},
        {"AB\r\n", ab},
        {"AB\nCD\n", ab},
        {std::string("AB\0CD\n", 6), ab},
        {"AB\x1A" "CD", ab},
        {"\x1A", kEmptyEcho},
        {"", kEmptyEcho},
        {std::string("\0AB", 3), kEmptyEcho},
    };
    for (const auto& c : cases) {
        const Program& p = program();
        ProcessResult r = p.run({"-m0", "-b0"}, c.input);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.substr(0, p.bytes(c.echo).size()), p.bytes(c.echo)) << ::testing::PrintToString(c.input);
        EXPECT_EQ(r.err, "");
    }
    // A closed standard input reads as an empty line.
    testing::ProcessOptions closedInput;
    closedInput.closeStdin = true;
    ProcessResult closed = program().run({"-m0", "-b0"}, closedInput);
    EXPECT_EQ(closed.status, 0);
    EXPECT_EQ(closed.out, program().bytes(kEmptyEcho + "候補数: 65536件\n"));
}

TEST(EndToEnd, StandardInputLineLimit) {
    // 65535 bytes are read; a longer line is cut there, its end unread.
    for (std::size_t length : {65534u, 65535u, 65536u, 70000u}) {
        const Program& p = program();
        ProcessResult r = p.run({"-m0", "-b0"}, std::string(length, 'a') + "\n");
        std::string echo = "入力出現パターン:\n  A";
        for (std::size_t i = 1; i < std::min<std::size_t>(length, 65535); ++i) {
            echo += ", A";
        }
        EXPECT_EQ(r.status, 0) << length;
        EXPECT_EQ(r.out.substr(0, p.bytes(echo + "\n\n").size()), p.bytes(echo + "\n\n")) << length;
    }
}

TEST(EndToEnd, LongestPatternOnTheCommandLine) {
    if (!program().wrapper.empty()) {
        GTEST_SKIP() << "a Windows command line holds at most 32767 characters";
    }
    std::string echo = "入力出現パターン:\n  ";
    for (int i = 0; i < 65536; ++i) {
        echo += i == 0 ? "ABCD" : ", ABCD";
    }
    expectRun({"-m", "0", "-b", "0", std::string(65536, '.') + "AB"}, "", echo + "\n\n候補数: 65536件\n", "", 0);
}

TEST(EndToEnd, StandardOutputDevices) {
    testing::ProcessOptions full;
    full.stdoutPath = "/dev/full";
    for (const auto& args : std::vector<std::vector<std::string>>{{"aabac"}, {"-h"}, {"-m65536", "-a0", ""}}) {
        ProcessResult r = program().run(args, full);
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_EQ(r.err, program().bytes(program().name() + ": 出力の書き込みに失敗しました\n")) << args[0];
    }

    // A regular file gets the same bytes as a pipe.
    char path[] = "/tmp/skirmcast-e2e-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    testing::ProcessOptions file;
    file.stdoutPath = path;
    const std::vector<std::string> args{"-a", "-m", "40", "A.B"};
    ProcessResult toFile = program().run(args, file);
    ProcessResult toPipe = program().run(args);
    std::FILE* f = std::fopen(path, "rb");
    ASSERT_NE(f, nullptr);
    std::string written;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) {
        written.append(buffer, n);
    }
    std::fclose(f);
    std::remove(path);
    EXPECT_EQ(toFile.status, 0);
    EXPECT_GT(written.size(), 1000u);
    EXPECT_EQ(written, toPipe.out);
}

TEST(EndToEnd, ReaderGoneEndsTheRunAsPipesDo) {
    if (!program().wrapper.empty()) {
        GTEST_SKIP() << "a broken pipe behaves as the emulated platform's, not as here";
    }
    // Nobody reads the largest report: the platform's SIGPIPE ends the run.
    testing::ProcessOptions gone;
    gone.closeStdoutEarly = true;
    gone.input = "\n";
    ProcessResult r = program().run({"-m", "65536", "-a0"}, gone);
    EXPECT_EQ(r.signal, SIGPIPE);
    EXPECT_EQ(r.err, "");
}

}  // namespace
}  // namespace skirmcast
