// realsuffix-bench [--size-mib N] [--rounds N] [--data-dir DIR]
//
// Times the detection and its peers (cat, grep, file, and a naive whole-file
// model of the rules) on the same files and prints each figure beside its
// goal. It asserts nothing: timings depend on the machine and its load.
//
// The files are made once under the data folder and reused while their size
// is right. Within a round every contender runs once, in turn, so that a busy
// spell of the machine hits them all alike; the figures are medians.
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "detect/signature_chain.h"
#include "detect/suffix_detector.h"
#include "tests/detect/reference_detector.h"
#include "texts/gbk_texts.h"

extern char** environ;

namespace {

using namespace std::string_view_literals;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;
constexpr int kSmallFileCount = 10000;
constexpr std::size_t kSmallFileBytes = 4096;
// The naive model takes about a minute per GiB that it scans whole; on a large
// file it runs over this much of the front and its time is scaled up.
constexpr std::uint64_t kNaiveSampleMiB = 64;
// Detections of the file starting "PK" per timed sample: one takes microseconds.
constexpr int kHeadDecisionsPerSample = 1000;

struct Options {
    std::uint64_t sizeMiB = 1024;
    int rounds = 5;
    std::string dataDir = REALSUFFIX_BENCH_DATA_DIR;
};

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "realsuffix-bench: %s: %s\n", what.c_str(), std::strerror(errno));
    std::exit(1);
}

// Keeps results alive so that the timed calls can't be optimised away.
volatile std::size_t gSink = 0;

// ---------------------------------------------------------------------------
// Test data

// Pseudo-random bytes from a fixed seed (splitmix64): every run makes the
// same files.
class RandomBytes {
public:
    explicit RandomBytes(std::uint64_t seed = 0) : state_(0x5265616C53756678u + seed) {}

    void fill(char* dest, std::size_t count) {
        for (std::size_t done = 0; done < count; done += sizeof(std::uint64_t)) {
            const std::uint64_t word = next();
            std::memcpy(dest + done, &word, std::min(sizeof word, count - done));
        }
    }

private:
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    std::uint64_t state_;
};

// Random bytes hold "Word" about once in 4 GiB. This replaces the last byte
// of every whole-content keyword in `bytes` with a zero byte; no keyword holds
// one, so the change can't make a new keyword either.
void breakKeywords(std::span<char> bytes) {
    const std::string_view text(bytes.data(), bytes.size());
    for (std::string_view keyword : realsuffix::kScanKeywords) {
        for (std::size_t at = text.find(keyword); at != std::string_view::npos; at = text.find(keyword, at + 1))
            bytes[at + keyword.size() - 1] = '\0';
    }
}

std::uint64_t fileSize(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) ? static_cast<std::uint64_t>(info.st_size)
                                                                     : 0;
}

// Writes `sizeMiB` MiB: `head`, then random bytes, with no whole-content
// keyword anywhere. A temporary name until the end, so that an interrupted
// run leaves no file of the right size.
void writeLargeFile(const std::string& path, std::uint64_t sizeMiB, std::string_view head) {
    // Bytes kept from the previous MiB, so that a keyword straddling two of
    // them is seen (signatures are at most 8 bytes).
    constexpr std::size_t kCarry = 7;
    const std::string temporary = path + ".part";
    std::FILE* out = std::fopen(temporary.c_str(), "wb");
    if (out == nullptr) fail("can't write " + temporary);
    std::vector<char> buffer(kCarry + kMiB);
    char* const fresh = buffer.data() + kCarry;
    RandomBytes random;
    for (std::uint64_t mib = 0; mib < sizeMiB; ++mib) {
        random.fill(fresh, kMiB);
        if (mib == 0) std::memcpy(fresh, head.data(), head.size());
        breakKeywords(buffer);
        if (std::fwrite(fresh, 1, kMiB, out) != kMiB) fail("can't write " + temporary);
        std::memcpy(buffer.data(), fresh + kMiB - kCarry, kCarry);
    }
    if (std::fclose(out) != 0) fail("can't write " + temporary);
    if (std::rename(temporary.c_str(), path.c_str()) != 0) fail("can't rename " + temporary);
}

