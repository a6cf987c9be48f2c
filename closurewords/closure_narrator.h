// The narrator of the closure family (closure8, closure12): every sentence their shows say about a
// digraph, its reachability matrix and Warshall's passes. A program calls one hook where an event
// of its algorithm happens; the narrator reads the matrices it was given and keeps what only the
// words need (the matrix before each pass, the pass that set each cell, what each walk reached).
//
//     start_closure_words(&adjacency[0][0], &closure[0][0], vertex_count, vertex_count, grid_columns, view);
//     if (file) closure_digraph_from_file(file->placed);
//     give_closure_legend(); give_closure_method();
//     draw_graph(); SDL_Flip(screen); say_digraph(); wait_step();
//     copy_adjacency_to_closure(); ... say_matrix_at_start(); wait_step();
//     said_pass_starts(); warshall_pass(k); ... say_pass_done(k);
//     draw_closure(); SDL_Flip(screen); say_closure(); wait_step();
#pragma once

// The matrices are n x n ints, row by row, with n at most this.
constexpr int most_closure_vertices = 16;

// How a show lays out its passes, which decides what is said, and when.
enum class PassView {
    all_in_one_picture,  // every pass drawn small in one picture, the passes said together
    one_per_step,        // a picture, a question and the words of each pass in a step of its own
};

// `adjacency` and `closure` stay the program's; the narrator only reads them: n x n cells of
// matrices whose rows are `row_length` ints apart.
void start_closure_words(const int* adjacency, const int* closure, int n, int row_length, int grid_columns,
                         PassView view);
// Says the digraph in use to the kit (for --print-graph) from the adjacency matrix given to
// start_closure_words, each vertex's arcs in number order, its vertices at x[v], y[v].
void say_closure_digraph_in_use(const int* x, const int* y);
// The digraph is the user's (--graph FILE), on no grid of the program's: its vertices stand where
// the file places them (`placed`) or on a circle.
void closure_digraph_from_file(bool placed);
void give_closure_legend();
// How the show's algorithm works and why, and its lines of pseudocode; once the digraph is built.
void give_closure_method();

// The first picture of a one-per-step show: a depth-first walk from every vertex.
void said_walk_done(int start, const int* visited);
void say_walks();

// The first picture of an all-in-one show: the digraph alone.
void say_digraph();
// Once the matrix has been copied from the digraph and drawn.
void say_matrix_at_start();
void said_pass_starts();
// In a one-per-step show, once the pass is drawn: its words and the question about it.
void say_pass_done(int k);
// Once the finished closure is drawn; an all-in-one show asks its question here.
void say_closure();
