// Prediction: which positions of the battle random sequence fit the observed
// battles, what the next battles bring over all of them, and how far away
// the six-battle stretches with a given number of two-enemy formations are.
//
// Each stage has a literal form, the loop as a player would reason it out,
// and the fast form the program runs; tests hold the two against each other.
#pragma once

#include <array>
#include <cstdint>

#include "app/settings.hpp"
#include "model/battle_random.hpp"
#include "model/encounter_pattern.hpp"
#include "model/position_set.hpp"
#include "text/writer.hpp"

namespace skirmcast {

// An initial position that fits the pattern; the next battle draws at current.
struct Candidate {
    std::int32_t initial = 0;
    std::int32_t current = 0;  // initial + n, unreduced
};

// --- Candidate search ------------------------------------------------------

// The literal match: every slot admits the formation drawn at initial + j.
bool matchesAt(const EncounterPattern& pattern, std::int32_t initial);

// Every initial position at which the pattern matches.
void findCandidates(const EncounterPattern& pattern, PositionSet& found);

// --- Upcoming-battle statistics -------------------------------------------

// Row t counts the formations of the battle t places after the current
// position: normal[4t + f] for normal A..D, fixed[2t + f] for fixed A, B.
struct FormationTally {
    std::int32_t* normal = nullptr;  // 65536 rows of 4
    std::int32_t* fixed = nullptr;   // 65536 rows of 2
    std::int32_t rows = 0;           // forecastBattles
};

// The literal tally of one candidate's next battles, added to the rows.
void tallyLiteral(FormationTally& tally, std::int32_t current);

// Fills the rows for every candidate at once: current positions are the
// initials shifted by offset. The rows must hold zeros on entry. Picks the
// literal loop or the correlation below by the amount of work.
void tallyCandidates(FormationTally& tally, const PositionSet& initials, std::int32_t offset);

// The same rows by correlation, at a cost independent of the number of
// candidates. Uses the fixed rows past tally.rows as scratch.
void tallyByCorrelation(FormationTally& tally, const PositionSet& initials, std::int32_t offset);

// "今後の敵出現予測:" with its header and one line per row.
void writeStatisticsTable(Writer& out, const FormationTally& tally);

// --- Pair forecast ---------------------------------------------------------

// The literal search: battles from `from` until a stretch with `count` pair
// formations begins, or 0 if no position has that count.
std::int32_t pairDistanceLiteral(const std::int32_t* pairCountTable, std::int32_t from, std::int32_t count);

// Writes the forecast blocks of listed candidates. Candidates must come in
// increasing order (as the scan finds them): each search then resumes where
// the previous one for the same count stopped, so the whole run's searches
// cost one sweep of the ring per count. The first few blocks count pairs as
// they go; the PairCountTable is built only once enough blocks are written
// to repay its quarter MiB, so a typical run never touches it.
class PairForecaster {
public:
    PairForecaster(std::int32_t* pairCountTable, std::int32_t pairMinimum)
        : table_(pairCountTable), pairMinimum_(pairMinimum) {}

    void writeBlock(Writer& out, const Candidate& candidate);

    struct Distances {
        std::int32_t ahead = 0;      // from the current position
        std::int32_t afterWipe = 0;  // from the initial position
    };
    Distances distancesFor(const Candidate& candidate, std::int32_t count);

private:
    struct Cursor {
        std::int64_t found = -1;  // the unreduced position last found
    };
    std::int32_t distance(Cursor& cursor, std::int32_t from, std::int32_t count);

    std::int32_t countAt(std::int64_t position) const;

    static constexpr std::int32_t kBlocksBeforeTable = 16;

    std::int32_t* table_;
    std::int32_t pairMinimum_;
    std::int32_t blocks_ = 0;
    bool built_ = false;
    std::array<Cursor, kPairWindow + 1> ahead_{};
    std::array<Cursor, kPairWindow + 1> afterWipe_{};
};

// Writes the six fixed formations from a position as "A, B, ...".
void writePairLetters(Writer& out, std::int32_t position);

// --- The report --------------------------------------------------------------

struct PredictionBuffers {
    std::int32_t* pairCounts = nullptr;   // 65536 entries
    std::int32_t* normalTally = nullptr;  // 65536 rows of 4, zeroed
    std::int32_t* fixedTally = nullptr;   // 65536 rows of 2, zeroed
};

// The candidate lines (with their forecast blocks), the summary lines and
// the statistics table.
void writePrediction(Writer& out, const Settings& settings, const EncounterPattern& pattern,
                     const PredictionBuffers& buffers);

}  // namespace skirmcast
