#include "settings/settings_watch.h"

bool SettingsFileWritten(const ChartState& s, const std::optional<FileStamp>& now) {
    if (!now) return false;
    return s.settingsStampKnown == 0 || now->modified != s.settingsFileTime || now->size != s.settingsFileSize;
}

void KeepSettingsStamp(ChartState& s, const std::optional<FileStamp>& stamp) {
    s.settingsStampKnown = stamp ? 1 : 0;
    s.settingsFileTime = stamp ? stamp->modified : 0;
    s.settingsFileSize = stamp ? stamp->size : 0;
}
