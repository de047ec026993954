// Where the program keeps its files. QUILLION_HOME moves all of them under one folder;
// otherwise the XDG locations of the user are used.
#pragma once

#include <string>

namespace quillion::platform {

std::string settingsDatabasePath();  // $QUILLION_HOME/config/settings.db or XDG config
std::string dataFolder();            // formula files: $QUILLION_HOME/data or XDG data
std::string documentsFolder();       // $QUILLION_HOME/Documents or ~/Documents
std::string defaultLogPath();        // documentsFolder()/QuillionLog.txt

// Overrides QUILLION_HOME for this run (the script driver's --home).
void setHomeOverride(std::string folder);

}  // namespace quillion::platform
