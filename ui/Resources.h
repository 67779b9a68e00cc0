// The artwork embedded in the executable: the named image resources (found by name without
// regard to case and decoded afresh on every load), the pictures of the window definitions, and
// the images of the program icon.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "ui/Bitmap.h"

namespace brivane::ui {

class ResourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decodes the named image resource; an unknown name raises ResourceError.
Bitmap loadResourceBitmap(const std::string& name);
// The names of every image resource.
std::vector<std::string> resourceNames();

// A picture stored with a window definition, by its file name (e.g. "slideimg").
Bitmap designPicture(const std::string& name);

// Every image of the program icon, largest first.
std::vector<platform::IconImage> programIcon();

}  // namespace brivane::ui
