// The gallery page of a recording: index.html beside the step pictures, showing them one at a time.
#pragma once

#include <string>

// The page for `steps` pictures named step-001.png, step-002.png, ... beside it.
std::string gallery_page(const char* program, bool seed_in_use, unsigned int seed, int steps);
