// components: the connected components of a fixed graph by repeated depth-first search, one pair of
// colours per component (discovered, finished); one key per step.
#include "kit.h"

#include <cstdio>

namespace {

constexpr int vertex_count = 11;

constexpr int vertex_x[vertex_count] = {200, 100, 400, 640, 100, 400, 240, 540, 300, 500, 200};
constexpr int vertex_y[vertex_count] = {40, 200, 40, 100, 400, 200, 300, 240, 400, 80, 200};

// Row v lists v's neighbours in the order the search examines them. Vertex 5 lists 0 but 0 does
// not list 5: the line {0, 5} is drawn once, and the search can never go from 0 to 5.
constexpr int degree[vertex_count] = {3, 3, 1, 2, 4, 3, 3, 2, 3, 2, 3};
constexpr int adjacency[vertex_count][vertex_count] = {
    {1, 2, 10}, {0, 4, 10}, {0},       {9, 7},    {1, 8, 6, 10}, {0, 8, 6},
    {8, 4, 5},  {3, 9},     {4, 5, 6}, {3, 7},    {0, 1, 4},
};

// Component k is discovered in slot 2k - 1 and finished in slot 2k.
enum Slot { black, red, green, blue, light_red, light_green, light_blue, yellow, grey, white };
constexpr int component_slots = 8;  // colours for four components

enum SearchState { undiscovered, discovered, finished };

int search_state[vertex_count];
int component[vertex_count];
int component_count;

// For the words only, never for the picture: the colours by slot, the path from the start of the
// current search to the vertex being searched, and each vertex's parent (-1 for a start or before
// discovery).
const char* const slot_name[] = {"black",       "red",        "green",  "blue", "light red",
                                 "light green", "light blue", "yellow", "grey", "white"};
constexpr int none = -1;
int stack[vertex_count];
int stack_size;
int parent[vertex_count] = {none, none, none, none, none, none, none, none, none, none, none};

void say_state() {
    explain_list("Depth-first stack (bottom to top)", stack, stack_size);
    explain_table("Component of each vertex", "vertex", "component", component, vertex_count, 0);
}

// Asked before the step that starts a search at v, when an earlier search has finished: the start
// is the lowest-numbered vertex that no search has reached, every lower one being in a component.
// (The first search starts at 0, which the opening step says already.)
void ask_next_start(int v) {
    ask(AnswerKind::vertex, "Component %d is complete. Which vertex starts the next component?",
        component_count - 1);
    char lower[8 * vertex_count] = "";
    for (int w = 0, used = 0; w < v; ++w) used = join_words(lower, sizeof lower, used, w, v, w);
    char earlier[48];
    if (component_count == 2)
        std::snprintf(earlier, sizeof earlier, "component 1");
    else
        std::snprintf(earlier, sizeof earlier, "components 1 %s %d", component_count == 3 ? "and" : "to",
                      component_count - 1);
    answer(v, "Vertex %d is the lowest-numbered vertex that no search has reached (%s %s in %s), so the next "
              "search starts there and begins component %d.", v, lower, v == 1 ? "is" : "are", earlier,
           component_count);
}

void map_palette() {
    const SDL_PixelFormat* format = screen->format;
    palette[white] = SDL_MapRGB(format, 255, 255, 255);
    palette[black] = SDL_MapRGB(format, 0, 0, 0);
    palette[red] = SDL_MapRGB(format, 255, 0, 0);
    palette[light_red] = SDL_MapRGB(format, 255, 100, 100);
    palette[green] = SDL_MapRGB(format, 0, 250, 0);
    palette[light_green] = SDL_MapRGB(format, 100, 250, 100);
    palette[blue] = SDL_MapRGB(format, 0, 0, 250);
    palette[light_blue] = SDL_MapRGB(format, 100, 100, 250);
    palette[yellow] = SDL_MapRGB(format, 255, 255, 0);
    palette[grey] = SDL_MapRGB(format, 200, 200, 200);
}

// A fifth component would run past the eight component colours (slot 9 is the background): the
// colours then start again from the first pair rather than reading outside the table.
int discovered_slot(int k) { return (2 * k - 2) % component_slots + 1; }
int finished_slot(int k) { return discovered_slot(k) + 1; }

void draw_graph() {
    for (int v = 0; v < vertex_count; ++v)
        for (int j = 0; j < degree[v]; ++j) {
            const int w = adjacency[v][j];
            draw_thick_line(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], 0, palette[black]);
        }
    for (int v = 0; v < vertex_count; ++v) fill_disc(vertex_x[v], vertex_y[v], 4, palette[black]);
    for (int v = 0; v < vertex_count; ++v) draw_label(vertex_x[v] - 25, vertex_y[v] - 2, "%d", v);
}

