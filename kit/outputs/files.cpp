// Files that appear whole or not at all (see files.h): a temporary name of their own, then a rename.
#include "files.h"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The permissions a plain fopen would have given: 0666 less the umask.
mode_t file_mode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool open_pending(const std::string& path, PendingFile& pending, std::string& why) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temporary = folder + "." + name + ".XXXXXX";
    // mkstemp creates the file with O_EXCL: it never opens what a link points to.
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) {
        why = std::strerror(errno);
        return false;
    }
    fchmod(descriptor, file_mode());
    pending.file = fdopen(descriptor, "wb");
    if (pending.file == nullptr) {
        why = std::strerror(errno);
        close(descriptor);
        unlink(temporary.c_str());
        return false;
    }
    pending.temporary = temporary;
    pending.path = path;
    return true;
}

bool commit_pending(PendingFile& pending, std::string& why) {
    std::FILE* file = pending.file;
    pending.file = nullptr;
    // A full disk shows only when the buffered bytes go out.
    bool written = std::fflush(file) == 0 && std::ferror(file) == 0;
    if (!written) why = std::strerror(errno);
    if (std::fclose(file) != 0 && written) {
        why = std::strerror(errno);
        written = false;
    }
    if (written && std::rename(pending.temporary.c_str(), pending.path.c_str()) != 0) {
        why = std::strerror(errno);
        written = false;
    }
    if (!written) std::remove(pending.temporary.c_str());
    pending.temporary.clear();
    return written;
}

void abandon_pending(PendingFile& pending) {
    if (pending.file != nullptr) std::fclose(pending.file);
    pending.file = nullptr;
    if (!pending.temporary.empty()) std::remove(pending.temporary.c_str());
    pending.temporary.clear();
}

bool write_whole_file(const std::string& path, const std::string& text, std::string& why) {
    PendingFile pending;
    if (!open_pending(path, pending, why)) return false;
    if (std::fwrite(text.data(), 1, text.size(), pending.file) != text.size()) {
        why = std::strerror(errno);
        abandon_pending(pending);
        return false;
    }
    return commit_pending(pending, why);
}

// mkdir -p: every missing folder on the way is made.
bool make_folders(const std::string& path, std::vector<std::string>& made, std::string& why) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        if (!prefix.empty()) {
            if (mkdir(prefix.c_str(), 0777) == 0) {
                made.push_back(prefix);
            } else if (errno != EEXIST) {
                why = printable(prefix) + ": " + std::strerror(errno);
                return false;
            }
        }
        if (slash == std::string::npos) break;
    }
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        why = printable(path) + ": not a folder";
        return false;
    }
    return true;
}

void remove_made_folders(std::vector<std::string>& made) {
    for (auto folder = made.rbegin(); folder != made.rend(); ++folder) rmdir(folder->c_str());
    made.clear();
}
