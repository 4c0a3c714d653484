#pragma once
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

// Runs `body` `runs` times and returns the median in milliseconds.
template <class F> double MedianMs(int runs, F &&body)
{
    std::vector<double> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        body();
        const auto stop = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