// Each call shows two screens of its own: the discovery disc and, after the subtree, the
// finishing disc. The tree line to a new vertex shows together with that vertex's discovery disc.
void visit(int v) {
    const int k = component_count;
    search_state[v] = discovered;
    component[v] = k;
    fill_disc(vertex_x[v], vertex_y[v], 7, palette[discovered_slot(k)]);
    stack[stack_size++] = v;
    if (parent[v] == none)
        explain("Vertex %d has not been reached by any earlier search, so a new depth-first search starts "
                "there: it is discovered (%s disc) and begins component %d.", v,
                slot_name[discovered_slot(k)], k);
    else
        explain("Edge %d-%d leads to undiscovered vertex %d: a tree edge (thick line). The search goes "
                "down to %d, which is discovered (%s disc) and joins component %d.", parent[v], v, v, v,
                slot_name[discovered_slot(k)], k);
    say_state();
    SDL_Flip(screen);
    wait_step();

    for (int j = 0; j < degree[v]; ++j) {
        const int w = adjacency[v][j];
        if (search_state[w] != undiscovered) continue;
        draw_thick_line(vertex_x[v], vertex_y[v], vertex_x[w], vertex_y[w], 4, palette[black]);
        parent[w] = v;
        visit(w);
    }

    search_state[v] = finished;
    fill_disc(vertex_x[v], vertex_y[v], 11, palette[finished_slot(component[v])]);
    --stack_size;
    // Every neighbour but the parent was skipped or searched from here: none is undiscovered now.
    {
        char others[8 * vertex_count] = "";
        int count = 0, used = 0;
        for (int j = 0; j < degree[v]; ++j)
            if (adjacency[v][j] != parent[v]) ++count;
        for (int j = 0, i = 0; j < degree[v]; ++j)
            if (adjacency[v][j] != parent[v])
                used = join_words(others, sizeof others, used, i++, count, adjacency[v][j]);
        if (count == 0)
            explain("Vertex %d has no neighbour besides its parent,", v);
        else
            explain("Vertex %d has no undiscovered neighbour left (%s %s discovered),", v, others,
                    count == 1 ? "is" : count == 2 ? "are both" : "are all");
        if (parent[v] != none) {
            explain("so it is finished (%s disc) and the search goes back to its parent %d.",
                    slot_name[finished_slot(component[v])], parent[v]);
        } else {
            int size = 0;
            for (int w = 0; w < vertex_count; ++w) size += component[w] == component[v];
            explain("so it is finished (%s disc). It is where this search started, so component %d is "
                    "complete with %d vertices.", slot_name[finished_slot(component[v])], component[v],
                    size);
        }
    }
    say_state();
    SDL_Flip(screen);
    wait_step();
}

}  // namespace

int main(int argc, char* argv[]) {
    start_frame(argc, argv,
                {"components", "connected components by repeated depth-first search", false});
    map_palette();
    SDL_FillRect(screen, nullptr, palette[white]);
    open_labels(20);
    use_line_routine(LineRoutine::unclipped);
    legend("thin black line and small black dot: an edge and an undiscovered vertex; the number left "
           "of a vertex is its vertex number");
    legend("thick black line: a tree edge, along which a search went to a new vertex");
    for (int k = 1; k <= component_slots / 2; ++k) {
        char entry[160];
        std::snprintf(entry, sizeof entry,
                      "%s disc: a discovered vertex of component %d; larger %s disc: a finished vertex "
                      "of component %d", slot_name[discovered_slot(k)], k, slot_name[finished_slot(k)], k);
        legend(entry);
    }

    draw_graph();
    explain("This graph has %d vertices. Taking the vertices in increasing order, a depth-first search "
            "starts from each one that no earlier search has reached; each search covers one connected "
            "component, drawn in its own pair of colours.", vertex_count);
    for (int v = 0; v < vertex_count; ++v)
        for (int j = 0; j < degree[v]; ++j) {
            const int w = adjacency[v][j];
            bool back = false;
            for (int i = 0; i < degree[w]; ++i) back = back || adjacency[w][i] == v;
            if (!back)
                explain("The line %d-%d is listed only at vertex %d, so a search can follow it from %d "
                        "but never from %d.", w, v, v, v, w);
        }
    SDL_Flip(screen);
    wait_step();

    component_count = 0;
    for (int v = 0; v < vertex_count; ++v) {
        if (search_state[v] != undiscovered) continue;
        ++component_count;
        if (component_count > 1) ask_next_start(v);
        visit(v);
    }

    ask(AnswerKind::number, "Component %d is complete. How many connected components does the graph have?",
        component_count);
    answer(component_count, "The graph has %d connected components: every vertex was reached by one of the %d "
                            "searches, so no vertex is left to start another.", component_count, component_count);
    draw_label(20, 450, "Number of connected components : %d", component_count);
    {
        char sets[32 * vertex_count] = "";
        int used = 0;
        for (int k = 1; k <= component_count; ++k) {
            const char* glue = k == 1 ? "" : k == component_count ? " and " : ", ";
            used += std::snprintf(sets + used, sizeof sets - used, "%s{", glue);
            for (int v = 0, i = 0; v < vertex_count; ++v)
                if (component[v] == k)
                    used += std::snprintf(sets + used, sizeof sets - used, "%s%d", i++ ? ", " : "", v);
            used += std::snprintf(sets + used, sizeof sets - used, "}");
        }
        explain("Every vertex is finished and belongs to a component: %d searches were started, so the "
                "graph has %d connected components, %s.", component_count, component_count, sets);
        explain_count("Number of connected components", component_count);
        explain_table("Component of each vertex", "vertex", "component", component, vertex_count, 0);
    }
    SDL_Flip(screen);
    wait_step();

    close_labels();
    return end_show();
}
