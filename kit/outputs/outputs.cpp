// The one table of outputs. A new output is a new file defining its row, and one entry here.
#include "output.h"

namespace {
const Output* const table[] = {&pictures_output, &gif_output, &transcript_output, &worksheet_output, &window_output};
}

OutputTable all_outputs() { return {table, static_cast<int>(sizeof table / sizeof table[0])}; }
