#pragma once

class QApplication;

// Qt's own dialogs and buttons speak Japanese like the rest of the program.
void installJapaneseTranslation(QApplication &app);

// Builds the application and its main window and runs until the main window closes.
int runZurne(int argc, char *argv[]);
