#pragma once

class QApplication;

// The program's Japanese face: Qt's own dialogs and buttons translated, and one Japanese
// font for menus, dialogs and documents alike (a single font is also the cheapest start).
void setUpJapanese(QApplication &app);

// Everything the program sets on its application object before its first window: its name
// and icon, its style and its Japanese face.
void setUpApplication(QApplication &app);

// Builds the application and its main window and runs until the main window closes.
int runZurne(int argc, char *argv[]);
