#pragma once

// The program's one random generator. It is seeded from a high-resolution
// clock, so that two seedings a moment apart differ; tests and the fuzzer put
// in their own seed source to replay a run.

#include <cstdint>
#include <functional>

namespace examdeck {

using seed_source = std::function<std::uint64_t()>;

// Replaces the seed source; an empty one restores the clock.
void set_seed_source(seed_source source);

// Seeds the generator from the seed source.
void randomize();

// Draws uniformly from [0, 1) with 24 significant bits.
float random_float();

} // namespace examdeck
