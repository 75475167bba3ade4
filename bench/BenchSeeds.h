#pragma once

#include <random>
#include <utility>
#include <vector>

// The start-up board: 1010 × 668 pixels, 133 rows by 202 columns.
constexpr int BoardWidth = 1010;
constexpr int BoardHeight = 668;
constexpr int BoardRows = 133;
constexpr int BoardCols = 202;

// Under the in-place rule about four in five soups of 1000 random seeds
// settle within a hundred generations; the rest grow until some 40 % of the
// cells live and a quarter of them change every generation.
constexpr unsigned SettlingSoup = 1;
constexpr unsigned GrowingSoup = 3;

// 1000 random (row, column) seeds, the same on every run, drawn row first as
// Random draws them.
inline std::vector<std::pair<int, int>> ThousandSeeds(unsigned soup)
{
    std::mt19937 random(soup);
    std::vector<std::pair<int, int>> seeds;
    for (int i = 0; i < 1000; ++i) {
        const int r = static_cast<int>(random() >> 1) % BoardRows;
        const int c = static_cast<int>(random() >> 1) % BoardCols;
        seeds.emplace_back(r, c);
    }
    return seeds;
}
