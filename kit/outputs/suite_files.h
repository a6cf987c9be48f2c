// The files the suite writes into a --record or --worksheet folder, and how it knows them again:
// a file there is replaced or removed only when the suite wrote it. Each kind carries a mark: the
// PNG pictures a tEXt chunk "Software: graphsteps", the HTML pages <meta name="generator"
// content="graphsteps">, steps.json its "program" key first, steps.js its variable, steps.txt its
// first line, and the worksheet's PDFs their title, which names the sheet.
//
// The recording and the worksheet share one set of names (both write step-NNN.png, the same
// picture of the same step), so each takes the other's files in its folder for an earlier run.
#pragma once

#include <string>

constexpr char generator_meta[] = "<meta name=\"generator\" content=\"graphsteps\">";
constexpr char png_software_key[] = "Software";
constexpr char png_software[] = "graphsteps";
// The line that opens steps.txt, before the transcript that --explain prints.
constexpr char transcript_mark[] = "Written by graphsteps: the transcript of the pictures beside it.\n\n";

// step-001.png, step-001-frame-0001.png, index.html, steps.txt, steps.json, steps.js,
// worksheet.html, answers.html, worksheet-a4.pdf, worksheet-letter.pdf, answers-a4.pdf,
// answers-letter.pdf, step-001-cropped.png, step-001-frame-0001-cropped.png.
bool is_suite_name(const std::string& name);

// The suite wrote `path`, a file of a suite name: it is a plain file (not a link) with its mark.
bool written_by_suite(const std::string& path);

// At an output's start, before anything is written: false, with one line in `why` naming the file
// ("DIR holds an index.html that graphsteps did not write; choose an empty folder"), when a file
// of a suite name in `folder` is not the suite's. A folder of such a name is left for the write to
// fail on. The suite's files stay until remove_earlier_run, so a run that fails before its
// first step leaves the earlier one as it was.
bool check_earlier_run(const std::string& folder, std::string& why);

// Before the first file of a run goes into `folder`: every file of a suite name is checked again,
// and only when all are the suite's are they removed, so that the folder never mixes two runs and
// is never left half cleaned. Done once a run for a folder that two outputs share (since the last
// check_earlier_run of it), so that the second never removes what the first wrote.
bool remove_earlier_run(const std::string& folder, std::string& why);

// `a` and `b` name one folder that exists (whatever the spelling: "d", "./d/", a link to it).
bool same_folder(const std::string& a, const std::string& b);
