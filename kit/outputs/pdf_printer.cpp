// Chromium runs in a process group and a profile of its own: a second print at the same time (two
// sheets made at once) must not hand its page to the first one's browser, and a stop signal to the
// program ends the whole browser with it. Its profile and its own temporary files (TMPDIR for it)
// are in one folder of the print's, removed after. A second stop signal, which ends the program at
// once, still kills the browser's group and removes the page, the PDF being written and that folder
// (the platform's table of them); the browser dies with the program however the program dies.
#include "pdf_printer.h"

#include "platform.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// A file:// address for an absolute path: everything but the unreserved characters and '/' is
// percent-encoded.
std::string file_url(const std::string& path) {
    std::string url = "file://";
    for (const unsigned char c : path) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' || c == '-' ||
            c == '_' || c == '.' || c == '~') {
            url += static_cast<char>(c);
        } else {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", c);
            url += code;
        }
    }
    return url;
}

bool is_pdf(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    char start[5] = {};
    const bool pdf = std::fread(start, 1, sizeof start, file) == sizeof start && std::memcmp(start, "%PDF-", 5) == 0;
    std::fclose(file);
    return pdf;
}

// One file or folder that a print leaves, removed whatever happens: by the ordinary path when the
// print is over, or failed, or stopped, and by a second stop signal's handler meanwhile.
class PrintFile {
public:
    PrintFile() = default;
    PrintFile(const PrintFile&) = delete;
    PrintFile& operator=(const PrintFile&) = delete;
    ~PrintFile() { remove(); }

    const std::string& path() const { return path_; }
    void hold(const std::string& path) {
        path_ = path;
        ticket_ = platform_remove_on_second_stop(path);
    }
    // It is no longer this print's: renamed into place.
    void keep() {
        platform_forget_removal(ticket_);
        ticket_ = -1;
        path_.clear();
    }
    void remove() {
        if (path_.empty()) return;
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
        keep();  // gone: the handler has nothing left to remove
    }

private:
    std::string path_;
    int ticket_ = -1;
};

// What a print leaves in the folder and in the temporary folder.
struct PrintFiles {
    PrintFile page, pdf, work;  // work: chromium's profile and temporary folder
};

// Runs chromium on `url` into `pdf`; false, with why, when it did not end well in time.
// Its profile is work/profile, and its temporary files (which a killed chromium leaves) go into
// work/tmp.
bool run_chromium(const std::string& chromium, const std::string& work, const std::string& url, const std::string& pdf,
                  int seconds, std::string& why) {
    const std::string profile_argument = "--user-data-dir=" + work + "/profile", pdf_argument = "--print-to-pdf=" + pdf;
    const char* arguments[] = {chromium.c_str(), "--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                               "--disable-extensions", "--no-pdf-header-footer", profile_argument.c_str(),
                               pdf_argument.c_str(), url.c_str(), nullptr};
    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable)
        if (std::strncmp(*variable, "TMPDIR=", 7) != 0) variables.emplace_back(*variable);
    variables.push_back("TMPDIR=" + work + "/tmp");
    std::vector<const char*> environment;
    for (const std::string& variable : variables) environment.push_back(variable.c_str());
    environment.push_back(nullptr);
    const pid_t child = platform_start_child(arguments, environment.data(), why);
    if (child < 0) return false;
    const std::int64_t deadline = platform_now_us() + std::int64_t(seconds) * 1000000;
    for (;;) {
        int status = 0;
        const pid_t ended = waitpid(child, &status, WNOHANG);
        if (ended == child) {
            // The browser's helpers may outlive it for a moment; none may stay behind.
            kill(-child, SIGKILL);
            platform_forget_child(child);
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
            why = WIFEXITED(status) ? "chromium ended with status " + std::to_string(WEXITSTATUS(status))
                                    : "chromium was ended by signal " + std::to_string(WTERMSIG(status));
            return false;
        }
        if (ended < 0 && errno != EINTR) {
            why = std::string("cannot wait for chromium: ") + std::strerror(errno);
            kill(-child, SIGKILL);
            platform_forget_child(child);
            return false;
        }
        const bool stopped = platform_stop_signal() != 0, late = platform_now_us() > deadline;
        if (stopped || late) {
            kill(-child, SIGKILL);
            waitpid(child, &status, 0);
            platform_forget_child(child);
            why = stopped ? "stopped while chromium printed" : "chromium did not finish printing within " + std::to_string(seconds) + " s";
            return false;
        }
        platform_sleep_us(20000);
    }
}

}  // namespace

