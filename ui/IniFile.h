// A profile ("INI") file opened for reading. Opening only records the file's name and never
// fails; each read asks the system's profile reader, so a missing file shows only as values
// that are not there.
#pragma once

#include <string>

namespace brivane::ui {

class IniFile {
public:
    explicit IniFile(std::string fileName) : fileName_(std::move(fileName)) {}

    const std::string& fileName() const { return fileName_; }

    // The text of `key` in `section` as the profile reader delivers it (at most 2047
    // characters); `defaultText` when the file, the section or the key is missing.
    std::string readString(const std::string& section, const std::string& key,
                           const std::string& defaultText) const;

private:
    std::string fileName_;
};

}  // namespace brivane::ui
