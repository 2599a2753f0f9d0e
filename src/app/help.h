#pragma once

// The help menu's HTML guide and the program's version text.

#include <QString>

class QWidget;

namespace Help {

// "file://" + folder + "start.html", with one separator between folder and file name.
QString guideAddress(const QString &folder);

// "Version " + major + "." + minor with at least two digits.
QString versionText(int major, int minor);
// The running program's version, as kept with the build.
QString programVersionText();

// Shows the guide's start page, from the program's folder, in the preview window.
void mnuHTML_Click(QWidget &owner);

} // namespace Help
