// Splitting the raw command line.
#include "platform/command_line.h"

namespace sd {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::string_view ArgumentsOf(std::string_view raw) {
    raw = Trim(raw);
    std::size_t end = 0;
    if (!raw.empty() && raw.front() == '"') {
        end = raw.find('"', 1);
        end = end == std::string_view::npos ? raw.size() : end + 1;
    } else {
        while (end < raw.size() && !IsBlank(raw[end])) ++end;
    }
    return Trim(raw.substr(end));
}

}  // namespace sd
