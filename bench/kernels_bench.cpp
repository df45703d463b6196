// Each kernel beside its literal counterpart, so that the ratio is read off
// one run. The literal forms of the worst cases take seconds per iteration.
//
//   build/release/bench/skirmcast_bench --benchmark_min_time=0.2
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "predict/prediction.hpp"
#include "text/messages.hpp"

namespace skirmcast {
namespace {

// A sink that only counts, so that formatting is measured and not the device.
class CountingSink final : public ByteSink {
public:
    bool write(const char*, std::size_t size) override {
        bytes += size;
        return true;
    }
    std::size_t bytes = 0;
};

// The pattern of a text known to be valid, with the slots it points into.
struct ParsedPattern {
    explicit ParsedPattern(const std::string& text) : slots(text.size() + 1, 0) {
        PatternError error;
        pattern = *parsePattern(text, slots.data(), error);
    }
    std::vector<PatternSlot> slots;
    EncounterPattern pattern;
};

const std::string kTypical = "aabac.[bc]a";
const std::string kLongest(65536, '.');

// --- match ---------------------------------------------------------------

void matchFast(benchmark::State& state, const std::string& text) {
    const ParsedPattern parsed(text);
    for (auto _ : state) {
        PositionSet found;
        findCandidates(parsed.pattern, found);
        benchmark::DoNotOptimize(found.words.data());
    }
}

void matchLiteral(benchmark::State& state, const std::string& text) {
    const ParsedPattern parsed(text);
    for (auto _ : state) {
        std::int32_t count = 0;
        for (std::int32_t i = 0; i < kSequenceLength; ++i) {
            count += matchesAt(parsed.pattern, i) ? 1 : 0;
        }
        benchmark::DoNotOptimize(count);
    }
}

BENCHMARK_CAPTURE(matchFast, typical, kTypical)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(matchLiteral, typical, kTypical)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(matchFast, longest, kLongest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(matchLiteral, longest, kLongest)->Unit(benchmark::kMillisecond)->Iterations(1);

// --- tally ---------------------------------------------------------------

// state.range(0) candidates spread over the ring, state.range(1) rows.
PositionSet spreadSet(std::int32_t count) {
    PositionSet set;
    for (std::int32_t k = 0; k < count; ++k) {
        set.insert(static_cast<std::int32_t>((std::int64_t{k} * kSequenceLength) / count));
    }
    return set;
}

template <typename TallyAll>
void runTally(benchmark::State& state, TallyAll&& tallyAll) {
    const PositionSet set = spreadSet(static_cast<std::int32_t>(state.range(0)));
    const auto rows = static_cast<std::int32_t>(state.range(1));
    std::vector<std::int32_t> normal(kSequenceLength * 4), fixed(kSequenceLength * 2);
    for (auto _ : state) {
        std::fill(normal.begin(), normal.end(), 0);
        std::fill(fixed.begin(), fixed.end(), 0);
        FormationTally tally{normal.data(), fixed.data(), rows};
        tallyAll(tally, set);
        benchmark::DoNotOptimize(normal.data());
    }
}

void tallyFast(benchmark::State& state) {
    runTally(state, [](FormationTally& tally, const PositionSet& set) { tallyCandidates(tally, set, 8); });
}

void tallyLiteralLoop(benchmark::State& state) {
    runTally(state, [](FormationTally& tally, const PositionSet& set) {
        set.forEach([&](std::int32_t i) { tallyLiteral(tally, i + 8); });
    });
}

BENCHMARK(tallyFast)->Args({19, 10})->Args({65536, 10})->Args({65536, 65536})->Unit(benchmark::kMillisecond);
BENCHMARK(tallyLiteralLoop)->Args({19, 10})->Args({65536, 10})->Unit(benchmark::kMillisecond);
BENCHMARK(tallyLiteralLoop)->Args({65536, 65536})->Unit(benchmark::kMillisecond)->Iterations(1);

// --- pair forecast ---------------------------------------------------------

void forecastFast(benchmark::State& state) {
    std::vector<std::int32_t> table(kSequenceLength);
    for (auto _ : state) {
        PairForecaster forecaster(table.data(), 0);
        std::int32_t sum = 0;
        for (std::int32_t i = 0; i < kSequenceLength; ++i) {
            for (std::int32_t j = 0; j <= kPairWindow; ++j) {
                const auto d = forecaster.distancesFor({i, i}, j);
                sum += d.ahead + d.afterWipe;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}

void forecastLiteral(benchmark::State& state) {
    std::vector<std::int32_t> table(kSequenceLength);
    for (auto _ : state) {
        for (std::int32_t p = 0; p < kSequenceLength; ++p) {
            table[static_cast<std::size_t>(p)] = pairCount(p);
        }
        std::int32_t sum = 0;
        for (std::int32_t i = 0; i < kSequenceLength; ++i) {
            for (std::int32_t j = 0; j <= kPairWindow; ++j) {
                sum += 2 * pairDistanceLiteral(table.data(), i, j);
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}

BENCHMARK(forecastFast)->Unit(benchmark::kMillisecond);
BENCHMARK(forecastLiteral)->Unit(benchmark::kMillisecond);

// --- report formatting -----------------------------------------------------

void formatWriter(benchmark::State& state) {
    CountingSink sink;
    for (auto _ : state) {
        Writer out(sink, LineEnds::kLf);
        for (std::int32_t i = 0; i < kSequenceLength; ++i) {
            out.put(text::kCandidateNumber);
            out.putDecimal(i + 1);
            out.put(text::kCandidateCurrent);
            out.putPosition(i + 12);
            out.put(text::kCandidateInitial);
            out.putPosition(i);
            out.put(text::kCandidateEnd);
            out.put(text::kPairAheadPrefix);
            out.putDecimal(3);
            out.put(text::kPairAheadMiddle);
            out.putDecimal(i % 2216, 4);
            out.put(text::kPairDistanceSuffix);
            out.put(text::kPairPosition);
            out.putPosition(i + 40);
            out.put(text::kPairLetters);
            writePairLetters(out, i + 40);
            out.put('\n');
        }
        out.flush();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(sink.bytes));
}

void formatPrintf(benchmark::State& state) {
    CountingSink sink;
    const std::string number(text::kCandidateNumber), current(text::kCandidateCurrent),
        initial(text::kCandidateInitial), end(text::kCandidateEnd), ahead(text::kPairAheadPrefix),
        middle(text::kPairAheadMiddle), distance(text::kPairDistanceSuffix), position(text::kPairPosition),
        letters(text::kPairLetters);
    char line[512];
    for (auto _ : state) {
        for (std::int32_t i = 0; i < kSequenceLength; ++i) {
            int n = std::snprintf(line, sizeof line, "%s%d%s%04X%s%04X%s", number.c_str(), i + 1, current.c_str(),
                                  (i + 12) & 0xFFFF, initial.c_str(), i, end.c_str());
            sink.write(line, static_cast<std::size_t>(n));
            n = std::snprintf(line, sizeof line, "%s%d%s%4d%s%s%04X%s", ahead.c_str(), 3, middle.c_str(), i % 2216,
                              distance.c_str(), position.c_str(), (i + 40) & 0xFFFF, letters.c_str());
            sink.write(line, static_cast<std::size_t>(n));
            for (std::int32_t q = 0; q < kPairWindow; ++q) {
                n = std::snprintf(line, sizeof line, q == 0 ? "%c" : ", %c",
                                  fixedFormation(drawValue(i + 40 + q)) == 1 ? 'B' : 'A');
                sink.write(line, static_cast<std::size_t>(n));
            }
            sink.write("\n", 1);
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(sink.bytes));
}

BENCHMARK(formatWriter)->Unit(benchmark::kMillisecond);
BENCHMARK(formatPrintf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skirmcast

BENCHMARK_MAIN();
