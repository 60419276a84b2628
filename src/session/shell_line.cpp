// The pure rewrite of system.ini's shell lines.
#include "session/shell_line.h"

namespace sd {

bool IsShellLine(std::string_view line) {
    const std::string_view head = line.substr(0, 5);
    return head == "shell" || head == "Shell";
}

bool HasShellLine(std::string_view content) {
    // A line starts the content or follows a CR or LF; "shell" holds neither, so the five
    // characters from there are the line's own.
    for (std::size_t start = 0;; ++start) {
        if (IsShellLine(content.substr(start))) return true;
        start = content.find_first_of("\r\n", start);
        if (start == std::string_view::npos) return false;
    }
}

bool IsValidShortBaseName(std::string_view name) {
    if (name.empty() || name.size() > 8) return false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x21 || byte == 0x7F) return false;
        for (const char bad : std::string_view("\"*+,./:;<=>?[\\]|"))
            if (c == bad) return false;
    }
    return true;
}

std::string RewriteShellLines(std::string_view content, std::string_view value) {
    std::string out;
    out.reserve(content.size() + value.size() * 2 + 16);
    std::size_t pos = 0;
    while (pos < content.size()) {
        std::size_t end = content.find_first_of("\r\n", pos);
        const bool terminated = end != std::string_view::npos;
        if (!terminated) end = content.size();
        const std::string_view line = content.substr(pos, end - pos);
        if (IsShellLine(line)) {
            out += "shell=";
            out += value;
        } else {
            out += line;
        }
        out += "\r\n";
        pos = end;
        if (terminated) {
            const bool cr = content[pos] == '\r';
            ++pos;
            if (cr && pos < content.size() && content[pos] == '\n') ++pos;  // CRLF is one end
        }
    }
    return out;
}

}  // namespace sd