void ensureLargeFile(const std::string& path, std::uint64_t sizeMiB, std::string_view head) {
    if (fileSize(path) == sizeMiB * kMiB) return;
    std::fprintf(stderr, "making %s (%llu MiB)\n", path.c_str(), static_cast<unsigned long long>(sizeMiB));
    writeLargeFile(path, sizeMiB, head);
}

// What the small files hold, in turn: random bytes behind a head, with a
// keyword as the last bytes or none. The first five are decided by their
// head; the others are scanned to the end.
struct SmallFileKind {
    std::string_view head;
    std::string_view tail;
    bool decidedByHead = false;
};
constexpr SmallFileKind kSmallFileKinds[] = {
    {"RIFF\x24\x10\0\0AVI LIST"sv, ""sv, true},        // .AVI
    {"\x89PNG\r\n\x1A\n"sv, ""sv, true},                // .png
    {"\xFF\xD8\xFF\xE0\0\x10JFIF\0"sv, ""sv, true},     // .jpg
    {"MZ\x90\0\x03\0"sv, ""sv, true},                   // .dll or .exe
    {"PK\x03\x04\x14\0"sv, ""sv, true},                 // .zip
    {"%PDF-1.7\n"sv, ""sv},                             // .pdf
    {"%PDF-1.4\n"sv, "/Producer (Microsoft Word)"sv},  // .doc
    {"From: a@example.com\n"sv, "Excel"sv},             // .xls
    {"From: a@example.com\n"sv, ""sv},                  // .mht
    {""sv, ""sv},                                       // unknown
};

std::string smallFileContent(int index) {
    const SmallFileKind& kind = kSmallFileKinds[index % std::size(kSmallFileKinds)];
    std::string content(kSmallFileBytes, '\0');
    RandomBytes random(static_cast<std::uint64_t>(index) << 32);
    random.fill(content.data(), content.size());
    breakKeywords(content);
    content.replace(0, kind.head.size(), kind.head);
    content.replace(content.size() - kind.tail.size(), kind.tail.size(), kind.tail);
    return content;
}

std::vector<std::string> ensureSmallFiles(const std::string& folder) {
    fs::create_directories(folder);
    std::vector<std::string> paths;
    for (int index = 0; index < kSmallFileCount; ++index) {
        char name[16];
        std::snprintf(name, sizeof name, "/%05d", index);
        paths.push_back(folder + name);
        if (fileSize(paths.back()) == kSmallFileBytes) continue;
        const std::string content = smallFileContent(index);
        std::FILE* out = std::fopen(paths.back().c_str(), "wb");
        if (out == nullptr || std::fwrite(content.data(), 1, content.size(), out) != content.size() ||
            std::fclose(out) != 0)
            fail("can't write " + paths.back());
    }
    return paths;
}

// Writes the paths, each ended by a zero byte, for xargs -0.
std::string writePathList(const std::string& listPath, const std::vector<std::string>& paths) {
    std::FILE* out = std::fopen(listPath.c_str(), "wb");
    if (out == nullptr) fail("can't write " + listPath);
    for (const std::string& path : paths) std::fwrite(path.c_str(), 1, path.size() + 1, out);
    if (std::fclose(out) != 0) fail("can't write " + listPath);
    return listPath;
}

std::uint64_t diskBytesUnder(const std::string& folder) {
    std::uint64_t total = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        struct stat info {};
        if (::lstat(entry.path().c_str(), &info) == 0) total += static_cast<std::uint64_t>(info.st_blocks) * 512;
    }
    return total;
}

// ---------------------------------------------------------------------------
// The contenders

// Reads the whole file through one reused 1 MiB buffer; returns the bytes read.
std::uint64_t readThrough(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) fail("can't open " + path);
    static std::vector<char> buffer(kMiB);
    std::uint64_t total = 0;
    for (ssize_t got; (got = ::read(descriptor, buffer.data(), buffer.size())) > 0;) total += got;
    ::close(descriptor);
    return total;
}

// Runs a program with its output thrown away and waits for it; false when it
// couldn't be started.
bool runQuietly(const std::vector<std::string>& command) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    const int error = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) return false;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    // xargs says 127 when it can't start its command.
    return !(WIFEXITED(status) && WEXITSTATUS(status) == 127);
}

