// The worksheet as PDF, drawn by the program itself (cairo's PDF surface, pango for the words):
// text as text in the embedded Liberation faces, each picture the cropped step's pixels, lossless.
// Both papers carry the same pages: everything is laid out once, in the box that A4 and US Letter
// share with 12 mm margins, and only placed on the paper at the end.
//
//     PdfPages pages;
//     if (!write_worksheet_pdfs(folder + "/worksheet", sheet, pages, why)) ...  // worksheet-a4.pdf, -letter.pdf
//     if (!write_answers_pdfs(folder + "/answers", sheet, why)) ...              // answers-a4.pdf, -letter.pdf
#pragma once

#include "worksheet_page.h"

#include <string>

struct PdfPages {
    int sheet_pages = 0;  // the questions', the first pages
    int key_pages = 0;    // the answer key's, after them
};

// STEM-a4.pdf and STEM-letter.pdf: the questions, each under the picture it is asked from, with
// room to answer, then the key. Each file appears whole or not at all. The document's subject says
// "N pages of questions, M of answers", for whoever takes the question pages of several sheets.
bool write_worksheet_pdfs(const std::string& stem, const Worksheet& sheet, PdfPages& pages, std::string& why);

// STEM-a4.pdf and STEM-letter.pdf: the key's table alone, without pictures, for marking.
bool write_answers_pdfs(const std::string& stem, const Worksheet& sheet, std::string& why);

// The title a worksheet's PDF carries ("closure8 worksheet, seed 4"), by which a later run knows
// the file for the suite's; the answers' say "answers" for "worksheet".
std::string worksheet_pdf_title(const Worksheet& sheet, bool answers);
