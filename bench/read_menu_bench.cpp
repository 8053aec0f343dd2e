// Listing the program's folder into the palette's list, against the least work the job needs: one
// readdir pass, the names sorted by their bytes, one compile of the pattern, a match per name and a
// caption per match.

#include "bench/support/Palette.h"
#include "bench/support/Summary.h"
#include "framework/RegExOptions.h"
#include "list/CustomCellListbox.h"
#include "tests/support/TemporaryFolder.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <benchmark/benchmark.h>

#include <dirent.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

// A folder of `count` empty files, one in ten a script: "item-000123.rbs" among "item-000124.txt".
struct ItemFolder {
    explicit ItemFolder(int count)
        : folder("ide-script-readmenu")
    {
        for (int i = 0; i < count; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "item-%06d.%s", i, i % 10 == 0 ? "rbs" : "txt");
            folder.write(name);
        }
        scripts = (count + 9) / 10;
    }
    TemporaryFolder folder { "ide-script-bench" };
    int scripts = 0;
};

// Made once per size and kept for the program's run: a hundred thousand files take a while to write.
const ItemFolder& itemFolder(int count)
{
    static std::map<int, std::unique_ptr<ItemFolder>> made;
    std::unique_ptr<ItemFolder>& folder = made[count];
    if (!folder)
        folder = std::make_unique<ItemFolder>(count);
    return *folder;
}

// The compile options of "rbs$" that list the same names as the program's: case-insensitive when a new
// expression ignores case.
uint32_t patternOptions()
{
    return fw::New<fw::RegExOptions>()->CaseSensitive ? 0 : PCRE2_CASELESS;
}

// The name with its first ".rbs", found regardless of case, taken out.
std::string captionOf(std::string_view name)
{
    for (size_t at = 0; at + 4 <= name.size(); ++at) {
        if (name[at] == '.' && std::tolower(static_cast<unsigned char>(name[at + 1])) == 'r'
            && std::tolower(static_cast<unsigned char>(name[at + 2])) == 'b'
            && std::tolower(static_cast<unsigned char>(name[at + 3])) == 's')
            return std::string(name.substr(0, at)).append(name.substr(at + 4));
    }
    return std::string(name);
}

// The least that listing the folder must cost: one readdir pass, the names sorted by their bytes, one
// compile of "rbs$" (no JIT, as the program's), a match per name and a caption per match. Gives the
// captions.
std::vector<std::string> floorPass(const std::string& path)
{
    std::vector<std::string> names;
    DIR* folder = ::opendir(path.c_str());
    if (!folder)
        return {};
    while (const dirent* entry = ::readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    ::closedir(folder);
    std::sort(names.begin(), names.end());

    int error = 0;
    PCRE2_SIZE offset = 0;
    pcre2_code* code
        = pcre2_compile(reinterpret_cast<PCRE2_SPTR>("rbs$"), 4, patternOptions(), &error, &offset, nullptr);
    pcre2_match_data* data = pcre2_match_data_create(1, nullptr);
    std::vector<std::string> captions;
    for (const std::string& name : names) {
        if (pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(name.data()), name.size(), 0, 0, data, nullptr)
            >= 0)
            captions.push_back(captionOf(name));
    }
    pcre2_match_data_free(data);
    pcre2_code_free(code);
    return captions;
}

// Per item, ReadMenu's and the floor's, by folder size, for the flatness check after the largest size.
std::map<int, std::pair<double, double>>& perItemBySize()
{
    static std::map<int, std::pair<double, double>> figures;
    return figures;
}

// Each iteration times ReadMenu into the shown list and, beside it, the floor pass over the same
// folder. The rows are deleted after each iteration, outside the timed part.
void BM_ReadMenu(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const ItemFolder& items = itemFolder(count);
    fw::Ref<Window1> window = bench::palette();
    fw::Ref<CustomCellListbox> list = window->CustomCellListbox1();
    bench::ApplicationFolder folder(items.folder.path());

    double readMenuSeconds = 0;
    double floorSeconds = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        window->ReadMenu(list);
        const Clock::time_point listed = Clock::now();
        state.SetIterationTime(secondsBetween(start, listed));
        readMenuSeconds += secondsBetween(start, listed);

        const Clock::time_point floorStart = Clock::now();
        const int matched = static_cast<int>(floorPass(items.folder.path()).size());
        floorSeconds += secondsBetween(floorStart, Clock::now());

        const int rows = list->ListCount();
        list->DeleteAllRows();
        bench::settle();
        if (rows != items.scripts || matched != items.scripts || !bench::messageBoxes().empty()) {
            state.SkipWithError("the list or the floor pass did not find every script");
            return;
        }
    }
    const double iterations = static_cast<double>(state.iterations());
    const double perItem = readMenuSeconds / iterations / count * 1e6;
    const double floorPerItem = floorSeconds / iterations / count * 1e6;
    state.counters["us_per_item"] = perItem;
    state.counters["floor_us_per_item"] = floorPerItem;
    state.counters["x_floor"] = perItem / floorPerItem;
    state.counters["rows"] = items.scripts;

    const std::string name = "ReadMenu " + std::to_string(count) + " items, per item";
    const bool targeted = count >= 10000;
    if (targeted)
        bench::record(name, { perItem, "us" }, bench::Figure { floorPerItem, "us" }, "<= 1.3x floor",
            perItem <= 1.3 * floorPerItem);
    else
        bench::note(name, { perItem, "us" }, bench::Figure { floorPerItem, "us" }, "no target");
    perItemBySize()[count] = { perItem, floorPerItem };
    // Flat per item: the ratio to the floor at the largest size against the ratio at 1,000, both taken
    // in this run, so that the machine's moments fall on both.
    if (count == 300000 && perItemBySize().count(1000)) {
        const auto [perItemAt1000, floorAt1000] = perItemBySize()[1000];
        const double ratioAt1000 = perItemAt1000 / floorAt1000;
        const double ratio = perItem / floorPerItem;
        bench::record("ReadMenu against its floor, 300,000 items against 1,000", { ratio, "x floor" },
            bench::Figure { ratioAt1000, "x floor" }, "flat (<= 1.2x)", ratio <= 1.2 * ratioAt1000);
        bench::note("Floor per item, 300,000 against 1,000", { floorPerItem, "us" },
            bench::Figure { floorAt1000, "us" }, "the system's own growth");
    }
}

BENCHMARK(BM_ReadMenu)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(300000)
    ->MinTime(1.0)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
