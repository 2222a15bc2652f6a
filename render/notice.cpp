#include "render/notice.h"

#include <cmath>
#include <sstream>

#include "core/numeric.h"
#include "render/night_dimming.h"
#include "render/render_tables.h"
#include "core/setting_lines.h"

namespace {

// The words of each message, gathered into lines no wider than width.
std::vector<std::string> BreakLines(Surface& surface, const std::vector<std::string>& messages, double width) {
    std::vector<std::string> lines;
    for (const std::string& message : messages) {
        std::istringstream words(message);
        std::string word, line;
        while (words >> word) {
            const std::string longer = line.empty() ? word : line + " " + word;
            if (!line.empty() && std::fabs(surface.TextWidth(longer)) > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = longer;
            }
        }
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

void DrawNoticeOn(ChartState& s, Surface& surface, const std::vector<std::string>& messages) {
    surface.SetFontName("GLYPHA");
    surface.SetFontSize(s.settingValues[kInfoTextSizeLine]);
    surface.SetFontBold(false);
    surface.SetForeColor(Palette(Round16(s.settingValues[kInfoTextColourLine])));
    const std::vector<std::string> lines = BreakLines(surface, messages, 0.9 * std::fabs(surface.ScaleWidth()));

    // Down the screen is the direction of the logical height (y runs upwards after a chart's paint).
    const double down = surface.ScaleHeight() < 0 ? -1 : 1;
    const double lineHeight = std::fabs(surface.TextHeight("Ag"));
    const double centreX = surface.ScaleLeft() + surface.ScaleWidth() / 2;
    double y = surface.ScaleTop() + surface.ScaleHeight() / 2 - down * lineHeight * lines.size() / 2;
    for (const std::string& line : lines) {
        surface.SetCurrentX(centreX - std::fabs(surface.TextWidth(line)) / 2);
        surface.SetCurrentY(y);
        surface.Print(line);
        y += down * lineHeight;
    }
}

}  // namespace

void DrawNotice(ChartState& s, Surface& surface, const std::vector<std::string>& messages) {
    if (messages.empty()) return;
    // Over a dimmed chart the notice is dimmed with it.
    const double brightness = PictureBrightness(s);
    if (brightness < 1) {
        DimmedSurface dimmed(surface, brightness);
        DrawNoticeOn(s, dimmed, messages);
    } else {
        DrawNoticeOn(s, surface, messages);
    }
}
