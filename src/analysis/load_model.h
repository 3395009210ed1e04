// The load model of one plane: load terms, shaft positions, shear and moment points, and the two
// list operations shared by the solver and the drawing routines.
#pragma once

#include <QString>
#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

// The bearings that carry load and have a name: A to H.
inline constexpr int kBearingLetters = 8;

// One load term: a bearing, a point force, a concentrated moment, or the moment of a force or
// bearing about bearing A that the solver derives.
struct Tvector {
    QString Name;             // "RHA", "FH1", "MV2", "FH1*150", ...
    uint8_t Unknown = 0;      // 1 for a bearing and the moment term derived from it
    char Kind = 'f';          // 'f' bearing or force, 'm' moment
    long double Position = 0; // mm from the shaft's left end
    long double Value = 0;    // N or N*mm, a magnitude; bearings carry 0
    uint8_t Direction = 1;    // 1: with the reactions / clockwise; 0: against / counter-clockwise
    long double LeverForce = 0; // derived moment terms: the source term's value
};
using Tincarcare = std::vector<Tvector>;

struct TShaftPoint {
    uint8_t Bearing = 0; // 1 when the position was entered as a bearing
    long double Position = 0;
};
using TPuncte = std::vector<TShaftPoint>;

// Shear of the segment that starts at Position.
struct TShearPoint {
    long double Shear = 0;
    long double Position = 0;
};
using Tav2 = std::vector<TShearPoint>;

// Bending moment just left and just right of Position.
struct TMomentPoint {
    long double Left = 0;
    long double Right = 0;
    long double Position = 0;
};
using Tav = std::vector<TMomentPoint>;

// Copies of all records of `first`, then of `second`.
template <class List>
List Concatenate(const List& first, const List& second)
{
    List result;
    result.reserve(first.size() + second.size());
    result.insert(result.end(), first.begin(), first.end());
    result.insert(result.end(), second.begin(), second.end());
    return result;
}

// Ascending by position; equal positions keep their order. The positions are sorted with their
// record numbers, and each record is moved once into its place: a record carries its name and
// three extended values, several times what the sort has to shuffle.
template <class List>
void SortByPosition(List& list)
{
    if (list.size() < 2) return;
    std::vector<std::pair<long double, size_t>> order(list.size());
    for (size_t i = 0; i < list.size(); ++i) order[i] = {list[i].Position, i};
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    List sorted;
    sorted.reserve(list.size());
    for (const auto& [position, index] : order) sorted.push_back(std::move(list[index]));
    list = std::move(sorted);
}
