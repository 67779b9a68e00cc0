// The artwork files the build embeds in the executable (generated from resources/).
#pragma once

#include <cstddef>

namespace brivane::ui {

struct EmbeddedFile {
    const char* name;  // the file name without its extension
    const unsigned char* data;
    std::size_t size;
};

// Each table ends with an entry whose name is null.
extern const EmbeddedFile embeddedResources[];       // the named image resources
extern const EmbeddedFile embeddedDesignPictures[];  // pictures of the window definitions
extern const EmbeddedFile embeddedIconImages[];      // the images of the program icon

}  // namespace brivane::ui
