// print_page FOLDER PAGE PDF a4|letter: prints an HTML page of the suite (a class's answer key)
// to PDF on the given paper, as the worksheets' own PDFs are printed, for ./demo --worksheets.
// The page stands in FOLDER beside the pictures it names; PDF appears whole or not at all.
#include "pdf_printer.h"
#include "platform.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr const char* any_paper_rule = "@page { margin: 12mm; }";

int refuse(const std::string& why) {
    std::fprintf(stderr, "print_page: %s\n", why.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5 || (std::strcmp(argv[4], "a4") != 0 && std::strcmp(argv[4], "letter") != 0)) {
        std::fprintf(stderr, "usage: print_page FOLDER PAGE PDF a4|letter\n");
        return 2;
    }
    std::ifstream page_file(argv[2], std::ios::binary);
    std::stringstream text;
    text << page_file.rdbuf();
    if (!page_file) return refuse(std::string("cannot read ") + argv[2]);
    std::string html = text.str();
    // The pages leave the paper to the print dialog; the PDF names it.
    const std::size_t rule = html.find(any_paper_rule);
    if (rule == std::string::npos) return refuse(std::string(argv[2]) + " is not a page of the suite's worksheets");
    const std::string paper = std::strcmp(argv[4], "a4") == 0 ? "A4" : "letter";
    html.replace(rule, std::strlen(any_paper_rule), "@page { size: " + paper + "; margin: 12mm; }");

    platform_catch_stop_signals();
    std::string why;
    switch (print_pdf(argv[1], html, argv[3], why)) {
        case Printed::done: return 0;
        case Printed::no_chromium: return refuse("chromium is not installed");
        case Printed::failed: return refuse("cannot make " + std::string(argv[3]) + ": " + why);
    }
    return 1;
}
