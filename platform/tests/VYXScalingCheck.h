// VYXScalingCheck.h: a test helper that tells linear work from work that grows faster.
//
// The work is timed at n, 2n and 4n items (best of a few runs, so a busy
// machine does not decide the outcome). Linear or n log n work takes about
// four times as long at 4n as at n; quadratic work takes sixteen times. The
// check allows eight, which tolerates noise yet catches the square.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>

inline double VYXBestSeconds(const std::function<void(int)>& work, int n, int runs = 5)
{
    double best = 1e9;
    for (int r = 0; r < runs; ++r) {
        const auto t0 = std::chrono::steady_clock::now();
        work(n);
        const std::chrono::duration<double> d = std::chrono::steady_clock::now() - t0;
        best = std::min(best, d.count());
    }
    return best;
}

// `work(n)` must do the whole job for n items (build the input outside when
// building it is not what is measured).
inline void VYXExpectLinear(const std::function<void(int)>& work, int n)
{
    work(n);  // warm up allocators and caches
    const double t1 = VYXBestSeconds(work, n);
    const double t2 = VYXBestSeconds(work, 2 * n);
    const double t4 = VYXBestSeconds(work, 4 * n);
    // Tiny timings are dominated by the clock: give them a floor.
    const double base = std::max(t1, 0.02);
    EXPECT_LT(t4 / base, 10.0) << "n=" << n << ": " << t1 << " s, 2n: " << t2 << " s, 4n: " << t4 << " s";
}
