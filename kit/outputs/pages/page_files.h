// The scripts and styles of the pages the suite writes as one self-contained file, each the exact
// text of its file in this folder (kit/embed_text.cmake makes them C++ at build time).
#pragma once

extern const char step_page_script[];     // step_page.js: paging, the words, predict mode
extern const char step_page_style[];      // step_page.css
extern const char worksheet_style[];      // worksheet.css, after the paper's @page rule
extern const char gallery_index_style[];  // gallery_index.css: ./demo --gallery's index.html
