#pragma once

// A fixed array whose indices run from First to Last, as the program's
// designs number them (choices 1 to 6, records 0 to 1000). An index outside
// the bounds is a programming error and stops the program at once instead
// of reading or writing beside the array.

#include <array>
#include <cstdio>
#include <cstdlib>

namespace examdeck {

template <typename T, int First, int Last> class indexed_array {
    static_assert(First <= Last);

  public:
    static constexpr int first = First;
    static constexpr int last = Last;

    constexpr T& operator()(int i) { return items_[offset(i)]; }
    constexpr const T& operator()(int i) const { return items_[offset(i)]; }

    constexpr auto begin() { return items_.begin(); }
    constexpr auto end() { return items_.end(); }
    constexpr auto begin() const { return items_.begin(); }
    constexpr auto end() const { return items_.end(); }

    bool operator==(const indexed_array&) const = default;

  private:
    static constexpr std::size_t offset(int i)
    {
        if (i < First || i > Last) {
            std::fprintf(stderr, "index %d outside %d to %d\n", i, First, Last);
            std::abort();
        }
        return static_cast<std::size_t>(i - First);
    }

    std::array<T, Last - First + 1> items_{};
};

} // namespace examdeck
