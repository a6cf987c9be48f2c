// Every step of every program against its golden picture and words: the digest of each recorded
// step's pixels must equal the one in golden/digests.txt, and the transcript golden/RUN/steps.txt.
// The same show with --predict must draw the same pictures and give golden/RUN/predict.txt (its
// questions and answers among the words) and golden/RUN/steps.json (the data the step page and the
// worksheets read); numbering's step page must be golden/numbering/index.html; two programs are
// held in the safe palette too (golden/RUN-safe). On a mismatch of pixels the actual, expected and
// difference pictures are written under golden-failures/ in the build folder, and the step is
// named. After a deliberate change, re-bless with tools/bless-golden and read the diff. The golden
// steps.json is also checked against what its words promise (steps_check.js).
#include "recording.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string golden_folder = SOURCE_DIR "/tests/golden";
const std::string digest_table = golden_folder + "/digests.txt";

// One recorded show: a program, at one of its seeds when it draws a random graph, or on a graph of
// examples/.
struct Show {
    std::string program;
    std::string seed;  // empty for a fixed graph
    int steps;         // as programs.list says; 0 on a graph of examples/, whose count is its own
    bool safe_palette = false;
    std::string graph;  // examples/GRAPH.txt; empty: the program's own
    std::string name() const {
        if (!graph.empty()) return program + "-" + graph;
        return (seed.empty() ? program : program + "-" + seed) + (safe_palette ? "-safe" : "");
    }
    std::string arguments() const {
        if (!graph.empty()) return "--graph '" SOURCE_DIR "/examples/" + graph + ".txt'";
        return (seed.empty() ? "" : "--seed " + seed) + (safe_palette ? " --palette safe" : "");
    }
};

// The safe palette renames every colour the words use and redraws every coloured pixel: numbering
// names all seven tree-edge colours, dfsedges draws green on yellow, the pair it exists for.
constexpr const char* held_in_safe_palette[] = {"numbering", "dfsedges"};
// The step page is one page for every program; numbering's stands for them.
constexpr char page_kept_for[] = "numbering";
// One graph of a teacher's for each family of programs, from examples/.
constexpr const char* user_graph_runs[][2] = {{"numbering", "undirected-lecture"}, {"components", "components-three"},
                                              {"orientgrid", "orientgrid-ring"}, {"strongcomp", "digraph-two-cycles"},
                                              {"closure8", "digraph-two-cycles"}};

// The one run whose step page is held: numbering on its own graph.
bool keeps_page(const Show& run) { return run.program == page_kept_for && run.seed.empty() && run.graph.empty(); }

void PrintTo(const Show& show, std::ostream* out) { *out << show.name(); }

std::string read_text(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every program of programs.list at each of its seeds.
std::vector<Show> all_runs() {
    std::vector<Show> runs;
    for (const ListedProgram& program : listed_programs()) {
        if (program.seeds.empty()) runs.push_back({program.name, "", program.steps, false, ""});
        for (const std::string& seed : program.seeds) runs.push_back({program.name, seed, program.steps, false, ""});
    }
    for (const ListedProgram& program : listed_programs())
        for (const char* name : held_in_safe_palette)
            if (program.name == name) runs.push_back({program.name, "", program.steps, true, ""});
    for (const auto& [program, graph] : user_graph_runs) runs.push_back({program, "", 0, false, graph});
    return runs;
}

// FNV-1a over the pixels' red, green and blue bytes, row by row.
std::string digest(const Picture& picture) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const Rgb& p : picture.pixels)
        for (const std::uint8_t byte : {p.r, p.g, p.b}) hash = (hash ^ byte) * 0x100000001b3ull;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// The table: "RUN STEP DIGEST" lines after its comment.
struct Table {
    std::vector<std::string> comment;
    std::map<std::string, std::vector<std::string>> digests;  // by run, step 1 first
};

Table read_table() {
    Table table;
    std::ifstream in(digest_table);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            table.comment.push_back(line);
            continue;
        }
        std::istringstream fields(line);
        std::string run, step, hash;
        fields >> run >> step >> hash;
        table.digests[run].push_back(hash);
    }
    return table;
}

