// Times the import against the copy floor and reports the peak memory of each.
//
//   ruzoziv_bench [--work DIR] [--sizes N,...] [--one-list N,...] [--runs N]
//                 [--seed N] [--table FILE] [--data FILE]
//       generates a collection of each size in DIR and measures it; the
//       --one-list sizes put every item into one folder's list
//   ruzoziv_bench --tree TREE --dest DIR [--runs N]
//       measures an existing collection; DIR is emptied, then each run
//       writes into a folder of its own in it (DIR/engine-0, DIR/floor-0, ...)
//   ruzoziv_bench --generate DIR --items N [--seed N] [--one-list]
//       only writes a collection
//
// Each measurement runs in a child process of its own (this program again,
// with --child), so that its peak resident memory is its own and not the
// parent's or another run's. The import and the copy run alternately on the
// same warm input, each into a new folder after a sync; the medians are
// reported. DIR (the work folder) is emptied first and removed at the end.
#include "bench_host.h"
#include "collection_generator.h"
#include "floor_copy.h"
#include "import_options.h"
#include "item_list.h"
#include "tree_walk.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// --child engine|floor TREE DEST: one timed run, printed as "seconds ok".
int RunChild(const std::string& what, const std::string& tree, const std::string& dest)
{
    const std::string treePath = EnginePath(tree);
    const std::string destFolder = EnginePath(dest);
    bool ok = false;
    double seconds = 0;
    if (what == "engine") {
        importOptions = ImportOptions{1, 1, 1, 1, 1};
        auto start = std::chrono::steady_clock::now();
        // The import as the import command runs it, root items included.
        const std::string rootList = GetParentFolder(treePath) + "\\Internet.WLS";
        ok = ImportTree(nullptr, treePath, destFolder) == 1 &&
             (!fs::exists(NativePath(rootList)) || ConvertItemList(rootList, destFolder) == 1);
        seconds = Seconds(start);
        if (BoxesShown() > 0) {
            ok = false;
            std::fprintf(stderr, "box: %s\n", FirstBoxText().c_str());
        }
    } else if (what == "floor") {
        std::vector<CopyStep> steps = PlanCopy(treePath, destFolder);
        auto start = std::chrono::steady_clock::now();
        ok = !steps.empty() && RunCopy(steps);
        seconds = Seconds(start);
    }
    std::printf("%.6f %d\n", seconds, ok ? 1 : 0);
    return ok ? 0 : 1;
}

struct Measurement {
    double seconds = 0;
    long peakKiB = 0;
    bool ok = false;
};

// A new, empty destination, with everything written before it out on disk,
// so that no run pays for another's write-back. Nothing is deleted between
// runs: on some file systems (ext4 without a journal) creating files right
// after deleting many is several times slower, which would time the deletion
// instead of the import.
void PrepareDestination(const std::string& dest)
{
    std::error_code ignored;
    fs::create_directories(dest, ignored);
    sync();
}

