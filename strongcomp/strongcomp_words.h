// The words of strongcomp: one hook per event of the two passes, each saying what the picture
// shows from the passes' own state (two_passes.h). They draw nothing.
#pragma once

void give_strongcomp_legend();
void say_digraph();
// After first_pass(start) has grown one tree; the trees are said together with the pass.
void say_first_tree(int start);
// Asked once the first pass has run, before its picture is shown: the first and last to finish
// and one finishing time.
void ask_first_to_finish();
void say_first_pass();
void say_reversed_arcs();
// After second_pass(start) has found component component_number.
void say_component_found(int start);
// Asked once the second pass has run, before its picture is shown: one vertex's component, how
// many there are, and whether two vertices share one.
void ask_second_pass_questions();
void say_second_pass();
void say_back_to_digraph();
void say_components();
