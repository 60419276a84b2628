// Fuzz target for the shell-line rewrite: byte 0 picks the value's length, the rest is the file.
// The rewrite must give every line (CR, LF and CRLF each end one), each ending in CRLF, with
// only the shell lines replaced; the content has a shell line exactly when one was replaced.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "session/shell_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t valueLength = data[0] % 16;
    if (size - 1 < valueLength) return 0;
    const std::string value(reinterpret_cast<const char*>(data) + 1, valueLength);
    if (value.find_first_of("\r\n") != std::string::npos) return 0;
    const std::string_view content(reinterpret_cast<const char*>(data) + 1 + valueLength, size - 1 - valueLength);

    std::string expected;
    bool shellLine = false;
    for (std::size_t pos = 0; pos < content.size();) {
        const std::size_t end = std::min(content.find_first_of("\r\n", pos), content.size());
        const std::string_view line = content.substr(pos, end - pos);
        shellLine = shellLine || sd::IsShellLine(line);
        expected += (sd::IsShellLine(line) ? "shell=" + value : std::string(line)) + "\r\n";
        pos = content.substr(end, 2) == "\r\n" ? end + 2 : end + 1;
    }
    if (sd::RewriteShellLines(content, value) != expected || sd::HasShellLine(content) != shellLine) std::abort();
    return 0;
}
