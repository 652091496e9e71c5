#pragma once

#include "platform/result.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Which file fault happened.
enum class FileFault {
    NoConverter, // the system cannot convert code page 932
    Unencodable, // a character the code page cannot hold
    Undecodable, // bytes that are not code page 932
    Read,        // the file could not be opened or read
    Write,       // the file could not be written or replaced
};

// Text files in code page 932 (Windows-31J), one value per line, lines ended by CR LF.
//
// Conversion runs through glibc's iconv "CP932". "～" (U+FF5E), "－" (U+FF0D), "①", "≦", "㎡",
// "∥", "￢", "―" and the half-width katakana round-trip. A few look-alikes are folded on the
// way out and come back as the code page's own character: "〜" (U+301C) → "～", "−" (U+2212) → "－",
// "‖" → "∥", "—" (U+2014) → "―", "¬" → "￢", "¥" → "\", "‾" → "~". Byte 0x5C reads as "\".

// A character that code page 932 cannot hold ("😀", "€", "ä") is a Fault naming it and its position.
Result<std::string> toCp932(std::string_view utf8);
// A byte sequence that is not code page 932 is a Fault naming the bytes and their position.
Result<std::string> fromCp932(std::string_view bytes);

// The whole file as UTF-8 lines. A line ends at CR LF or at a lone CR; a lone LF is a character of
// its line. A last line without an end counts, an end at the very end of the file adds no empty
// line. A line that cannot be decoded, or that holds a NUL byte, is an Undecodable fault carrying
// its line number.
Result<std::vector<std::string>> readLines(const std::string& path);
// Writes every line followed by CR LF through a temporary file in the same folder that then replaces
// the target. Nothing is written when a line cannot be encoded; on any failure the old file stays.
// Where the folder refuses new files but the target exists and may be written, the target is
// rewritten in place instead: a failure then puts the old bytes back where it can, and its message
// says when it could not.
Status writeLines(const std::string& path, const std::vector<std::string>& lines);

} // namespace platform
