#include "ui/IniFile.h"

#include <algorithm>

#include "platform/winapi.h"

namespace brivane::ui {

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& defaultText) const {
    char buffer[2048];
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultText.c_str(),
                                                  buffer, sizeof buffer, fileName_.c_str());
    return std::string(buffer, std::min<DWORD>(length, sizeof buffer - 1));
}

}  // namespace brivane::ui
