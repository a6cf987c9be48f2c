// `cmake --install` into a fresh prefix: the programs run from there and find their font, and every
// program gets a menu entry that passes desktop-file-validate and starts the installed program.
#include "recording.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fstream>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::vector<std::string> program_names() {
    std::vector<std::string> names;
    for (const ListedProgram& program : listed_programs()) names.push_back(program.name);
    return names;
}
const std::vector<std::string> programs = program_names();

bool exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

// The value of `key` in a .desktop file, as written (still escaped), or "" when it is missing.
std::string desktop_value(const std::string& path, const std::string& key) {
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
    return "";
}

// The program an Exec value starts: the key's own escapes first (\\ \s), then the quoting of the
// command line, where a backslash inside double quotes keeps the next character as it is.
std::string program_of_exec(const std::string& value) {
    std::string unescaped;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            ++i;
            unescaped += value[i] == 's' ? ' ' : value[i];
        } else {
            unescaped += value[i];
        }
    }
    if (unescaped.empty() || unescaped[0] != '"') return unescaped.substr(0, unescaped.find(' '));
    std::string program;
    for (std::size_t i = 1; i < unescaped.size() && unescaped[i] != '"'; ++i) {
        if (unescaped[i] == '\\' && i + 1 < unescaped.size()) ++i;
        program += unescaped[i];
    }
    return program;
}

class Installed : public testing::Test {
protected:
    // One install for all the tests: it copies every program.
    static void SetUpTestSuite() {
        folder = make_temp_folder();
        // A space and a dollar in the prefix: the menu entries must quote and escape the path.
        prefix = folder + "/pre fix$";
        install = run_in(BUILD_DIR, "cmake --install . --prefix '" + prefix + "'");
    }
    // The copied programs are large; leave no install behind.
    static void TearDownTestSuite() { run_in("/tmp", "rm -rf '" + folder + "'"); }
    void SetUp() override { ASSERT_EQ(install.exit_status, 0) << install.out << install.err; }

    static std::string applications() { return prefix + "/share/applications"; }

    static inline std::string folder;
    static inline std::string prefix;
    static inline ProgramRun install;
};

TEST_F(Installed, ProgramRunFromAnotherFolderFindsTheInstalledFontAndDrawsAsBuilt) {
    for (const std::string& program : programs)
        EXPECT_EQ(access((prefix + "/bin/" + program).c_str(), X_OK), 0) << program;
    EXPECT_TRUE(exists(prefix + "/share/graphsteps/times.ttf"));
    EXPECT_FALSE(exists(prefix + "/bin/times.ttf"));

    const std::string work = make_temp_folder();  // no font here
    const ProgramRun run = run_in(work, "'" + prefix + "/bin/components' --record pictures");
    EXPECT_EQ(run.exit_status, 0) << run.err;
    const Recording built = record("components");
    ASSERT_EQ(built.steps.size(), 24u);
    EXPECT_TRUE(exists(work + "/pictures/step-024.png"));
    EXPECT_FALSE(exists(work + "/pictures/step-025.png"));
    // The last step has every label: the installed font must draw them exactly as the built one.
    const Picture last = read_png(work + "/pictures/step-024.png");
    EXPECT_TRUE(last.pixels == built.steps.back().pixels);
}

TEST_F(Installed, EveryProgramHasOneMenuEntryThatStartsTheInstalledProgram) {
    std::set<std::string> expected;
    for (const std::string& program : programs) expected.insert(std::string("graphsteps-") + program + ".desktop");
    std::set<std::string> found;
    if (DIR* folder = opendir(applications().c_str())) {
        while (const dirent* entry = readdir(folder))
            if (entry->d_name[0] != '.') found.insert(entry->d_name);
        closedir(folder);
    }
    EXPECT_EQ(found, expected);

    for (const std::string& program : programs) {
        const std::string entry = applications() + "/graphsteps-" + program + ".desktop";
        EXPECT_EQ(desktop_value(entry, "Type"), "Application") << entry;
        EXPECT_EQ(desktop_value(entry, "Terminal"), "false") << entry;
        EXPECT_EQ(desktop_value(entry, "Categories").rfind("Education;", 0), 0u) << entry;
        // No arguments: the program opens its window.
        const std::string exec = desktop_value(entry, "Exec");
        EXPECT_EQ(program_of_exec(exec), prefix + "/bin/" + program) << exec;
        EXPECT_EQ(exec.find(' ', exec.rfind('"')), std::string::npos) << exec;
    }
}

TEST_F(Installed, MenuEntriesPassDesktopFileValidate) {
    if (run_in("/tmp", "command -v desktop-file-validate").exit_status != 0)
        GTEST_SKIP() << "desktop-file-validate is not installed (Debian: desktop-file-utils)";
    for (const std::string& program : programs) {
        const std::string entry = applications() + "/graphsteps-" + program + ".desktop";
        const ProgramRun check = run_in("/tmp", "desktop-file-validate '" + entry + "'");
        EXPECT_EQ(check.exit_status, 0) << entry << ": " << check.out << check.err;
        EXPECT_EQ(check.out + check.err, "") << entry;  // not even a hint
    }
}

}  // namespace
