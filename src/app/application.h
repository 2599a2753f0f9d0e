#pragma once

// Builds the application and its main window and runs until the main window closes.
int runZurne(int argc, char *argv[]);
