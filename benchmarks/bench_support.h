#pragma once

#include <algorithm>
#include <vector>

// The middle value of a benchmark's runs: one slow run (a cache filled, the
// other core busy) does not move it.
inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
