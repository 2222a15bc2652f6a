#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <algorithm>

#include "platform/gtk/gtk_platform.h"

namespace {

// GTK's widgets see a change of fontconfig's fonts only when Pango is told of it.
void TellPango() {
    PangoFontMap* map = pango_cairo_font_map_get_default();
    if (PANGO_IS_FC_FONT_MAP(map)) pango_fc_font_map_config_changed(PANGO_FC_FONT_MAP(map));
}

}  // namespace

int GtkFontRegistry::AddFontResourceA(const std::string& path) {
    const int faces = FreeTypeFontRegistry::AddFontResourceA(path);
    if (std::find(added_.begin(), added_.end(), path) != added_.end()) return faces;
    const FcBool added = FcConfigAppFontAddFile(FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(path.c_str()));
    if (added) {
        added_.push_back(path);
        TellPango();
    }
    return faces;
}

int GtkFontRegistry::RemoveFontResourceA(const std::string& path) {
    const int removed = FreeTypeFontRegistry::RemoveFontResourceA(path);
    auto it = std::find(added_.begin(), added_.end(), path);
    if (it != added_.end()) {
        // fontconfig removes application fonts only all at once: clear them and add back the others.
        added_.erase(it);
        FcConfigAppFontClear(FcConfigGetCurrent());
        for (const std::string& other : added_)
            FcConfigAppFontAddFile(FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(other.c_str()));
        TellPango();
    }
    return removed;
}
