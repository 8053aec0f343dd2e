#include "bench/support/Summary.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

namespace {

struct Row {
    std::string name;
    Figure figure;
    std::optional<Figure> floor;
    std::string target;
    std::optional<bool> met; // nothing for a figure without a target
};

std::vector<Row>& rows()
{
    static std::vector<Row> all;
    return all;
}

std::string shown(const Figure& figure)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.4g %s", figure.value, figure.unit.c_str());
    return text;
}

const char* verdict(const Row& row)
{
    if (!row.met)
        return "-";
    return *row.met ? "met" : "MISSED";
}

void add(Row row)
{
    auto found = std::find_if(rows().begin(), rows().end(), [&](const Row& r) { return r.name == row.name; });
    if (found != rows().end())
        *found = std::move(row);
    else
        rows().push_back(std::move(row));
}

} // namespace

void record(
    const std::string& name, Figure figure, std::optional<Figure> floor, const std::string& target, bool met)
{
    add({ name, std::move(figure), std::move(floor), target, met });
}

void note(const std::string& name, Figure figure, std::optional<Figure> floor, const std::string& comment)
{
    add({ name, std::move(figure), std::move(floor), comment, std::nullopt });
}

int printSummary()
{
    if (rows().empty())
        return 0;
    size_t nameWidth = 9;
    size_t targetWidth = 6;
    for (const Row& row : rows()) {
        nameWidth = std::max(nameWidth, row.name.size());
        targetWidth = std::max(targetWidth, row.target.size());
    }
    int missed = 0;
    std::printf("\n%-*s  %14s  %14s  %8s  %-*s  %s\n", int(nameWidth), "benchmark", "figure", "floor or base",
        "ratio", int(targetWidth), "target", "result");
    for (const Row& row : rows()) {
        std::string ratio = "-";
        if (row.floor && row.floor->unit == row.figure.unit && row.floor->value > 0) {
            char text[32];
            std::snprintf(text, sizeof text, "%.2fx", row.figure.value / row.floor->value);
            ratio = text;
        }
        std::printf("%-*s  %14s  %14s  %8s  %-*s  %s\n", int(nameWidth), row.name.c_str(),
            shown(row.figure).c_str(), row.floor ? shown(*row.floor).c_str() : "-", ratio.c_str(),
            int(targetWidth), row.target.c_str(), verdict(row));
        missed += row.met && !*row.met ? 1 : 0;
    }
    return missed;
}

} // namespace bench
