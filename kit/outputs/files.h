// Files that appear whole or not at all: each is written under a temporary name of its own in the
// folder of its final name, created exclusively (so it never follows a link planted there and two
// programs never share one), and renamed over the final name only once it is complete.
#pragma once

#include "show.h"

#include <cstdio>
#include <string>
#include <vector>

struct PendingFile {
    std::FILE* file = nullptr;
    std::string temporary;  // where it is being written
    std::string path;       // its final name
};

// Opens a temporary file for `path`; false, with the reason in `why`, when it cannot.
bool open_pending(const std::string& path, PendingFile& pending, std::string& why);
// Flushes, closes and renames it into place; on failure removes it and says why.
bool commit_pending(PendingFile& pending, std::string& why);
// Closes and removes it: nothing of it is left.
void abandon_pending(PendingFile& pending);

// `text` written whole to `path` through a pending file.
bool write_whole_file(const std::string& path, const std::string& text, std::string& why);

// mkdir -p: every missing folder on the way to `path` is made, and appended to `made`, outermost
// first. False, with the folder and the reason in `why`, when one cannot be made or `path` is not
// a folder.
bool make_folders(const std::string& path, std::vector<std::string>& made, std::string& why);
// Removes the folders that make_folders made, innermost first, each only when it is empty, and
// forgets them: what a run that failed before writing anything leaves is what it found.
void remove_made_folders(std::vector<std::string>& made);