// The literal steps, with no shortcut: the file's first `limit` bytes read in
// one read into a fresh buffer, copied into the content buffer, then every
// probe of every rule in order, each cutting a run and making a text of it.
std::string detectNaively(const std::string& path, std::uint64_t limit = UINT64_MAX) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return realsuffix::reference::kUnknown;
    std::string bytes(std::min(fileSize(path), limit), '\0');
    std::size_t got = 0;
    for (ssize_t count; got < bytes.size() && (count = ::read(descriptor, &bytes[got], bytes.size() - got)) > 0;)
        got += static_cast<std::size_t>(count);
    ::close(descriptor);
    bytes.resize(got);
    const std::string content = bytes;
    return realsuffix::reference::detect(content);
}

std::string_view readable(std::string_view result) {
    if (result == realsuffix::texts::kUnknown) return "unknown";
    if (result == realsuffix::texts::kDllOrExe) return ".dll or .exe";
    return result;
}

// ---------------------------------------------------------------------------
// Timing and printing

// One way of doing the work, with its time per round. `run` returns false when
// it can't be done here (a program that isn't installed). A sample covers
// what `scale` turns into the figure: one file of a batch, or the whole of a
// file that was only partly scanned.
struct Contender {
    std::string name;
    std::string what;
    std::function<bool()> run;
    double scale = 1;
    std::string note = {};
    std::vector<double> samples = {};
    bool available = true;

    double seconds() const {
        std::vector<double> sorted = samples;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2] * scale;
    }
};

void runInterleavedRounds(std::vector<Contender>& contenders, int rounds) {
    for (int round = 0; round < rounds; ++round) {
        for (Contender& contender : contenders) {
            if (!contender.available) continue;
            const Clock::time_point start = Clock::now();
            contender.available = contender.run();
            contender.samples.push_back(std::chrono::duration<double>(Clock::now() - start).count());
        }
    }
}

std::string formatSeconds(double seconds) {
    char text[32];
    if (seconds < 1e-3)
        std::snprintf(text, sizeof text, "%.2f us", seconds * 1e6);
    else if (seconds < 10)
        std::snprintf(text, sizeof text, "%.1f ms", seconds * 1e3);
    else
        std::snprintf(text, sizeof text, "%.1f s", seconds);
    return text;
}

std::string formatRatio(double ratio) {
    char text[32];
    std::snprintf(text, sizeof text, ratio >= 100 ? "%.0fx" : "%.2fx", ratio);
    return text;
}

void printTimes(const std::vector<Contender>& contenders) {
    for (const Contender& contender : contenders) {
        const std::string time = contender.available ? formatSeconds(contender.seconds()) : "not available";
        std::printf("  %-7s %-50s %10s%s%s\n", contender.name.c_str(), contender.what.c_str(), time.c_str(),
                    contender.note.empty() ? "" : "  ", contender.note.c_str());
    }
}

enum class Goal { AtMost, AtLeast, Above, None };

// Prints the ratio of two contenders' times beside its goal, e.g.
// "engine / cat: 1.04x (goal <= 1.25x): met".
void printRatio(const Contender& top, const Contender& bottom, Goal goal, double limit) {
    std::printf("  %-24s ", (top.name + " / " + bottom.name + ":").c_str());
    if (!top.available || !bottom.available) {
        std::printf("not measured\n");
        return;
    }
    const double ratio = top.seconds() / bottom.seconds();
    const char* const sign = goal == Goal::AtMost ? "<=" : goal == Goal::AtLeast ? ">=" : ">";
    const bool met = goal == Goal::AtMost ? ratio <= limit : goal == Goal::AtLeast ? ratio >= limit : ratio > limit;
    if (goal == Goal::None)
        std::printf("%s (for the record)\n", formatRatio(ratio).c_str());
    else
        std::printf("%s (goal %s %gx): %s\n", formatRatio(ratio).c_str(), sign, limit, met ? "met" : "NOT met");
}

