// Whole reports of the program against the literal reference program, byte
// for byte, on inputs that take every fast path: the correlation tally, the
// resumed pair searches, the whole-set match, the survivors checked one by one.
// Under a wrapper (see program.hpp) the other build's reports must be the
// reference's with that platform's line ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program.hpp"

namespace skirmcast {
namespace {

struct Case {
    std::vector<std::string> args;
    std::string input;
};

TEST(Reference, WholeReportsAgree) {
    const Case cases[] = {
        {{"-m", "2000", "-a0", "-b", "300"}, "\n"},
        {{"-m", "65536", "-a", "-b", "1000", "A"}, ""},
        {{"-a2", "-m", "500", "-b", "70000", ".B[CD]"}, ""},
        {{"-b", "5000", "[AB][CD]A"}, ""},
        {{"-a0", "-b", "65536", "ACCCACACACDA"}, ""},
        {{"-b", "20", "-m", "0"}, ""},
        {{"-a6", "-m", "65536", "-b", "0", "c"}, ""},
        {{"-m", "3", "-a", "aabac.[bc]a"}, ""},
        {{"-a1", "-b3", "CBCDADBCBAAB"}, ""},
        {{"-a4"}, "...[ABC]d[]\r\n"},
        {{"-b", "300", std::string(5000, '.') + "A" + std::string(60000, '.') + "[BD]"}, ""},
        {{}, "A[B\n"},
        {{"-h", "x"}, ""},
    };
    const testing::Program& p = testing::program();
    for (const auto& c : cases) {
        const std::size_t length = c.args.empty() ? 0 : c.args.back().size();
        if (!p.wrapper.empty() && length > 32000) {
            continue;  // longer than a Windows command line can be
        }
        std::string shown;
        for (const auto& a : c.args) {
            shown += " [" + a.substr(0, 30) + "]";
        }
        std::vector<std::string> argv{p.name()};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        testing::ProcessOptions options;
        options.input = c.input;
        const auto fast = p.run(c.args, options);
        const auto literal = testing::runProcess(SKIRMCAST_REFERENCE_EXE, argv, options);
        EXPECT_EQ(fast.status, literal.status) << shown;
        EXPECT_EQ(fast.err, p.lineEnds(literal.err)) << shown;
        EXPECT_TRUE(fast.out == p.lineEnds(literal.out)) << shown << ": " << fast.out.size() << " bytes against "
                                                         << literal.out.size();
    }
}

}  // namespace
}  // namespace skirmcast
