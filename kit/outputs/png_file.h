// A picture as a PNG file: 8-bit palette when it has at most 256 colours, as the pictures of the
// suite do, else 8-bit RGB. Either way the decoded pixels are exactly the picture's.
#pragma once

#include "cropped_picture.h"
#include "picture.h"

#include <string>

// Writes the file beside `path` and renames it into place once complete, so that a failure never
// leaves a partial picture under its name. False, with the reason in `why`, when it fails.
bool write_png(const std::string& path, const Picture& picture, std::string& why);
// A part of a picture, the same way.
bool write_png(const std::string& path, const CroppedPicture& picture, std::string& why);
