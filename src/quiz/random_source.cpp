#include "random_source.h"

#include <chrono>

namespace examdeck {

namespace {

seed_source current_source;
std::uint64_t state = 0x9e3779b97f4a7c15ULL;

std::uint64_t clock_seed()
{
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

// splitmix64: small, fast and good enough for shuffling questions.
std::uint64_t next()
{
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

void set_seed_source(seed_source source)
{
    current_source = std::move(source);
}

void randomize()
{
    state = current_source ? current_source() : clock_seed();
}

float random_float()
{
    return static_cast<float>(next() >> 40) * 0x1p-24f;
}

} // namespace examdeck
