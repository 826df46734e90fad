// Where the game's pictures and sounds are read from. The file names stay
// relative to the working folder; what moves is the working folder, so that
// the game finds its data when it is started from anywhere (a desktop entry
// starts it in the home folder).
#pragma once

#include <string>
#include <vector>

// True when the folder holds all three data folders Bilder, avatar and sound.
bool game_data_in(const std::string& folder);

// The first of the folders that holds the data; an empty text when none
// does (the game then stays where it is and says per picture what it
// misses).
std::string game_data_folder_choice(const std::vector<std::string>& folders);

// Where the game looks, in this order: the working folder, the program's
// folder, the data folder of an installation seen from the program's
// folder (an installation moved to another prefix as a whole still finds
// its data), and the data folder the installation was built for.
std::vector<std::string> game_data_folders(const std::string& working, const std::string& program);

// Changes to the folder of the game's data before anything is loaded;
// returns the working folder from then on.
std::string game_use_data_folder();
