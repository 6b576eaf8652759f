// realsuffix-cli [-b] PATH...: prints the real suffix of each file, one line
// per path, "PATH: RESULT" (with -b the result alone).
#include <cstdio>
#include <cstring>
#include <string_view>

#include "detect/suffix_detector.h"
#include "texts/gbk_texts.h"

namespace {

constexpr const char* kUsage = "usage: realsuffix-cli [-b] PATH...\n";

// On Windows the console takes the ANSI bytes as they are. Elsewhere the
// terminal speaks UTF-8, and only two result texts are not ASCII.
std::string_view forDisplay(std::string_view result) {
#ifdef _WIN32
    return result;
#else
    if (result == realsuffix::texts::kDllOrExe) return ".dll\xE6\x88\x96.exe";  // .dll或.exe
    if (result == realsuffix::texts::kUnknown) return "\xE6\x97\xA0\xE6\xB3\x95\xE5\x88\xA4\xE6\x96\xAD!";  // 无法判断!
    return result;
#endif
}

void printLine(std::string_view path, std::string_view result, bool bare) {
    if (!bare) {
        std::fwrite(path.data(), 1, path.size(), stdout);
        std::fputs(": ", stdout);
    }
    std::fwrite(result.data(), 1, result.size(), stdout);
    std::fputc('\n', stdout);
}

}  // namespace

int main(int argc, char** argv) {
    bool bare = false;
    int first = 1;
    for (; first < argc && argv[first][0] == '-'; ++first) {
        if (std::strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        }
        if (std::strcmp(argv[first], "-b") != 0) {
            std::fputs(kUsage, stderr);
            return 2;
        }
        bare = true;
    }
    if (first >= argc) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    for (int i = first; i < argc; ++i) {
        printLine(argv[i], forDisplay(realsuffix::detectRealSuffix(argv[i])), bare);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
