#pragma once

// The address the browser is sent for a file: the scheme as the caller writes it ("File://"
// for the preview, "file://" for the guide) followed by the path. The characters an address
// reads as its own ('%', '#', '?') are escaped, so a page saved as "a#b.html" is that file
// and not "a" with a fragment; everything else, Japanese and blanks included, stays as it is.

#include <QString>

QString fileAddress(const QString &scheme, const QString &path);
