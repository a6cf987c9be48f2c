// The printable worksheet of a show's questions and its answer key, as HTML with print styles, laid
// out page by page: every page fits the printable area of both A4 and US Letter with 12 mm margins,
// so that both papers print the same pages.
#pragma once

#include "cropped_picture.h"
#include "narration.h"

#include <map>
#include <string>
#include <vector>

struct SheetQuestion {
    int step = 0;             // the step whose picture answers it
    Question question;
    std::string answer_picture;  // that step's picture, a file beside the page
    std::vector<int> lines;      // the lines of the algorithm that step carried out
};

// Questions on consecutive steps, asked from one picture: the pictures in between would give away
// the answers before them, so they are in the key.
struct SheetRun {
    std::string picture;      // the picture on screen when the first is asked; empty: none
    std::vector<SheetQuestion> questions;
};

struct Worksheet {
    std::string program;
    bool seed_in_use = false;
    unsigned int seed = 0;
    int step_count = 0;       // 0 when not known
    std::vector<std::string> legend;
    Algorithm algorithm;      // how it works, and its lines
    std::vector<StateItem> lists;  // the neighbour lists the steps showed, each once
    GraphPlaces places;            // where the graph's vertices stand, for the key of their numbers
    int matrix_size = 0;           // the rows of the matrix the steps showed, for room to work it; 0: none
    std::string command;      // the command line that makes this sheet again
    std::vector<SheetRun> runs;
    std::map<std::string, CroppedPicture> pictures;  // every picture named above, by its file name
};

enum class Paper { any, a4, letter };

struct WorksheetPage {
    std::string html;
    int sheet_pages = 0;  // the questions' pages, the first pages
    int key_pages = 0;    // the answer key's, after them
};

// The sheet then its key, each page with the seed and the command that makes it again; the head
// says how many pages the questions take in <meta name="graphsteps-question-pages" content="N">. `any`
// leaves the paper to the printer dialog; a4 and letter name it for a PDF printer.
WorksheetPage worksheet_page(const Worksheet& sheet, Paper paper);

// The answers alone, in words, on as few pages as they take: for a teacher who marks a class's
// sheets. The answers of one sheet stand between the lines "<!-- begin answers -->" and "<!-- end
// answers -->", so that the answers of several sheets can be put on one page.
std::string answers_page(const Worksheet& sheet, Paper paper);

// Room to work the algorithm by hand after the questions, as an empty table: the matrix of a
// matrix algorithm, or the order a search discovers and finishes the vertices in. Empty `title`:
// none for this sheet.
struct WorkingRoom {
    std::string title;
    std::vector<std::string> rows, columns;  // the headings; every cell is left blank
};
WorkingRoom working_room_of(const Worksheet& sheet);

// The steps the key shows, each once, in the order of the questions they answer, with the caption
// that names them: "Step 6 of 10, which answers questions 4 and 5".
struct KeyPicture {
    std::string name, caption;
};
std::vector<KeyPicture> key_pictures(const Worksheet& sheet);

// "from seed 7" or "the same graph every time", for the words about a sheet.
std::string sheet_seed_words(const Worksheet& sheet);
