// The gallery page of a recording: index.html beside the step pictures, showing them one at a time.
#pragma once

#include <string>

// The page for `steps` pictures named step-001.png, step-002.png, ... beside it.
std::string gallery_page(const char* program, bool seed_in_use, unsigned int seed, int steps);

// Writes `text` to a temporary file beside `path` and renames it over `path` only once it is
// complete, so that a failed write never leaves a half file behind.
bool write_whole_file(const std::string& path, const std::string& text, std::string& why);
