// The pure rewrite of system.ini's shell lines: bytes in, bytes out.
#pragma once

#include <string>
#include <string_view>

namespace sd {

// True for a line whose first five characters are exactly "shell" or "Shell".
bool IsShellLine(std::string_view line);

// True when some line of the content is a shell line.
bool HasShellLine(std::string_view content);

// True for a name that DOS can take as a file name without extension: one to eight
// characters, none of them a blank, a dot or one of "*+,/:;<=>?[\]| (letter case is free).
// Windows 95/98 start the shell= line's program through the 16-bit loader, which needs one.
bool IsValidShortBaseName(std::string_view name);

// Every line ends at CR, CRLF or a lone LF, as Windows' own INI reader splits them; each shell
// line becomes "shell=" + value; every output line ends with CRLF. An empty input stays empty.
std::string RewriteShellLines(std::string_view content, std::string_view value);

}  // namespace sd
