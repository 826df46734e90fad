// Who is playing: the name every line of the logs for teachers carries.
// It is written as given (UTF-8) and never shown by the game.
#pragma once

#include <string>

// "--learner NAME" (or "--learner=NAME") among the arguments, else the
// environment's QUORILA_LEARNER, else the login name; an empty one counts as
// none. Line breaks and other control characters become blanks, and a name
// is cut to 200 bytes (at a character's start), so that it stays one field
// of one line.
std::string learner_name(int argc, char* const* argv, const char* from_environment, const char* login);

// The learner of this run, from the program's own command line and
// environment, asked again for every line logged.
const std::string& game_learner();
