// Reading a graph of the user's (--graph FILE): what a good file gives, and one line naming the
// file and line for each way a file can be wrong.
#include "graph_file.h"

#include <gtest/gtest.h>

namespace {

GraphRules undirected_rules() {
    GraphRules rules;
    rules.accepted = true;
    rules.min_vertices = 2;
    rules.max_vertices = 9;
    rules.left = 20, rules.top = 30, rules.right = 420, rules.bottom = 430;
    return rules;
}

TEST(GraphFile, ListsFollowTheFilesOrderAndAGraphWithoutPlacesStandsOnACircle) {
    Graph graph;
    std::string why;
    const std::string text = "# a square with a diagonal\n"
                             "vertex 2 # comments anywhere\r\n"
                             "vertex 0\n\n"
                             "vertex 1\n"
                             "vertex 3\n"
                             "edge 0 2\n"
                             "edge 3 0\n"
                             "edge 0 1\n"
                             "edge 1 2\n";
    ASSERT_TRUE(read_graph(text, "square.txt", undirected_rules(), graph, why)) << why;
    EXPECT_EQ(graph.vertex_count, 4);
    EXPECT_FALSE(graph.placed);
    EXPECT_EQ(graph.degree[0], 3);
    EXPECT_EQ((std::vector<int>{graph.adjacency[0][0], graph.adjacency[0][1], graph.adjacency[0][2]}), (std::vector<int>{2, 3, 1}));
    EXPECT_EQ((std::vector<int>{graph.adjacency[2][0], graph.adjacency[2][1]}), (std::vector<int>{0, 1}));
    // A circle of radius 200 about (220, 230): 0 at the top, then clockwise.
    EXPECT_EQ(graph.x[0], 220);
    EXPECT_EQ(graph.y[0], 30);
    EXPECT_EQ(graph.x[1], 420);
    EXPECT_EQ(graph.y[1], 230);
    EXPECT_EQ(graph.y[2], 430);

    GraphRules directed = undirected_rules();
    directed.directed = true;
    ASSERT_TRUE(read_graph("vertex 0 20 30\nvertex 1 420 430\narc 1 0\narc 0 1\n", "d.txt", directed, graph, why)) << why;
    EXPECT_TRUE(graph.placed);
    EXPECT_EQ(graph.degree[0], 1);
    EXPECT_EQ(graph.degree[1], 1);
    EXPECT_EQ(graph.x[1], 420);
}

TEST(GraphFile, EveryMistakeIsOneLineNamingTheFileAndLine) {
    struct Case {
        const char* text;
        const char* complaint;
    };
    const Case cases[] = {
        {"vertex 0\nvertex 1\nedge 0 1\nnode 2\n", "g.txt:4: 'node' is not 'vertex', 'edge' or 'arc'"},
        {"vertex 0\nvertex x\n", "g.txt:2: 'x' is not a vertex number (0, 1, 2, ...)"},
        {"vertex 0\nvertex -1\n", "g.txt:2: '-1' is not a vertex number (0, 1, 2, ...)"},
        {"vertex 0 1 2 3\n", "g.txt:1: a vertex line is 'vertex NUMBER' or 'vertex NUMBER X Y'"},
        {"vertex 9\n", "g.txt:1: vertex 9: this program draws at most 9 vertices, 0 to 8"},
        {"vertex 0\nvertex 1\nvertex 0\n", "g.txt:3: vertex 0 is given twice (first on line 1)"},
        {"vertex 0 10 40\n", "g.txt:1: vertex 0 at 10 40 is outside the area this program draws its vertices in, x 20 to 420 and y 30 to 430"},
        {"vertex 0 30 40\nvertex 1\n", "g.txt:2: give every vertex its place (vertex NUMBER X Y), or none: line 1 does otherwise"},
        {"vertex 0\nvertex 2\n", "g.txt:2: vertex 2 is given, but vertex 1 is not: the vertices are 0, 1, 2, ... with none left out"},
        {"vertex 0\n", "g.txt: the graph has 1 vertices; this program needs at least 2"},
        {"", "g.txt: the graph has 0 vertices; this program needs at least 2"},
        {"vertex 0\nvertex 1\narc 0 1\n", "g.txt:3: this program runs on an undirected graph: write 'edge U V'"},
        {"vertex 0\nvertex 1\nedge 0\n", "g.txt:3: an edge line is 'edge U V'"},
        {"vertex 0\nvertex 1\nedge 1 1\n", "g.txt:3: edge 1 1 joins a vertex to itself"},
        {"vertex 0\nvertex 1\nedge 0 5\n", "g.txt:3: edge 0 5: there is no vertex 5"},
        {"vertex 0\nvertex 1\nedge 0 1\nedge 1 0\n", "g.txt:4: edge 1 0 is given twice (first on line 3)"},
        {"edge 0 1\nedge 0 1\nvertex 0\nvertex 1\n", "g.txt:2: edge 0 1 is given twice (first on line 1)"},
        {"vertex 0 30 40\nvertex 1 30 40\n", "g.txt:2: vertex 1 stands where vertex 0 does (line 1): give each vertex a place of its own"},
        {"vertex 0\nvertex 1\nedge 0 1 # fine\n\x01\x02\n", "g.txt:4: '?" "?' is not 'vertex', 'edge' or 'arc'"},
    };
    for (const Case& c : cases) {
        Graph graph;
        std::string why;
        EXPECT_FALSE(read_graph(c.text, "g.txt", undirected_rules(), graph, why)) << c.text;
        EXPECT_EQ(why, c.complaint) << c.text;
    }

    // The program's own test names the line it found wanting.
    GraphRules rules = undirected_rules();
    rules.check = [](const Graph& graph, int& line, std::string& why) {
        line = graph.edge_line[0];
        why = "edge 0 1 is a bridge";
        return false;
    };
    Graph graph;
    std::string why;
    EXPECT_FALSE(read_graph("vertex 0\nvertex 1\n\nedge 0 1\n", "g.txt", rules, graph, why));
    EXPECT_EQ(why, "g.txt:4: edge 0 1 is a bridge");

    EXPECT_FALSE(read_graph_file("/nonexistent/g.txt", rules, graph, why));
    EXPECT_EQ(why, "/nonexistent/g.txt: cannot be read");
}

}  // namespace
