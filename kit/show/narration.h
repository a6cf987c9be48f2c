// What a step says about itself: a sentence or two in the algorithm's own terms, and the state
// worth seeing as data. A program says it just before the wait_step that shows the step; the
// show hands it to the outputs with the picture and clears it for the next step.
#pragma once

#include <string>
#include <vector>

struct StateItem {
    enum class Kind { list, table, matrix, count, lists };
    Kind kind;
    std::string title;
    std::string key_heading, value_heading;  // table: the two columns
    std::vector<int> values;                 // list; table (row k is vertex k); matrix (row by row); count
    std::vector<int> before;                 // matrix: the cells as they were, to mark the changed ones
    int size = 0;                            // matrix: rows and columns
    int blank = 0;                           // table: a value shown as "-"
    std::vector<std::vector<int>> rows;      // lists: row k is vertex k's list, in its order
};

// What kind of thing the answer to a question is: the student names it, rather than picking one of
// several offered answers.
enum class AnswerKind {
    vertex,          // a vertex number
    vertex_or_back,  // a vertex number, or "b": no new vertex, the search goes back
    vertices,        // a set of vertex numbers, in any order
    number,          // a count or a length
    yes_no,          // "y" or "n"
    edge_kind,       // "t" for a tree edge, "b" for a back edge
    table,           // one number per column, in order; answers::none is "-"
};

// The values an answer of each kind holds.
namespace answers {
constexpr int none = -1;       // table: a cell with no value
constexpr int goes_back = -1;  // vertex_or_back: no new vertex
constexpr int no = 0, yes = 1;
constexpr int tree_edge = 0, back_edge = 1;
}  // namespace answers

// A question that the step's picture answers, for --predict: put before the picture is shown.
struct Question {
    AnswerKind kind = AnswerKind::number;
    std::string text;          // empty: the step asks nothing
    bool answered = false;     // the program has said the answer
    std::vector<int> answer;   // one value; for `vertices` the set, smallest first
    std::string reason;        // one sentence: why that is the answer, naming it
    std::string row_title;             // table: what the row holds ("parent")
    std::vector<std::string> columns;  // table: the columns' headings ("vertex 0", ...)
};

struct Narration {
    std::string sentence;
    std::vector<StateItem> state;
    Question question;
    std::vector<int> lines;  // the lines of the algorithm the step carried out, from 1, in order
};

// What a program says once, before its first step, about the algorithm it shows.
struct Algorithm {
    std::string how;                 // the idea, what stays true, why the result is right, its cost
    std::vector<std::string> lines;  // its pseudocode: line k (from 1) is lines[k - 1]; spaces indent
};
