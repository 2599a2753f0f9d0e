#pragma once

// How the desktop backend sets up Qt's own file dialog for a request. Kept apart from the
// backend so tests can look at a prepared dialog without showing it.
//
// The dialog never reads the files it lists: icons and type names come from the file name
// alone. Guessing a type from a file's content would read from whatever the folder holds,
// and a file such as /proc/kmsg blocks its reader for good.

#include "platform/platform.h"

class QFileDialog;

namespace platform {

// "desc|pattern|desc|pattern" becomes Qt's "desc (pattern1 pattern2);;...".
QString qtFilter(const QString &filter);

// Mode, filters (shown as the program writes them), starting folder and offered name. A
// starting folder that names no existing folder ("?" stands for none) starts the dialog in
// the user's home folder with no name offered.
void prepareFileDialog(QFileDialog &dialog, const FileRequest &request);

} // namespace platform
