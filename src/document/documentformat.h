#pragma once

// What a document's file is written in, named the way users know it: the text of the
// status bar's format panel ("Shift_JIS / CRLF", "UTF-8 (BOM) / LF").

#include "textmodel/linebreaks.h"

#include <QByteArray>
#include <QString>

struct DocumentFormat {
    // The code page the file is written in, as iconv names it ("CP932", "UTF-16LE", ...).
    QByteArray codePage;
    bool byteOrderMark = false;
    // Some bytes of the file did not decode and are kept as they were.
    bool keepsRawBytes = false;
    // The break of the document's lines; with mixed breaks, the one most of them have.
    LineBreak lineBreak = LineBreak::CrLf;
    bool mixedBreaks = false;
};

// The name users know `codePage` by: "Shift_JIS" for CP932, iconv's for the others.
QString codePageName(const QByteArray &codePage);

// The code page's usual name, its byte-order mark and kept bytes, then the line breaks.
QString formatName(const DocumentFormat &format);
