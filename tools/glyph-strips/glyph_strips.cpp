// glyph_strips FONT OUTPUT.cpp SIZE...: writes the label faces of the browser build, a C++ source
// of every printable ASCII glyph of FONT at each point size, as SDL_ttf renders it for
// TTF_RenderText_Solid, with SDL_ttf's metrics and FreeType's kerning, the same that SDL_ttf
// applies. Run by the build, on the machine whose SDL_ttf and FreeType draw the desktop's labels.
#include "label_strips.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "glyph_strips: %s\n", why.c_str());
    std::exit(1);
}

struct Face {
    int point_size = 0, height = 0, ascent = 0;
    std::vector<GlyphStrip> glyphs;
    std::vector<std::uint8_t> ink;  // a bit per pixel, eight to a byte from the lowest bit
    std::size_t ink_bits = 0;
    std::vector<KernPair> kerns;
};

// The glyph's ink, cut from the line SDL_ttf renders of the character alone: there the glyph's
// ink starts at minx, or at the left edge when minx is negative.
void add_glyph(TTF_Font* font, FT_Face ft_face, char c, Face& face) {
    GlyphStrip glyph{};
    int maxy = 0;
    if (TTF_GlyphMetrics(font, static_cast<Uint16>(c), &glyph.minx, &glyph.maxx, &glyph.miny, &maxy, &glyph.advance) != 0)
        fail(std::string("no metrics for '") + c + "': " + TTF_GetError());
    glyph.index = static_cast<int>(FT_Get_Char_Index(ft_face, static_cast<FT_ULong>(static_cast<unsigned char>(c))));
    glyph.offset = static_cast<int>(face.ink_bits);
    const char text[2] = {c, '\0'};
    SDL_Surface* line = TTF_RenderText_Solid(font, text, SDL_Color{0, 0, 0, 0});
    if (line == nullptr) fail(std::string("cannot render '") + c + "': " + TTF_GetError());
    if (line->format->BytesPerPixel != 1) fail("SDL_ttf gave a solid line of more than 8 bits");
    const int left = glyph.minx < 0 ? 0 : glyph.minx;
    glyph.width = std::max(0, std::min(glyph.maxx - glyph.minx, line->w - left));
    glyph.rows = line->h;
    for (int row = 0; row < glyph.rows; ++row) {
        const Uint8* pixels = static_cast<const Uint8*>(line->pixels) + row * line->pitch;
        for (int col = 0; col < glyph.width; ++col, ++face.ink_bits) {
            if (face.ink_bits % 8 == 0) face.ink.push_back(0);
            if (pixels[left + col] != 0) face.ink.back() |= static_cast<std::uint8_t>(1u << (face.ink_bits % 8));
        }
    }
    SDL_FreeSurface(line);
    face.glyphs.push_back(glyph);
}

Face make_face(const char* font_file, int point_size, FT_Library library) {
    Face face;
    face.point_size = point_size;
    TTF_Font* font = TTF_OpenFont(font_file, point_size);
    if (font == nullptr) fail(std::string("cannot open ") + font_file + ": " + TTF_GetError());
    face.height = TTF_FontHeight(font);
    face.ascent = TTF_FontAscent(font);
    // FreeType at the size SDL_ttf sets, for the glyph indices and the kerning SDL_ttf asks it for.
    FT_Face ft_face;
    if (FT_New_Face(library, font_file, 0, &ft_face) != 0) fail(std::string("FreeType cannot open ") + font_file);
    if (FT_Set_Char_Size(ft_face, 0, point_size * 64, 0, 0) != 0) fail("FreeType cannot set the size");
    for (int k = 0; k < strip_character_count; ++k) add_glyph(font, ft_face, static_cast<char>(first_strip_character + k), face);
    if (FT_HAS_KERNING(ft_face) && TTF_GetFontKerning(font) != 0) {
        for (int a = 0; a < strip_character_count; ++a)
            for (int b = 0; b < strip_character_count; ++b) {
                const GlyphStrip& left = face.glyphs[a];
                const GlyphStrip& right = face.glyphs[b];
                if (left.index == 0 || right.index == 0) continue;
                FT_Vector delta;
                if (FT_Get_Kerning(ft_face, left.index, right.index, FT_KERNING_DEFAULT, &delta) != 0) continue;
                const int shift = static_cast<int>(delta.x >> 6);
                if (shift != 0)
                    face.kerns.push_back({static_cast<char>(first_strip_character + a), static_cast<char>(first_strip_character + b), shift});
            }
    }
    FT_Done_Face(ft_face);
    TTF_CloseFont(font);
    return face;
}

void write_face(std::ostream& out, const Face& face) {
    const int size = face.point_size;
    out << "const std::uint8_t ink_" << size << "[] = {";
    for (std::size_t i = 0; i < face.ink.size(); ++i) out << (i % 24 == 0 ? "\n    " : "") << int(face.ink[i]) << ",";
    out << "0};\nconst GlyphStrip glyphs_" << size << "[] = {\n";
    for (std::size_t k = 0; k < face.glyphs.size(); ++k) {
        const GlyphStrip& g = face.glyphs[k];
        out << "    {" << g.minx << ", " << g.maxx << ", " << g.miny << ", " << g.advance << ", " << g.index << ", "
            << g.width << ", " << g.rows << ", " << g.offset << "},  // '" << (k == 60 ? std::string("\\\\") : std::string(1, char(first_strip_character + k)))
            << "'\n";
    }
    out << "};\nconst KernPair kerns_" << size << "[] = {";
    for (const KernPair& pair : face.kerns) out << "{" << int(pair.left) << ", " << int(pair.right) << ", " << pair.shift << "}, ";
    out << "{0, 0, 0}};\n\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: glyph_strips FONT OUTPUT.cpp SIZE...\n");
        return 2;
    }
    std::vector<int> sizes;
    for (int i = 3; i < argc; ++i) {
        char* end = nullptr;
        const long size = std::strtol(argv[i], &end, 10);
        if (end == argv[i] || *end != '\0' || size < 4 || size > 200) fail(std::string("not a point size: ") + argv[i]);
        sizes.push_back(static_cast<int>(size));
    }
    if (TTF_Init() != 0) fail(std::string("cannot start SDL_ttf: ") + TTF_GetError());
    FT_Library library;
    if (FT_Init_FreeType(&library) != 0) fail("cannot start FreeType");

    std::ostringstream out;
    out << "// Made by glyph_strips from " << argv[1] << ": the label font's glyphs, metrics and kerning as\n"
        << "// this machine's SDL_ttf and FreeType render them. Not to be edited.\n"
        << "#include \"label_strips.h\"\n\nnamespace {\n\n";
    std::vector<Face> faces;
    for (const int size : sizes) {
        faces.push_back(make_face(argv[1], size, library));
        write_face(out, faces.back());
    }
    out << "}  // namespace\n\nconst LabelFace label_faces[] = {\n";
    for (const Face& face : faces)
        out << "    {" << face.point_size << ", " << face.height << ", " << face.ascent << ", glyphs_" << face.point_size
            << ", ink_" << face.point_size << ", kerns_" << face.point_size << ", " << face.kerns.size() << "},\n";
    out << "};\nconst int label_face_count = " << faces.size() << ";\n";
    FT_Done_FreeType(library);
    TTF_Quit();

    // Written whole under a temporary name, then renamed: a build never sees half a file.
    const std::string target = argv[2], temporary = target + ".part";
    {
        std::ofstream file(temporary, std::ios::binary);
        file << out.str();
        if (!file.flush()) fail("cannot write " + temporary);
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) fail("cannot rename " + temporary + " to " + target);
    return 0;
}
