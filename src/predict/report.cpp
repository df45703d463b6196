#include "predict/prediction.hpp"
#include "text/messages.hpp"

namespace skirmcast {

void writePrediction(Writer& out, const Settings& settings, const EncounterPattern& pattern,
                     const PredictionBuffers& buffers) {
    PositionSet found;
    findCandidates(pattern, found);

    PairForecaster forecaster(buffers.pairCounts, settings.pairMinimum);
    std::int32_t number = 0;
    found.forEach([&](std::int32_t initial) {
        ++number;
        if (number > settings.listLimit) {
            return;
        }
        const Candidate candidate{initial, initial + pattern.size};
        out.put(text::kCandidateNumber);
        out.putDecimal(number);
        out.put(text::kCandidateCurrent);
        out.putPosition(candidate.current);
        out.put(text::kCandidateInitial);
        out.putPosition(candidate.initial);
        out.put(text::kCandidateEnd);
        if (settings.showPairForecast) {
            forecaster.writeBlock(out, candidate);
        }
    });

    if (number > settings.listLimit && settings.listLimit > 0) {
        out.put(text::kOverLimitPrefix);
        out.putDecimal(settings.listLimit);
        out.put(text::kOverLimitSuffix);
    }
    out.put(text::kCountPrefix);
    out.putDecimal(number);
    out.put(text::kCountSuffix);

    if (number > 0 && settings.forecastBattles > 0) {
        FormationTally tally{buffers.normalTally, buffers.fixedTally, settings.forecastBattles};
        tallyCandidates(tally, found, pattern.size);
        writeStatisticsTable(out, tally);
    }
}

}  // namespace skirmcast
