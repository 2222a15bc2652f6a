#include "platform/freetype/face_metrics.h"

#include FT_ADVANCES_H

#include <algorithm>
#include <cmath>

#include "platform/windows1252.h"

bool OutlineMetrics(FT_Face face, FaceMetrics& m) {
    if (face == nullptr || face->units_per_EM <= 0) return false;
    const double em = face->units_per_EM;
    m.fromOutlines = true;
    m.ascent = face->ascender / em;
    m.lineHeight = face->height / em;
    for (int code = 0; code < 256; ++code) {
        const FT_UInt index = FT_Get_Char_Index(face, Windows1252ToUnicode(static_cast<unsigned char>(code)));
        FT_Fixed advance = 0;
        if (FT_Get_Advance(face, index, FT_LOAD_NO_SCALE, &advance) != 0) advance = 0;
        m.advance[code] = advance / em;
    }
    return true;
}

double ReferenceScale(double width, double height) {
    const double w = std::fabs(width), h = std::fabs(height);
    double scale = (w > 0 && h > 0) ? std::min(kReferenceWidth / w, kReferenceHeight / h) : 1;
    if (!(scale > 0) || !std::isfinite(scale)) scale = 1;
    return scale;
}

double EmSize(double points, double referenceScale) { return points * kPixelsPerPoint / referenceScale; }

double TextWidthOf(const FaceMetrics& m, const std::string& text, double points, double referenceScale,
                   double widthSign) {
    double em = 0;
    for (unsigned char c : text) em += m.advance[c];
    return em * points * kPixelsPerPoint / referenceScale * widthSign;
}
