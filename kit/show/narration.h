// What a step says about itself: a sentence or two in the algorithm's own terms, and the state
// worth seeing as data. A program says it just before the wait_step that shows the step; the
// show hands it to the outputs with the picture and clears it for the next step.
#pragma once

#include <string>
#include <vector>

struct StateItem {
    enum class Kind { list, table, matrix, count };
    Kind kind;
    std::string title;
    std::string key_heading, value_heading;  // table: the two columns
    std::vector<int> values;                 // list; table (row k is vertex k); matrix (row by row); count
    std::vector<int> before;                 // matrix: the cells as they were, to mark the changed ones
    int size = 0;                            // matrix: rows and columns
    int blank = 0;                           // table: a value shown as "-"
};

struct Narration {
    std::string sentence;
    std::vector<StateItem> state;
};
