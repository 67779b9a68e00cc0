// brivane_artwork: draws every picture of Brivane and writes them under <repo>/resources/.
//
//   brivane_artwork <repo-root> [--preview <sidebar.bmp>] [--preview-settings <settings.bmp>]
//
// The output is the same on every run: nothing here depends on the time or on chance.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "resources/artwork/Artwork.h"
#include "ui/BitmapFile.h"

namespace brivane::artwork {

void Gallery::add(const std::string& path, ui::Bitmap bitmap) {
    pictures_[path] = std::move(bitmap);
}

void Gallery::addFile(const std::string& path, std::vector<std::uint8_t> bytes) {
    files_[path] = std::move(bytes);
}

const ui::Bitmap& Gallery::get(const std::string& path) const {
    const auto it = pictures_.find(path);
    if (it == pictures_.end()) throw std::logic_error("picture not drawn yet: " + path);
    return it->second;
}

namespace {

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

void writeText(const std::filesystem::path& path, const std::string& text) {
    writeFile(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

int usage() {
    std::fprintf(stderr,
                 "usage: brivane_artwork <repo-root> [--preview <sidebar.bmp>] "
                 "[--preview-settings <settings.bmp>]\n");
    return 2;
}

}  // namespace

}  // namespace brivane::artwork

int main(int argc, char** argv) {
    using namespace brivane::artwork;
    std::string root;
    std::string preview;
    std::string settingsPreviewPath;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--preview" && i + 1 < argc) {
            preview = argv[++i];
        } else if (arg == "--preview-settings" && i + 1 < argc) {
            settingsPreviewPath = argv[++i];
        } else if (!arg.empty() && arg[0] != '-' && root.empty()) {
            root = arg;
        } else {
            return usage();
        }
    }
    if (root.empty()) return usage();

    try {
        Gallery gallery;
        drawSkin(gallery);
        drawPlayerButtons(gallery);
        drawShortcutIcons(gallery);
        drawSettingsWindow(gallery);
        drawProgramIcon(gallery);
        drawSlides(gallery);

        const std::filesystem::path resources = std::filesystem::path(root) / "resources";
        for (const auto& [path, bitmap] : gallery.pictures())
            writeFile(resources / path, brivane::ui::encodeBitmapFile(bitmap));
        for (const auto& [path, bytes] : gallery.files()) writeFile(resources / path, bytes);
        writeText(resources / "lclock.ini", clockSettingsText());
        std::printf("wrote %zu pictures and lclock.ini under %s\n",
                    gallery.pictures().size() + gallery.files().size(), resources.string().c_str());

        if (!preview.empty())
            writeFile(preview, brivane::ui::encodeBitmapFile(sidebarPreview(gallery)));
        if (!settingsPreviewPath.empty())
            writeFile(settingsPreviewPath, brivane::ui::encodeBitmapFile(settingsPreview(gallery)));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "brivane_artwork: %s\n", e.what());
        return 1;
    }
    return 0;
}
