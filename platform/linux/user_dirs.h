// The user's directories on Linux, by the XDG base-directory rules.
#pragma once

#include <string>

// The directory of the running program (from /proc/self/exe), "." when it cannot be read.
std::string ProgramDirOfThisProcess();

// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config (the password database's home when
// HOME is unset); empty when there is no home at all.
std::string UserConfigDirOfThisUser();
