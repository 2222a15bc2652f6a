#include "platform/cairo/freetype_font_registry.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cctype>

namespace {

// One FreeType library for the process: faces handed to Cairo may outlive any registry.
FT_Library SharedLibrary() {
    static FT_Library library = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) l = nullptr;
        return l;
    }();
    return library;
}

const cairo_user_data_key_t kFaceKey{};

// A Cairo face of a FreeType face; the Cairo face holds one reference of the FreeType face and drops it
// when Cairo destroys the face.
cairo_font_face_t* CairoFaceOf(FT_Face face, bool bold) {
    FT_Reference_Face(face);
    cairo_font_face_t* cf = cairo_ft_font_face_create_for_ft_face(face, 0);
    if (cairo_font_face_set_user_data(cf, &kFaceKey, face, [](void* f) { FT_Done_Face(static_cast<FT_Face>(f)); }) !=
        CAIRO_STATUS_SUCCESS) {
        FT_Done_Face(face);
    }
    if (bold) cairo_ft_font_face_set_synthesize(cf, CAIRO_FT_SYNTHESIZE_BOLD);
    return cf;
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The system's sans face through fontconfig; Cairo's own sans face when fontconfig finds none.
cairo_font_face_t* SystemSansFace(bool bold) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    cairo_font_face_t* face = nullptr;
    if (match != nullptr) {
        face = cairo_ft_font_face_create_for_pattern(match);
        FcPatternDestroy(match);
    }
    if (face == nullptr || cairo_font_face_status(face) != CAIRO_STATUS_SUCCESS) {
        if (face != nullptr) cairo_font_face_destroy(face);
        face = cairo_toy_font_face_create("sans-serif", CAIRO_FONT_SLANT_NORMAL,
                                          bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    }
    return face;
}

}  // namespace

FreeTypeFontRegistry::FreeTypeFontRegistry() = default;

FreeTypeFontRegistry::~FreeTypeFontRegistry() {
    for (Face& f : faces_) {
        cairo_font_face_destroy(f.regular);
        cairo_font_face_destroy(f.bold);
    }
    for (cairo_font_face_t* f : fallback_)
        if (f != nullptr) cairo_font_face_destroy(f);
}

int FreeTypeFontRegistry::AddFontResourceA(const std::string& path) {
    int added = 0;
    for (const Face& f : faces_)
        if (f.path == path) ++added;
    if (added > 0) return added;

    FT_Library library = SharedLibrary();
    if (library == nullptr) return 0;
    FT_Long count = 1;
    for (FT_Long index = 0; index < count; ++index) {
        FT_Face face = nullptr;
        if (FT_New_Face(library, path.c_str(), index, &face) != 0) break;
        count = face->num_faces;
        // Cairo keeps one face per FreeType face, so the emboldened weight gets a FreeType face of its own.
        FT_Face boldFace = nullptr;
        if (FT_New_Face(library, path.c_str(), index, &boldFace) != 0) {
            FT_Done_Face(face);
            break;
        }
        Face f;
        f.path = path;
        f.family = face->family_name != nullptr ? face->family_name : "";
        f.regular = CairoFaceOf(face, false);
        f.bold = CairoFaceOf(boldFace, true);
        FT_Done_Face(face);  // the Cairo faces hold their own references
        FT_Done_Face(boldFace);
        faces_.push_back(f);
        ++added;
    }
    return added;
}

int FreeTypeFontRegistry::RemoveFontResourceA(const std::string& path) {
    int removed = 0;
    for (auto it = faces_.begin(); it != faces_.end();) {
        if (it->path == path) {
            cairo_font_face_destroy(it->regular);
            cairo_font_face_destroy(it->bold);
            it = faces_.erase(it);
            ++removed;
        } else {
            ++it;
        }
    }
    return removed > 0 ? 1 : 0;
}

bool FreeTypeFontRegistry::HasFamily(const std::string& family) const {
    for (const Face& f : faces_)
        if (SameName(f.family, family)) return true;
    return false;
}

cairo_font_face_t* FreeTypeFontRegistry::FontFace(const std::string& family, bool bold) {
    for (const Face& f : faces_)
        if (SameName(f.family, family)) return bold ? f.bold : f.regular;
    cairo_font_face_t*& fallback = fallback_[bold ? 1 : 0];
    if (fallback == nullptr) fallback = SystemSansFace(bold);
    return fallback;
}