void write_table(const Table& table) {
    const std::string temporary = digest_table + ".tmp";
    {
        std::ofstream out(temporary);
        for (const std::string& line : table.comment) out << line << "\n";
        for (const Show& run : all_runs()) {
            const auto found = table.digests.find(run.name());
            if (found == table.digests.end()) continue;
            for (std::size_t k = 0; k < found->second.size(); ++k) {
                char step[24];
                std::snprintf(step, sizeof step, "%03zu", k + 1);
                out << run.name() << " " << step << " " << found->second[k] << "\n";
            }
        }
        ASSERT_TRUE(out.good()) << "cannot write " << temporary;
    }
    fs::rename(temporary, digest_table);
}

void write_rgb_png(const std::string& path, const Picture& picture) {
    std::vector<std::uint8_t> bytes;
    for (const Rgb& p : picture.pixels) bytes.insert(bytes.end(), {p.r, p.g, p.b});
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_RGB;
    EXPECT_TRUE(png_image_write_to_file(&image, path.c_str(), 0, bytes.data(), 0, nullptr))
        << "cannot write " << path;
}

// The expected picture faded, with every pixel that differs in magenta.
Picture difference(const Picture& actual, const Picture& expected) {
    Picture shown = expected;
    for (std::size_t i = 0; i < shown.pixels.size(); ++i) {
        Rgb& p = shown.pixels[i];
        if (i < actual.pixels.size() && actual.pixels[i] == p) {
            p = {static_cast<std::uint8_t>(191 + p.r / 4), static_cast<std::uint8_t>(191 + p.g / 4),
                 static_cast<std::uint8_t>(191 + p.b / 4)};
        } else {
            p = {255, 0, 255};
        }
    }
    return shown;
}

std::string step_name(std::size_t k) {
    char name[32];
    std::snprintf(name, sizeof name, "step-%03zu", k + 1);
    return name;
}

class Golden : public ::testing::TestWithParam<Show> {};

// A golden text file against what the program wrote; "what" names it in the failure.
void expect_golden_text(const std::string& actual, const std::string& path, const std::string& what) {
    EXPECT_EQ(actual, read_text(path)) << what << " changed; compare " << path;
}

void write_text(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    ASSERT_TRUE(out.good()) << "cannot write " << path;
}

