#include "FigureRows.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace bench {

void PrintRow(const std::string& figure, const std::string& median, const std::string& worst,
              const std::string& goal, const std::string& floor) {
    std::printf("row\t%s\t%s\t%s\t%s\t%s\n", figure.c_str(), median.c_str(), worst.c_str(),
                goal.c_str(), floor.c_str());
    std::fflush(stdout);
}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Largest(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

double Smallest(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

std::string Format(const char* format, ...) {
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

std::string Thousands(long long value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<size_t>(at), ",");
    return value < 0 ? "-" + digits : digits;
}

} // namespace bench