std::string chromium_path() {
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/bin:/bin";
    std::size_t at = 0;
    for (;;) {
        const std::size_t colon = folders.find(':', at);
        std::string folder = folders.substr(at, colon == std::string::npos ? std::string::npos : colon - at);
        if (folder.empty()) folder = ".";
        const std::string candidate = folder + "/chromium";
        struct stat info;
        if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (colon == std::string::npos) return "";
        at = colon + 1;
    }
}

Printed print_pdf(const std::string& folder, const std::string& html, const std::string& pdf_path, std::string& why,
                  int seconds) {
    const std::string chromium = chromium_path();
    if (chromium.empty()) return Printed::no_chromium;
    PrintFiles files;

    // The page for the print stands beside the pictures it names, under a name ending in .html,
    // so that the browser reads it as a page.
    std::string page = folder + "/.print-XXXXXX.html";
    const int page_descriptor = mkstemps(page.data(), 5);
    if (page_descriptor < 0) {
        why = std::string("cannot write in ") + folder + ": " + std::strerror(errno);
        return Printed::failed;
    }
    files.page.hold(page);
    const bool written = write(page_descriptor, html.data(), html.size()) == static_cast<ssize_t>(html.size());
    if (close(page_descriptor) != 0 || !written) {
        why = std::string("cannot write in ") + folder + ": " + std::strerror(errno);
        return Printed::failed;
    }
    char* absolute = realpath(page.c_str(), nullptr);
    if (absolute == nullptr) {
        why = std::string("cannot find ") + page + ": " + std::strerror(errno);
        return Printed::failed;
    }
    const std::string url = file_url(absolute);
    std::free(absolute);

    std::string pdf = pdf_path + ".XXXXXX";
    const int pdf_descriptor = mkstemp(pdf.data());
    if (pdf_descriptor < 0) {
        why = std::string("cannot write in ") + folder + ": " + std::strerror(errno);
        return Printed::failed;
    }
    close(pdf_descriptor);
    files.pdf.hold(pdf);

    const char* temporary = std::getenv("TMPDIR");
    std::string work = std::string(temporary != nullptr && temporary[0] != '\0' ? temporary : "/tmp") + "/graphsteps-chromium-XXXXXX";
    if (mkdtemp(work.data()) == nullptr) {
        why = "cannot make a temporary folder for chromium: " + std::string(std::strerror(errno));
        return Printed::failed;
    }
    files.work.hold(work);
    if (mkdir((work + "/tmp").c_str(), 0700) != 0) {
        why = "cannot make a temporary folder for chromium: " + std::string(std::strerror(errno));
        return Printed::failed;
    }

    if (!run_chromium(chromium, work, url, pdf, seconds, why)) return Printed::failed;
    if (!is_pdf(pdf)) {
        why = "chromium wrote no PDF";
        return Printed::failed;
    }
    // The permissions a plain fopen would have given, rather than mkstemp's owner-only ones.
    const mode_t mask = umask(0);
    umask(mask);
    chmod(pdf.c_str(), 0666 & ~mask);
    if (std::rename(pdf.c_str(), pdf_path.c_str()) != 0) {
        why = "cannot write " + pdf_path + ": " + std::strerror(errno);
        return Printed::failed;
    }
    files.pdf.keep();
    return Printed::done;
}
