// The pure rewrite of system.ini's shell lines: bytes in, bytes out.
#pragma once

#include <string>
#include <string_view>

namespace sd {

// True for a line whose first five characters are exactly "shell" or "Shell".
bool IsShellLine(std::string_view line);

// Every line ends at CR, CRLF or a lone LF, as Windows' own INI reader splits them; each shell
// line becomes "shell=" + value; every output line ends with CRLF. An empty input stays empty.
std::string RewriteShellLines(std::string_view content, std::string_view value);

}  // namespace sd
