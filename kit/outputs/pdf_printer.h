// Printing an HTML page to PDF with Chromium's headless print (Debian's chromium), the paper size
// taken from the page's @page rule.
#pragma once

#include <string>

enum class Printed { done, no_chromium, failed };

// Prints `html` (the page's text, whose pictures are files in `folder`) to `pdf_path`, which
// appears whole or not at all. The page is written into the folder under a temporary name for
// the print, and removed after it. no_chromium when there is no `chromium` on PATH; failed, with
// the reason in `why`, when it could not print, a stop signal came, or it took longer than
// `seconds`.
Printed print_pdf(const std::string& folder, const std::string& html, const std::string& pdf_path, std::string& why,
                  int seconds = 120);

// The chromium that print_pdf runs, from PATH; empty when there is none.
std::string chromium_path();
