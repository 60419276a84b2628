// Fuzz target for the shell-line rewrite: byte 0 picks the value's length, the rest is the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "session/shell_line.h"

namespace {

std::vector<std::string> Lines(std::string_view content) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < content.size()) {
        std::size_t end = content.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = content.size();
        lines.emplace_back(content.substr(pos, end - pos));
        pos = end + 1;
        if (end < content.size() && content[end] == '\r' && pos < content.size() && content[pos] == '\n') ++pos;
    }
    return lines;
}

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t valueLength = data[0] % 16;
    if (size - 1 < valueLength) return 0;
    const std::string value(reinterpret_cast<const char*>(data) + 1, valueLength);
    if (value.find_first_of("\r\n") != std::string::npos) return 0;
    const std::string_view content(reinterpret_cast<const char*>(data) + 1 + valueLength,
                                   size - 1 - valueLength);

    const std::string out = sd::RewriteShellLines(content, value);
    const std::vector<std::string> before = Lines(content);
    const std::vector<std::string> after = Lines(out);
    Check(before.size() == after.size());
    std::string joined;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (sd::IsShellLine(before[i]))
            Check(after[i] == "shell=" + value);
        else
            Check(after[i] == before[i]);
        joined += after[i] + "\r\n";
    }
    Check(joined == out);  // every line, and only lines, each ending in CRLF
    return 0;
}
