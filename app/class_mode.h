#pragma once
// The second mode of the program, for the teacher: morvelle3 --bilan-classe [FOLDER] [--ouvrir] writes
// the class sheet into the class folder. No screen of the pupils' run is started.

// True when the command line asks for the class sheet.
bool wantsClassSheet(int argc, char** argv);
// Runs that mode to its end; the program's exit status.
int runClassSheet(int argc, char** argv);
