// The settings file watched while the chart runs: at every tick its time of last writing and its size
// are compared with those of the last reading, and a file written since is read again (the chart
// window's Timer1_Timer does so through start-up's own path).
#pragma once

#include <optional>

#include "platform/whole_file.h"
#include "core/chart_state.h"

// SettingsFileWritten: whether the file, looked at now, was written since its values were last read.
//   reads  settingsStampKnown, settingsFileTime, settingsFileSize
// A file that cannot be looked at (gone for a moment while an editor replaces it) is no change: the
// running settings stay until it is back.
bool SettingsFileWritten(const ChartState& s, const std::optional<FileStamp>& now);

// KeepSettingsStamp: the stamp of the reading just made (none: the file could not be looked at, and
// the first look that finds it counts as a change).
//   writes settingsStampKnown, settingsFileTime, settingsFileSize
void KeepSettingsStamp(ChartState& s, const std::optional<FileStamp>& stamp);
