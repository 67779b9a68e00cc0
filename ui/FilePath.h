// Splitting file paths at the platform's separators: "/" on Linux; "\" and ":" on Windows.
#pragma once

#include <string>

namespace brivane::ui {

#ifdef _WIN32
inline constexpr const char* PathSeparators = "\\:";
inline constexpr char PathDelimiter = '\\';
#else
inline constexpr const char* PathSeparators = "/";
inline constexpr char PathDelimiter = '/';
#endif

// The folder part of a path, up to and including its last separator ("" when it has none).
inline std::string extractFilePath(const std::string& path) {
    const auto at = path.find_last_of(PathSeparators);
    return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

// The file-name part of a path: everything after its last separator.
inline std::string extractFileName(const std::string& path) {
    const auto at = path.find_last_of(PathSeparators);
    return at == std::string::npos ? path : path.substr(at + 1);
}

}  // namespace brivane::ui
