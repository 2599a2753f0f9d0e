#pragma once

// How a picture chosen from the disk is addressed in a page, and the file patterns under
// which the picture choosers list pictures.

#include <QString>

// The picture files the choosers list together under one filter, separated by ";".
QString picturePatterns();

// The address of the picture file `picture` as seen from the page file `page`: relative to
// the page's folder ("images/ロゴ.png", "../img/a.gif"), each segment as the file system
// spells it (no percent-encoding); the bare file name when the picture lies beside the page
// or the page has no file yet (`page` empty). Both paths are absolute.
QString pictureAddress(const QString &picture, const QString &page);
