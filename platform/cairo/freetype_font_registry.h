// Font registration for the Cairo surfaces: a font file is loaded into FreeType for the life of the
// process (or until it is removed), and the surfaces draw with it through Cairo's FreeType faces. The
// drawing never depends on the host's fonts when the file is there; a face name that no registered file
// carries is drawn in the system's sans face, found through fontconfig.
//
// A platform that must also make the file known to its toolkit (fontconfig application fonts for GTK,
// for instance) derives from this class, overrides AddFontResourceA / RemoveFontResourceA and calls the
// base versions from its own.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "platform/font_registry.h"

class FreeTypeFontRegistry : public FontRegistry {
public:
    FreeTypeFontRegistry();
    ~FreeTypeFontRegistry() override;
    FreeTypeFontRegistry(const FreeTypeFontRegistry&) = delete;
    FreeTypeFontRegistry& operator=(const FreeTypeFontRegistry&) = delete;

    // Loads every face of the file. Returns the number of faces added; 0 when the file is missing or not
    // a font (nothing is reported: drawing then falls back to the system's sans face). Adding a file
    // twice adds it once.
    int AddFontResourceA(const std::string& path) override;
    // Removes the faces of the file; surfaces that still draw with them keep them until they change
    // face. Returns non-zero when the file was registered.
    int RemoveFontResourceA(const std::string& path) override;

    // The Cairo face of a family name (compared without regard to case), regular or bold: the
    // registered face (bold synthesised by emboldening the outlines), else the system's sans face of that
    // weight. The registry keeps its reference; a caller that holds the face longer references it.
    cairo_font_face_t* FontFace(const std::string& family, bool bold);
    // True when a registered file carries the family.
    bool HasFamily(const std::string& family) const;

private:
    struct Face {
        std::string path;
        std::string family;
        cairo_font_face_t* regular = nullptr;
        cairo_font_face_t* bold = nullptr;
    };
    std::vector<Face> faces_;
    cairo_font_face_t* fallback_[2] = {nullptr, nullptr};  // regular, bold
};
