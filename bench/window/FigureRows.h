// The rows the window benchmark prints for tools/bench.sh to lay out:
//   row <TAB> figure <TAB> median <TAB> worst <TAB> goal <TAB> floor / ratio
// and the statistics and number formats they use.
#pragma once

#include <string>
#include <vector>

namespace bench {

void PrintRow(const std::string& figure, const std::string& median, const std::string& worst,
              const std::string& goal, const std::string& floor);

double Median(std::vector<double> values);
double Largest(const std::vector<double>& values);
double Smallest(const std::vector<double>& values);

// printf-style formatting into a string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
// 1234567 as "1,234,567".
std::string Thousands(long long value);

} // namespace bench
