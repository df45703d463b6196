// The run's options, as the command line sets them.
#pragma once

#include <cstdint>

namespace skirmcast {

struct Settings {
    static constexpr std::int32_t kDefaultListLimit = 100;
    static constexpr std::int32_t kDefaultForecastBattles = 10;
    static constexpr std::int32_t kDefaultPairMinimum = 3;
    static constexpr std::int32_t kMaxListLimit = 65536;
    static constexpr std::int32_t kMaxForecastBattles = 65536;
    static constexpr std::int32_t kMaxPairMinimum = 6;

    std::int32_t listLimit = kDefaultListLimit;              // -m: candidates listed
    std::int32_t forecastBattles = kDefaultForecastBattles;  // -b: statistics rows
    std::int32_t pairMinimum = kDefaultPairMinimum;          // -a: lowest pair count forecast
    bool showPairForecast = false;                           // -a
    bool showHelp = false;                                   // -h
};

}  // namespace skirmcast
