// Long seeded random sequences of every event the window can deliver, with
// every rule of invariants.h checked after every event. A failure names the
// seed and a shortened sequence that still breaks the rule.
//
// Environment:
//   TRIXOLA_RANDOM_EVENTS  total events over all seeds, rounded up to whole
//                          seeds of 10000 events (default 10000000)
//   TRIXOLA_RANDOM_SEED    run only this seed (to reproduce a failure)
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

#include "tests/reliability/event_runner.h"

namespace trixola::reliability {
namespace {

constexpr std::uint64_t kDefaultTotalEvents = 10'000'000;
constexpr std::size_t kEventsPerSeed = 10'000;
// Failing seeds reported in full before the run gives up.
constexpr int kMaxReportedFailures = 3;

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return fallback;
  char* end = nullptr;
  const unsigned long long value = std::strtoull(text, &end, 10);
  if (*end != '\0' || value == 0) {
    ADD_FAILURE() << name << " must be a positive whole number, not \"" << text << "\"";
    return fallback;
  }
  return value;
}

// Even seeds run as the real window does, odd seeds as a slow machine.
Pacing PacingOf(std::uint64_t seed) {
  return seed % 2 == 0 ? Pacing::DetectorsAfterEveryClick : Pacing::Bursts;
}

std::string Report(std::uint64_t seed, const Failure& failure, const std::vector<Event>& played) {
  const std::string number = std::to_string(seed);
  const std::vector<Event> shortest = Shrink(played, failure.violation.invariant);
  return FailureReport("seed " + number + " (" + Describe(PacingOf(seed)) +
                           "), reproduce with TRIXOLA_RANDOM_SEED=" + number,
                       "event", failure, shortest, Replay(shortest).failure);
}

TEST(RandomEvents, EveryRuleHoldsAfterEveryEventOverManySeeds) {
  const std::uint64_t onlySeed = FromEnvironment("TRIXOLA_RANDOM_SEED", 0);
  const std::uint64_t total = FromEnvironment("TRIXOLA_RANDOM_EVENTS", kDefaultTotalEvents);
  const std::uint64_t seeds = onlySeed != 0 ? 1 : (total + kEventsPerSeed - 1) / kEventsPerSeed;

  const auto start = std::chrono::steady_clock::now();
  Tallies tallies;
  std::uint64_t failures = 0;
  std::uint64_t seedsRun = 0;
  std::vector<Event> played;
  played.reserve(kEventsPerSeed);
  for (std::uint64_t i = 1; i <= seeds && failures < kMaxReportedFailures; ++i) {
    const std::uint64_t seed = onlySeed != 0 ? onlySeed : i;
    ++seedsRun;
    const RunOutcome outcome = RunRandom(seed, PacingOf(seed), kEventsPerSeed, played);
    tallies += outcome.tallies;
    if (PacingOf(seed) == Pacing::DetectorsAfterEveryClick) {
      // Otherwise the both-marks rule would not have been checked on this seed.
      EXPECT_EQ(outcome.tallies.clicksBeforeLockDown, 0U) << "seed " << seed;
    }
    if (outcome.failure) {
      ++failures;
      ADD_FAILURE() << Report(seed, *outcome.failure, played);
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::cout << "[ events   ] " << tallies.events << " events over " << seedsRun << " seeds ("
            << kEventsPerSeed << " each, even seeds paced like the window, odd seeds in bursts) in "
            << seconds << " s\n"
            << "[ results  ] player wins " << tallies.playerWins << ", computer wins "
            << tallies.computerWins << ", draws " << tallies.draws << ", New Games "
            << tallies.newGames << ", waiting results dropped by New Game "
            << tallies.resultsDiscardedByNewGame << "\n"
            << "[ clicks   ] on free cells " << tallies.freeClicks << " (of them on an unlocked "
            << "computer mark " << tallies.clicksOnUnlockedComputerMark << "), on locked cells "
            << tallies.lockedClicks << ", before the lock-down of the previous click "
            << tallies.clicksBeforeLockDown << "\n";

  if (failures == 0 && onlySeed == 0 && seeds >= 2) {
    EXPECT_EQ(tallies.events, seeds * kEventsPerSeed);
    // The sequences must reach every kind of ending and the slow-machine case,
    // or the rules above were checked on too little.
    EXPECT_GT(tallies.playerWins, 0U);
    EXPECT_GT(tallies.computerWins, 0U);
    EXPECT_GT(tallies.draws, 0U);
    EXPECT_GT(tallies.resultsDiscardedByNewGame, 0U);
    EXPECT_GT(tallies.clicksOnUnlockedComputerMark, 0U);
    EXPECT_GT(tallies.clicksBeforeLockDown, 0U);
    EXPECT_GT(tallies.lockedClicks, 0U);
  }
}

}  // namespace
}  // namespace trixola::reliability
