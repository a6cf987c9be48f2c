// The table of outputs in the browser: the transcript (--explain, on the page) and the window, the
// page's canvas. A page has no folder to write pictures, a GIF or a worksheet into, so --record,
// --gif and --worksheet are refused in one line that says where they can be had, rather than
// quietly doing nothing.
#include "output.h"

namespace {

bool asks_for_files(const Settings& settings) { return settings.unattended(); }

bool refuse(const Settings& settings, const char*, std::string& why) {
    const char* option = !settings.record_folder.empty() ? "--record"
                         : !settings.worksheet_folder.empty() ? "--worksheet"
                                                              : "--gif";
    why = std::string(option) + " writes files, which a program in the browser cannot: run the desktop program for it";
    return false;
}

Outcome no_step(const Step&, std::string&) { return Outcome::go_on; }
bool nothing_to_finish(std::string&) { return true; }
void nothing_to_discard() {}

const Output refused_files_output{"files", asks_for_files, never, refuse, no_step, nullptr, nothing_to_finish, nothing_to_discard};

const Output* const table[] = {&refused_files_output, &transcript_output, &window_output};

}  // namespace

OutputTable all_outputs() { return {table, static_cast<int>(sizeof table / sizeof table[0])}; }
