// The detection exactly as its steps read, with no shortcut: the whole content
// in one buffer, every probe cutting a run, turning it into a text (which ends
// at a zero byte) and comparing. Slow on purpose; the engine must agree with
// it on every content. Its rule table is written out again here, apart from
// the engine's, so a slip in either shows up as a difference.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace realsuffix::reference {

inline bool matchesAt(const std::string& content, std::int64_t position, const std::string& signature) {
    const std::int64_t length = static_cast<std::int64_t>(content.size());
    std::int64_t start = position - 1;
    if (start < 0) start = 0;
    if (start > length) start = length;
    std::int64_t count = static_cast<std::int64_t>(signature.size());
    if (count > length - start) count = length - start;
    const std::string run = content.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count));
    const std::string text(run.c_str());  // ends before the first zero byte
    return text == signature;
}

struct Rule {
    std::vector<std::string> signatures;
    std::int64_t first;
    std::int64_t last;  // -1: the content's length
    std::string result;
};

inline const std::vector<Rule>& rules() {
    static const std::vector<Rule> kRules = {
        {{".RMF"}, 1, 1, ".rmvb"},       {{"mp4", "M4V"}, 1, 50, ".mp4"},
        {{"AVI"}, 1, 20, ".AVI"},        {{"0&"}, 1, 1, ".wmv"},
        {{"3gp4"}, 1, 24, ".3gp"},       {{"FLV"}, 1, 1, ".flv"},
        {{"ID3"}, 1, 1, ".mp3"},         {{"WAV"}, 1, 20, ".wav"},
        {{"JFIF"}, 7, 7, ".jpg"},        {{"PNG"}, 2, 2, ".png"},
        {{"GIF"}, 1, 1, ".gif"},         {{"BM"}, 1, 1, ".bmp"},
        {{"AC101"}, 1, 1, ".dwg"},       {{"MZ"}, 1, 1, "\x2E\x64\x6C\x6C\xBB\xF2\x2E\x65\x78\x65"},
        {{"REG"}, 1, 1, ".reg"},         {{"CNWTEPRG"}, 1, 1, ".e"},
        {{"Rar"}, 1, 1, ".rar"},         {{"PK"}, 1, 1, ".zip"},
        {{"Word"}, 1, -1, ".doc"},       {{"Excel"}, 1, -1, ".xls"},
        {{"From"}, 1, 1, ".mht"},        {{"ITSF"}, 1, 1, ".chm"},
        {{"%PDF"}, 1, 1, ".pdf"},
    };
    return kRules;
}

inline const std::string kUnknown = "\xCE\xDE\xB7\xA8\xC5\xD0\xB6\xCF\x21";

inline std::string detect(const std::string& content) {
    const std::int64_t length = static_cast<std::int64_t>(content.size());
    for (const Rule& rule : rules()) {
        const std::int64_t last = rule.last < 0 ? length : rule.last;
        for (std::int64_t position = rule.first; position <= last; ++position) {
            for (const std::string& signature : rule.signatures) {
                if (matchesAt(content, position, signature)) return rule.result;
            }
        }
    }
    return kUnknown;
}

}  // namespace realsuffix::reference
