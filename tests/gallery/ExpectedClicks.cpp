#include "ExpectedClicks.h"

#include <deque>
#include <map>
#include <ranges>

namespace fg::test {
namespace {

using enum Kind;

// clang-format off
const std::vector<ClickCase> kClickCases = {
    { 1, WithName,     {11, 12, 1, 3, 5, 6, 8},           {2, 15, 16, 17, 18, 21, 3, 10, 31, 1, 19, 20, 113, 114}},
    { 2, NameOnly,     {},                                {}},
    { 3, WithName,     {3, 4, 32, 8, 1, 52},              {4, 5, 6, 1, 2, 3, 10, 54, 55, 56, 99, 100}},
    { 4, WithName,     {3, 2, 4},                         {4, 5, 6, 7}},
    { 5, WithName,     {5, 30, 1, 16, 15, 13, 14},        {48, 49, 50, 20, 21, 26, 27, 28, 29, 22, 23, 24, 25, 106, 113}},
    { 6, WithName,     {6, 7, 42, 43, 41, 31, 1, 44, 45}, {19, 11, 31, 51, 52, 53, 73, 74, 75, 76, 79, 80, 81, 82, 114}},
    { 7, NameOnly,     {},                                {}},
    { 8, WithName,     {1, 3, 8, 9, 10},                  {1, 2, 3, 10, 9, 12, 13, 14}},
    { 9, WithName,     {8, 9, 10, 26, 27},                {86, 85, 84, 83, 12, 13, 9, 14}},
    {10, WithName,     {28, 29, 8, 9, 10},                {87, 88, 89, 90, 12, 13, 9, 14}},
    {11, WithName,     {11, 12, 1, 17, 22, 23},           {15, 16, 17, 18, 30, 40, 41, 42, 43}},
    {12, WithName,     {11, 12, 1, 17, 46, 24, 25},       {15, 16, 17, 18, 30, 45, 46, 47, 44, 91, 92}},
    {13, WithName,     {13, 55, 5, 30},                   {109, 110, 111, 22, 23, 49, 50, 25, 48}},
    {14, WithName,     {14, 53, 54, 5, 56, 30},           {101, 102, 112, 104, 105, 106, 49, 50, 25, 24, 48}},
    {15, WithName,     {5, 15, 16, 20, 21},               {26, 27, 28, 29, 36, 37, 38, 39}},
    {16, WithName,     {5, 15, 16, 18, 19},               {32, 33, 34, 35, 26, 27, 28, 29}},
    {17, WithName,     {17, 33, 34, 11, 12},              {57, 58, 59, 60, 15, 16, 17, 30}},
    {18, WithName,     {19, 18, 16},                      {32, 33, 34, 35}},
    {19, WithName,     {19, 18, 16},                      {32, 33, 34, 35}},
    {20, WithName,     {15, 20, 21},                      {36, 37, 38, 39}},
    {21, WithName,     {15, 20, 21},                      {36, 37, 38, 39}},
    {22, WithName,     {22, 11, 23},                      {40, 41, 42, 43}},
    {23, WithName,     {22, 11, 23},                      {40, 41, 42, 43}},
    {24, WithName,     {12, 24, 25},                      {45, 46, 47, 44}},
    {25, WithName,     {12, 25, 24},                      {45, 46, 47, 44}},
    {30, WithoutName,  {30, 13, 14, 5, 37, 38},           {22, 23, 24, 25, 48, 49, 50, 61, 66, 67, 68, 106}},
    {31, WithName,     {31, 6, 7},                        {51, 52, 53, 11, 73}},
    {32, WithName,     {32, 3},                           {54, 55, 56}},
    {33, WithName,     {17, 33, 34, 11, 12},              {57, 58, 59, 60, 15, 16, 17, 30}},
    {34, WithName,     {35, 36, 34, 17, 33},              {58, 57, 59, 60, 62, 63, 64, 65}},
    {35, WithName,     {35, 36, 34, 17, 33},              {58, 57, 59, 60, 62, 63, 64, 65}},
    {36, WithName,     {35, 36, 34},                      {62, 63, 64, 65}},
    {37, WithoutName,  {37, 30, 39, 40},                  {61, 66, 48, 50, 69, 70, 71, 72}},
    {38, WithoutName,  {38, 30},                          {66, 67, 68, 48, 50}},
    {41, WithName,     {6, 41, 42, 43},                   {51, 52, 74, 75, 76}},
    {42, WithName,     {42, 48, 49, 6, 41},               {51, 52, 74, 76, 78, 77, 93, 94}},
    {43, WithName,     {43, 50, 51, 6, 41},               {51, 52, 75, 76, 95, 96, 97, 98}},
    {44, WithName,     {57, 45, 44, 6},                   {79, 80, 81, 82, 115, 116, 117}},
    {45, WithName,     {57, 45, 44, 6},                   {79, 80, 81, 82, 115, 116, 117}},
    {46, WithName,     {46, 12},                          {17, 91, 92}},
    {50, NameOnly,     {},                                {}},
    {51, NameOnly,     {},                                {}},
    {52, WithName,     {3, 52},                           {99, 100, 56, 55}},
    {53, WithName,     {14, 53, 54, 56},                  {101, 102, 104, 105, 112}},
    {54, WithName,     {14, 53, 54},                      {101, 102, 104, 105}},
    {55, WithName,     {13, 55},                          {109}},
    {56, WithName,     {14, 53, 56},                      {101, 112, 104, 102}},
    {57, WithName,     {44, 45, 57},                      {81, 80, 79, 115, 116, 117}},
};
// clang-format on

} // namespace

std::span<const ClickCase> clickCases() {
    return kClickCases;
}

const ClickCase* clickCase(int portrait) {
    for (const ClickCase& c : kClickCases)
        if (c.portrait == portrait)
            return &c;
    return nullptr;
}

std::vector<int> routeTo(int portrait) {
    // Breadth-first over the views; a view is known by the reveal click that made it, 0 being
    // the start view with Picture1 alone.
    std::map<int, std::vector<int>> routes = {{0, {}}};
    std::deque<int> queue = {0};
    while (!queue.empty()) {
        const int made = queue.front();
        queue.pop_front();
        const std::vector<int> shown = made == 0 ? std::vector<int>{1} : clickCase(made)->portraits;
        if (std::ranges::find(shown, portrait) != shown.end())
            return routes[made];
        for (const int next : shown) {
            const ClickCase* c = clickCase(next);
            if (!c || !isReveal(*c) || routes.contains(next))
                continue;
            routes[next] = routes[made];
            routes[next].push_back(next);
            queue.push_back(next);
        }
    }
    return {};
}

} // namespace fg::test