TEST_P(Golden, EveryStepHasItsGoldenPixels) {
    const Show& run = GetParam();
    const Recording recording = record(run.program, run.arguments());
    ASSERT_EQ(recording.run.exit_status, 0) << recording.run.err;
    if (run.graph.empty()) {
        ASSERT_EQ(static_cast<int>(recording.steps.size()), run.steps) << run.name() << ": steps recorded and in programs.list";
    }
    const std::string expected_folder = golden_folder + "/" + run.name();
    // The predicting show: --explain too, so that standard output can be held to the file.
    Recording predicting;
    if (!run.safe_palette) {
        predicting = record(run.program, "--explain --predict " + run.arguments());
        ASSERT_EQ(predicting.run.exit_status, 0) << predicting.run.err;
    }

    if (std::getenv("GRAPHSTEPS_BLESS") != nullptr) {
        // The program writes its own pictures into the golden folder.
        fs::remove_all(expected_folder);
        const ProgramRun blessed =
            run_in("/tmp", "'" + program_path(run.program) + "' --record '" + expected_folder + "' " + run.arguments());
        ASSERT_EQ(blessed.exit_status, 0) << blessed.err;
        for (const char* page : {"index.html", "steps.json", "steps.js"}) fs::remove(expected_folder + "/" + page);
        if (!run.safe_palette) {
            write_text(expected_folder + "/predict.txt", predicting.transcript);
            write_text(expected_folder + "/steps.json", predicting.data);
            if (keeps_page(run)) write_text(expected_folder + "/index.html", predicting.page);
        }
        Table table = read_table();
        std::vector<std::string>& digests = table.digests[run.name()];
        digests.clear();
        for (const Picture& step : recording.steps) digests.push_back(digest(step));
        write_table(table);
        return;
    }

    const Table table = read_table();
    const auto found = table.digests.find(run.name());
    ASSERT_NE(found, table.digests.end()) << run.name() << " has no golden steps: run tools/bless-golden";
    const std::vector<std::string>& expected = found->second;
    EXPECT_EQ(recording.steps.size(), expected.size()) << run.name() << ": the number of steps changed";

    // The words, reviewed in golden/RUN; with --predict, the questions and answers among them, the
    // data of every step, and the same words on standard output as in the file.
    expect_golden_text(recording.transcript, expected_folder + "/steps.txt", run.name() + ": the transcript");
    if (!run.safe_palette) {
        expect_golden_text(predicting.transcript, expected_folder + "/predict.txt", run.name() + ": the --predict transcript");
        expect_golden_text(predicting.data, expected_folder + "/steps.json", run.name() + ": steps.json");
        EXPECT_EQ(transcript_mark + predicting.run.out, predicting.transcript)
            << run.name() << ": --explain on standard output differs from steps.txt";
        if (keeps_page(run))
            expect_golden_text(predicting.page, expected_folder + "/index.html", run.name() + ": the step page");
        ASSERT_EQ(predicting.steps.size(), recording.steps.size()) << run.name() << ": --predict changed the steps";
        for (std::size_t k = 0; k < predicting.steps.size(); ++k)
            EXPECT_EQ(digest(predicting.steps[k]), digest(recording.steps[k]))
                << run.name() << " step " << k + 1 << ": --predict changed the picture";
    }

    const std::string failures = BUILD_DIR "/golden-failures/" + run.name();
    for (std::size_t k = 0; k < recording.steps.size() && k < expected.size(); ++k) {
        const Picture& actual = recording.steps[k];
        if (digest(actual) == expected[k]) continue;
        fs::create_directories(failures);
        const std::string base = failures + "/" + step_name(k);
        const Picture wanted = read_png(expected_folder + "/" + step_name(k) + ".png");
        write_rgb_png(base + "-actual.png", actual);
        write_rgb_png(base + "-expected.png", wanted);
        write_rgb_png(base + "-difference.png", difference(actual, wanted));
        int changed = 0;
        for (std::size_t i = 0; i < actual.pixels.size(); ++i)
            changed += i >= wanted.pixels.size() || actual.pixels[i] != wanted.pixels[i];
        ADD_FAILURE() << run.name() << " step " << k + 1 << " of " << expected.size() << ": " << changed
                      << " pixels differ from the golden picture; see " << base
                      << "-{actual,expected,difference}.png";
    }
}

// What the golden steps.json promises a student, checked by a program of its own (steps_check.js):
// every step names lines the algorithm has, and every depth-first answer is the move a search of
// the shown neighbour lists makes. The golden file stands for the program: the test above holds
// them equal.
class GoldenWords : public ::testing::TestWithParam<Show> {};

TEST_P(GoldenWords, StepsNameTheirLinesAndDepthFirstAnswersFollowTheLists) {
    const Show& run = GetParam();
    const std::string steps = golden_folder + "/" + run.name() + "/steps.json";
    const ProgramRun checked = run_in("/tmp", "node '" SOURCE_DIR "/tests/steps_check.js' '" + steps + "'");
    EXPECT_EQ(checked.exit_status, 0) << checked.out << checked.err;
}

std::string test_name(const ::testing::TestParamInfo<Show>& info) {
    std::string name = info.param.program;
    if (!info.param.seed.empty()) name += "_seed_" + info.param.seed;
    if (info.param.safe_palette) name += "_safe_palette";
    if (!info.param.graph.empty()) name += "_on_" + info.param.graph;
    for (char& c : name)
        if (c == '-') c = '_';
    return name;
}

// The words are the usual palette's: the safe palette's runs hold only their pictures and words.
std::vector<Show> usual_palette_runs() {
    std::vector<Show> runs;
    for (const Show& run : all_runs())
        if (!run.safe_palette) runs.push_back(run);
    return runs;
}

INSTANTIATE_TEST_SUITE_P(AllPrograms, Golden, ::testing::ValuesIn(all_runs()), test_name);
INSTANTIATE_TEST_SUITE_P(AllPrograms, GoldenWords, ::testing::ValuesIn(usual_palette_runs()), test_name);

}  // namespace
