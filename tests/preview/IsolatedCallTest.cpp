#include "IsolatedCall.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace veridi {
namespace {

struct IsolationRow {
    const char* name;
    std::function<QByteArray()> work;
    std::optional<QByteArray> expected;
};

TEST(RunIsolated, GivesTheResultOrNothingWhenTheWorkFails) {
    QByteArray big(3 << 20, 'x'); // more than a pipe holds at once
    const IsolationLimits limits{std::chrono::milliseconds(2000), qint64(64) << 20, qint64(4) << 20};
    const IsolationRow rows[] = {
        {"plain result", [] { return QByteArray("<svg/>"); }, QByteArray("<svg/>")},
        {"empty result", [] { return QByteArray(); }, QByteArray()},
        {"result larger than a pipe", [&] { return big; }, big},
        {"result beyond the output limit", [] { return QByteArray(5 << 20, 'y'); }, std::nullopt},
        {"fault",
         [] {
             std::raise(SIGSEGV);
             return QByteArray("after");
         },
         std::nullopt},
        {"abort", []() -> QByteArray { std::abort(); }, std::nullopt},
        {"exception", []() -> QByteArray { throw std::runtime_error("parser"); }, std::nullopt},
        {"endless loop",
         []() -> QByteArray {
             std::atomic<unsigned> spins{0};
             for (;;)
                 spins.fetch_add(1, std::memory_order_relaxed);
         },
         std::nullopt},
        {"runaway allocation",
         [] {
             std::vector<std::vector<char>> blocks;
             blocks.reserve(64);
             for (int i = 0; i < 64; ++i)
                 blocks.emplace_back(std::size_t(64) << 20, 'z');
             return QByteArray("allocated");
         },
         std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(runIsolated(row.work, limits), row.expected) << row.name;
}

} // namespace
} // namespace veridi