// The machine's load averages over 1, 5 and 15 minutes: other work skews the figures.
std::string loadAverages() {
    char text[64] = "unknown";
    if (std::FILE* in = std::fopen("/proc/loadavg", "r")) {
        float one = 0, five = 0, fifteen = 0;
        if (std::fscanf(in, "%f %f %f", &one, &five, &fifteen) == 3)
            std::snprintf(text, sizeof text, "%.2f %.2f %.2f", one, five, fifteen);
        std::fclose(in);
    }
    return text;
}

std::string sizeLabel(std::uint64_t sizeMiB) {
    return sizeMiB % 1024 == 0 ? std::to_string(sizeMiB / 1024) + " GiB" : std::to_string(sizeMiB) + " MiB";
}

// ---------------------------------------------------------------------------
// The three benchmarks

void benchFileMatchingNothing(const Options& options, const std::string& path) {
    const std::uint64_t sampleMiB = std::min(options.sizeMiB, kNaiveSampleMiB);
    std::string naiveAnswer;
    std::vector<Contender> contenders{
        {"engine", "detectRealSuffix(path), in this process",
         [&] { return gSink = realsuffix::detectRealSuffix(path.c_str()).size(), true; }},
        {"cat", "cat FILE >/dev/null, a process", [&] { return runQuietly({"cat", path}); }},
        {"grep", "grep -c -F -e Word -e Excel FILE, a process",
         [&] { return runQuietly({"grep", "-c", "-F", "-e", "Word", "-e", "Excel", path}); }},
        {"naive", "whole file in one buffer, literal probes",
         [&] { return naiveAnswer = detectNaively(path, sampleMiB * kMiB), true; },
         static_cast<double>(options.sizeMiB) / static_cast<double>(sampleMiB)},
    };
    if (sampleMiB < options.sizeMiB) {
        char note[80];
        std::snprintf(note, sizeof note, "(extrapolated from the first %llu MiB, x%g)",
                      static_cast<unsigned long long>(sampleMiB), contenders.back().scale);
        contenders.back().note = note;
    }
    runInterleavedRounds(contenders, options.rounds);

    std::printf("\n%s file that matches nothing (full scan), answers: engine %s, naive model %s\n",
                sizeLabel(options.sizeMiB).c_str(), std::string(readable(realsuffix::detectRealSuffix(path.c_str()))).c_str(),
                std::string(readable(naiveAnswer)).c_str());
    printTimes(contenders);
    printRatio(contenders[0], contenders[1], Goal::AtMost, 1.25);
    printRatio(contenders[2], contenders[0], Goal::AtLeast, 2);
    printRatio(contenders[3], contenders[0], Goal::None, 0);
}

void benchFileStartingPK(const Options& options, const std::string& path) {
    std::string naiveAnswer;
    std::vector<Contender> contenders{
        {"engine", "detectRealSuffix(path), in this process",
         [&] {
             for (int call = 0; call < kHeadDecisionsPerSample; ++call)
                 gSink = realsuffix::detectRealSuffix(path.c_str()).size();
             return true;
         },
         1.0 / kHeadDecisionsPerSample},
        {"read", "whole file, read() loop into a 1 MiB buffer", [&] { return gSink = readThrough(path), true; }},
        {"naive", "whole file in one buffer, literal probes",
         [&] { return naiveAnswer = detectNaively(path), true; }},
    };
    runInterleavedRounds(contenders, options.rounds);

    std::printf("\n%s file that begins \"PK\", answers: engine %s, naive model %s\n",
                sizeLabel(options.sizeMiB).c_str(), std::string(readable(realsuffix::detectRealSuffix(path.c_str()))).c_str(),
                std::string(readable(naiveAnswer)).c_str());
    printTimes(contenders);
    const double engineSeconds = contenders[0].seconds();
    std::printf("  %-24s %s (goal < 1 ms): %s\n", "engine:", formatSeconds(engineSeconds).c_str(),
                engineSeconds < 1e-3 ? "met" : "NOT met");
    printRatio(contenders[1], contenders[0], Goal::AtLeast, 1000);
    printRatio(contenders[2], contenders[0], Goal::None, 0);
}

