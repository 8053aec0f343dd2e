#pragma once

#include <optional>
#include <string>

// The figures that the benchmarks compare with their floors, gathered during the run and printed as one
// table after it. A benchmark may run several times while the library settles its iteration count; the
// last run of each name is the one kept.
namespace bench {

struct Figure {
    double value = 0;
    std::string unit;
};

void record(
    const std::string& name, Figure figure, std::optional<Figure> floor, const std::string& target, bool met);
// A figure shown for what it tells, with no target of its own.
void note(const std::string& name, Figure figure, std::optional<Figure> floor, const std::string& comment);

// Prints the table, in the order the names were first recorded; the count of missed targets.
int printSummary();

} // namespace bench