Measurement Measure(const std::string& what, const std::string& tree, const std::string& dest)
{
    PrepareDestination(dest);
    Measurement result;
    int channel[2];
    if (pipe(channel) != 0)
        return result;
    pid_t child = fork();
    if (child == 0) {
        dup2(channel[1], STDOUT_FILENO);
        close(channel[0]);
        close(channel[1]);
        execl("/proc/self/exe", "ruzoziv_bench", "--child", what.c_str(), tree.c_str(), dest.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(channel[1]);
    std::string said;
    char chunk[256];
    ssize_t got;
    while ((got = read(channel[0], chunk, sizeof chunk)) > 0)
        said.append(chunk, static_cast<size_t>(got));
    close(channel[0]);
    int status = 0;
    struct rusage usage {};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return result;
    int ok = 0;
    if (std::sscanf(said.c_str(), "%lf %d", &result.seconds, &ok) == 2)
        result.ok = ok == 1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    result.peakKiB = usage.ru_maxrss;
    return result;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Row {
    std::string shape;
    long items = 0;
    long folders = 0;
    double inputMiB = 0;
    double engine = 0, floor = 0;
    long enginePeakKiB = 0, floorPeakKiB = 0;
    bool ok = true;
};

// Import and copy, alternately, `runs` times each, each run into a folder of
// its own below outFolder.
Row MeasureCollection(const std::string& tree, const std::string& outFolder, int runs)
{
    Row row;
    std::vector<double> engine, floor;
    for (int run = 0; run < runs; ++run) {
        for (int turn = 0; turn < 2; ++turn) {
            bool engineTurn = (run + turn) % 2 == 0;
            const std::string dest = outFolder + (engineTurn ? "/engine-" : "/floor-") + std::to_string(run);
            Measurement m = Measure(engineTurn ? "engine" : "floor", tree, dest);
            std::fprintf(stderr, "  run %d %-6s %.3f s, peak %ld KiB\n", run + 1, engineTurn ? "import" : "floor",
                         m.seconds, m.peakKiB);
            if (!m.ok) {
                std::fprintf(stderr, "%s run failed on %s\n", engineTurn ? "import" : "copy", tree.c_str());
                row.ok = false;
            }
            (engineTurn ? engine : floor).push_back(m.seconds);
            long& peak = engineTurn ? row.enginePeakKiB : row.floorPeakKiB;
            peak = std::max(peak, m.peakKiB);
        }
    }
    row.engine = Median(engine);
    row.floor = Median(floor);
    return row;
}

// Whether folder is missing, or holds nothing but folders this program
// writes (engine-N and floor-N runs, tree-N and one-list-N collections), so
// that emptying it loses nothing of the user's.
bool OnlyEarlierRuns(const std::string& folder)
{
    std::error_code error;
    if (!fs::exists(folder, error))
        return true;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        bool ours = false;
        for (const char* prefix : {"engine-", "floor-", "tree-", "one-list-"})
            ours = ours || name.rfind(prefix, 0) == 0;
        if (!entry.is_directory() || !ours)
            return false;
    }
    return !error;
}

// Records written by an import: the lines of every Item.dat below folder.
long CountRecords(const std::string& folder)
{
    long records = 0;
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(folder, ignored)) {
        if (entry.path().filename() != "Item.dat")
            continue;
        std::FILE* file = std::fopen(entry.path().c_str(), "rb");
        if (!file)
            continue;
        char chunk[65536];
        size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
            records += std::count(chunk, chunk + got, '\n');
        std::fclose(file);
    }
    return records;
}

void PrintHeader(std::FILE* out)
{
    std::fprintf(out, "| shape | items | folders | input MiB | import s | floor s | ratio | import - floor s | items/s | import peak MiB | floor peak MiB |\n");
    std::fprintf(out, "|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
}

void PrintRow(std::FILE* out, const Row& row)
{
    std::fprintf(out, "| %s | %ld | %ld | %.1f | %.3f | %.3f | %.2f | %.3f | %.0f | %.1f | %.1f |%s\n",
                 row.shape.c_str(), row.items, row.folders, row.inputMiB, row.engine, row.floor,
                 row.floor > 0 ? row.engine / row.floor : 0.0, row.engine - row.floor,
                 row.engine > 0 ? row.items / row.engine : 0.0,
                 row.enginePeakKiB / 1024.0, row.floorPeakKiB / 1024.0, row.ok ? "" : " FAILED");
    std::fflush(out);
}

std::vector<long> ParseSizes(const char* text)
{
    std::vector<long> sizes;
    for (const char* p = text; *p;) {
        char* end;
        long n = std::strtol(p, &end, 10);
        if (end == p)
            break;
        sizes.push_back(n);
        p = *end == ',' ? end + 1 : end;
    }
    return sizes;
}

void Usage()
{
    std::fprintf(stderr,
                 "usage: ruzoziv_bench [--work DIR] [--sizes N,...] [--one-list N,...] [--runs N]\n"
                 "                     [--seed N] [--table FILE] [--data FILE]\n"
                 "       ruzoziv_bench --tree TREE --dest DIR [--runs N]\n"
                 "       ruzoziv_bench --generate DIR --items N [--seed N] [--one-list]\n");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && std::strcmp(argv[1], "--child") == 0)
        return RunChild(argv[2], argv[3], argv[4]);

    std::string work = "bench-work", tree, dest, generate, tablePath, dataPath;
    std::vector<long> sizes{10000, 100000, 1000000}, oneListSizes;
    long items = 10000;
    int runs = 3;
    uint64_t seed = 1;
    bool oneList = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (arg == "--one-list" && (!value || value[0] == '-')) {
            oneList = true;
            continue;
        }
        if (!value) {
            Usage();
            return 2;
        }
        ++i;
        if (arg == "--work") work = value;
        else if (arg == "--sizes") sizes = ParseSizes(value);
        else if (arg == "--one-list") oneListSizes = ParseSizes(value);
        else if (arg == "--runs") runs = std::max(1, std::atoi(value));
        else if (arg == "--seed") seed = std::strtoull(value, nullptr, 10);
        else if (arg == "--table") tablePath = value;
        else if (arg == "--data") dataPath = value;
        else if (arg == "--tree") tree = value;
        else if (arg == "--dest") dest = value;
        else if (arg == "--generate") generate = value;
        else if (arg == "--items") items = std::atol(value);
        else {
            Usage();
            return 2;
        }
    }

    if (!generate.empty()) {
        fs::create_directories(generate);
        GeneratedCollection made = GenerateCollection(generate, CollectionRequest{seed, items, oneList});
        std::printf("%s: %ld tree lines, %ld lists, %ld items, %lld bytes\n", made.treePath.c_str(),
                    made.treeLines, made.lists, made.items, made.bytes);
        return made.treePath.empty() ? 1 : 0;
    }

    std::vector<Row> rows;
    if (!tree.empty()) {
        if (dest.empty()) {
            Usage();
            return 2;
        }
        tree = fs::absolute(tree).string();
        const std::string out = fs::absolute(dest).string();
        if (!OnlyEarlierRuns(out)) {
            std::fprintf(stderr, "%s holds other things than earlier runs; give an empty or new folder\n", out.c_str());
            return 2;
        }
        std::error_code ignored;
        fs::remove_all(out, ignored);
        PrintHeader(stdout);
        Row row = MeasureCollection(tree, out, runs);
        row.shape = "given";
        std::vector<CopyStep> steps = PlanCopy(EnginePath(tree), EnginePath(out + "/floor-0"));
        row.folders = static_cast<long>(steps.size()) - 1;
        for (const CopyStep& step : steps) {
            std::error_code missing;
            auto bytes = fs::file_size(step.list, missing);
            if (!missing)
                row.inputMiB += bytes / (1024.0 * 1024.0);
        }
        row.items = CountRecords(out + "/engine-0");
        PrintRow(stdout, row);
        return row.ok ? 0 : 1;
    }

    struct Case {
        long items;
        bool oneList;
    };
    std::vector<Case> cases;
    for (long n : sizes)
        cases.push_back({n, false});
    for (long n : oneListSizes)
        cases.push_back({n, true});

    if (!OnlyEarlierRuns(work)) {
        std::fprintf(stderr, "%s holds other things than earlier runs; give an empty or new folder\n", work.c_str());
        return 2;
    }
    std::error_code ignored;
    fs::remove_all(work, ignored);
    fs::create_directories(work);
    PrintHeader(stdout);
    work = fs::absolute(work).string();
    for (const Case& c : cases) {
        const std::string caseFolder = work + "/" + (c.oneList ? "one-list-" : "tree-") + std::to_string(c.items);
        const std::string input = caseFolder + "/input";
        fs::create_directories(input);
        GeneratedCollection made = GenerateCollection(input, CollectionRequest{seed, c.items, c.oneList});
        if (made.treePath.empty()) {
            std::fprintf(stderr, "cannot write the collection into %s\n", input.c_str());
            return 1;
        }
        Row row = MeasureCollection(made.treePath, caseFolder, runs);
        row.shape = c.oneList ? "one list" : "tree";
        row.items = made.items;
        row.folders = made.treeLines;
        row.inputMiB = made.bytes / (1024.0 * 1024.0);
        PrintRow(stdout, row);
        rows.push_back(row);
    }
    fs::remove_all(work, ignored);

    bool ok = std::all_of(rows.begin(), rows.end(), [](const Row& r) { return r.ok; });
    if (!tablePath.empty()) {
        std::FILE* out = std::fopen(tablePath.c_str(), "w");
        if (!out)
            return 1;
        PrintHeader(out);
        for (const Row& row : rows)
            PrintRow(out, row);
        std::fclose(out);
    }
    if (!dataPath.empty()) {
        std::FILE* out = std::fopen(dataPath.c_str(), "w");
        if (!out)
            return 1;
        std::fprintf(out, "# items import_s floor_s\n");
        for (const Row& row : rows)
            if (row.shape == "tree")
                std::fprintf(out, "%ld %.6f %.6f\n", row.items, row.engine, row.floor);
        std::fclose(out);
    }
    return ok ? 0 : 1;
}
