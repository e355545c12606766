// The lookups run on every pick in the settings window and answer with pointers into constant
// tables; this binary counts heap allocations to prove that they never allocate.

#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "catalogue/operator_catalogue.h"

namespace {

std::atomic<std::size_t> allocationCount{0};

}  // namespace

// Replacing the global allocation functions for this test binary lets the test see every
// allocation, whoever makes it; the array forms forward here by default. They stay out of line
// so that the compiler, seeing malloc() and free() inlined into callers, does not report a
// mismatch between new and delete.
[[gnu::noinline]] void* operator new(std::size_t size) {
    allocationCount.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

[[gnu::noinline]] void operator delete(void* memory) noexcept {
    std::free(memory);
}

[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace qx {
namespace {

TEST(CatalogueLookupAllocation, CountingSeesAnAllocation) {
    const std::size_t before = allocationCount.load();
    auto text = std::make_unique<std::string>(64, 'x');
    EXPECT_GT(allocationCount.load(), before) << "the counting allocator is not in use";
}

TEST(CatalogueLookupAllocation, LookupsAllocateNothing) {
    // Texts built beforehand: the loop below only calls the lookups.
    std::vector<std::string> texts = {"", " ", "germany", "Germany ", "no such country", "T-mobile"};
    for (const CountryOperators& entry : OperatorCatalogue::operatorLists()) {
        texts.emplace_back(entry.country);
        texts.insert(texts.end(), entry.operators.begin(), entry.operators.end());
    }
    for (const CountryPresets& entry : OperatorCatalogue::presetTable()) {
        texts.emplace_back(entry.country);
        for (const OperatorPresetPair& pair : entry.perOperator) {
            texts.emplace_back(pair.operatorName);
        }
    }

    std::size_t found = 0;
    const std::size_t before = allocationCount.load();
    for (const std::string& country : texts) {
        found += findCountry(country) != nullptr ? 1 : 0;
        for (const std::string& operatorName : texts) {
            found += findPreset(country, operatorName) != nullptr ? 1 : 0;
        }
    }
    const std::size_t allocations = allocationCount.load() - before;

    EXPECT_EQ(allocations, 0u);
    EXPECT_GT(found, 0u);
}

}  // namespace
}  // namespace qx