void benchSmallFiles(const Options& options, const std::vector<std::string>& paths, const std::string& listPath) {
    std::size_t agreeing = 0;
    std::size_t decidedByHead = 0;
    for (std::size_t index = 0; index < paths.size(); ++index) {
        agreeing += realsuffix::detectRealSuffix(paths[index].c_str()) == detectNaively(paths[index]) ? 1 : 0;
        decidedByHead += kSmallFileKinds[index % std::size(kSmallFileKinds)].decidedByHead ? 1 : 0;
    }
    const double perFile = 1.0 / static_cast<double>(paths.size());
    std::vector<Contender> contenders{
        {"engine", "detectRealSuffix(path), in this process",
         [&] {
             for (const std::string& path : paths) gSink = realsuffix::detectRealSuffix(path.c_str()).size();
             return true;
         },
         perFile},
        {"file", "xargs -0 file -b (as few processes as fit)",
         [&] { return runQuietly({"xargs", "-0", "-a", listPath, "file", "-b"}); }, perFile},
        {"naive", "whole file in one buffer, literal probes",
         [&] {
             for (const std::string& path : paths) gSink = detectNaively(path).size();
             return true;
         },
         perFile},
    };
    runInterleavedRounds(contenders, options.rounds);

    std::printf("\n%zu files of %zu KiB (%zu decided by the head, %zu scanned to the end), time per file\n",
                paths.size(), kSmallFileBytes / 1024, decidedByHead, paths.size() - decidedByHead);
    std::printf("  engine and naive model agree on %zu of %zu files\n", agreeing, paths.size());
    printTimes(contenders);
    printRatio(contenders[1], contenders[0], Goal::Above, 1);
    printRatio(contenders[2], contenders[0], Goal::None, 0);
}

Options parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view flag = argv[i];
        const bool hasValue = i + 1 < argc;
        if (flag == "--size-mib" && hasValue && std::atoll(argv[i + 1]) > 0)
            options.sizeMiB = static_cast<std::uint64_t>(std::atoll(argv[++i]));
        else if (flag == "--rounds" && hasValue && std::atoi(argv[i + 1]) > 0)
            options.rounds = std::atoi(argv[++i]);
        else if (flag == "--data-dir" && hasValue)
            options.dataDir = argv[++i];
        else {
            std::fprintf(stderr,
                         "usage: realsuffix-bench [--size-mib N] [--rounds N] [--data-dir DIR]\n"
                         "  --size-mib N   size of the two large files (default 1024)\n"
                         "  --rounds N     interleaved rounds; figures are medians (default 5)\n");
            std::exit(2);
        }
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = parseOptions(argc, argv);
    fs::create_directories(options.dataDir);
    const std::string size = std::to_string(options.sizeMiB);
    const std::string matchingNothing = options.dataDir + "/nothing-" + size + "mib.bin";
    const std::string startingPK = options.dataDir + "/pk-" + size + "mib.bin";
    ensureLargeFile(matchingNothing, options.sizeMiB, "bench data: random bytes, no signature anywhere.\n");
    ensureLargeFile(startingPK, options.sizeMiB, "PK\x03\x04 bench data: random bytes after a zip header.\n");
    const std::vector<std::string> smallFiles = ensureSmallFiles(options.dataDir + "/small-4k");
    const std::string listPath = writePathList(options.dataDir + "/small-4k.list", smallFiles);

    // Every contender reads from the page cache, not from the disk.
    readThrough(matchingNothing);
    readThrough(startingPK);
    for (const std::string& path : smallFiles) readThrough(path);

    std::printf("realsuffix-bench: medians of %d interleaved rounds; data in %s\n", options.rounds,
                options.dataDir.c_str());
    std::printf("load average at the start: %s (%ld processors)\n", loadAverages().c_str(),
                ::sysconf(_SC_NPROCESSORS_ONLN));
    std::fflush(stdout);
    benchFileMatchingNothing(options, matchingNothing);
    std::fflush(stdout);
    benchFileStartingPK(options, startingPK);
    std::fflush(stdout);
    benchSmallFiles(options, smallFiles, listPath);
    std::printf("\nload average at the end: %s\n", loadAverages().c_str());
    std::printf("disk use of %s: %.0f MiB\n", options.dataDir.c_str(),
                static_cast<double>(diskBytesUnder(options.dataDir)) / kMiB);
    return 0;
}
