#include "ui/Resources.h"

#include <algorithm>
#include <cctype>
#include <span>

#include "ui/BitmapFile.h"
#include "ui/EmbeddedFiles.h"

namespace brivane::ui {

namespace {

bool sameName(const char* a, const std::string& b) {
    const std::string_view left(a);
    return left.size() == b.size() &&
           std::equal(left.begin(), left.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

const EmbeddedFile* find(const EmbeddedFile* table, const std::string& name) {
    for (const EmbeddedFile* f = table; f->name != nullptr; ++f)
        if (sameName(f->name, name)) return f;
    return nullptr;
}

Bitmap decode(const EmbeddedFile& file) {
    return decodeBitmapFile(std::span<const std::uint8_t>(file.data, file.size));
}

}  // namespace

Bitmap loadResourceBitmap(const std::string& name) {
    const EmbeddedFile* file = find(embeddedResources, name);
    if (file == nullptr) throw ResourceError("Resource " + name + " not found");
    return decode(*file);
}

std::vector<std::string> resourceNames() {
    std::vector<std::string> names;
    for (const EmbeddedFile* f = embeddedResources; f->name != nullptr; ++f) names.emplace_back(f->name);
    return names;
}

Bitmap designPicture(const std::string& name) {
    const EmbeddedFile* file = find(embeddedDesignPictures, name);
    if (file == nullptr) throw ResourceError("Design picture " + name + " not found");
    return decode(*file);
}

std::vector<platform::IconImage> programIcon() {
    std::vector<platform::IconImage> images;
    for (const EmbeddedFile* f = embeddedIconImages; f->name != nullptr; ++f) {
        // The file names say the size and depth: icon48_32 is 48 x 48 at 32 bits per pixel.
        const std::string name(f->name);
        const auto underscore = name.find('_');
        Bitmap picture = decode(*f);
        platform::IconImage image;
        image.width = picture.width();
        image.height = picture.height();
        image.bitsPerPixel =
            underscore == std::string::npos ? 32 : std::atoi(name.c_str() + underscore + 1);
        image.pixels = picture.pixels();
        images.push_back(std::move(image));
    }
    std::stable_sort(images.begin(), images.end(), [](const auto& a, const auto& b) {
        return a.width != b.width ? a.width > b.width : a.bitsPerPixel > b.bitsPerPixel;
    });
    return images;
}

}  // namespace brivane::ui
