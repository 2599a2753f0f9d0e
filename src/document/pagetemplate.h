#pragma once

// The whole pages the program writes: the page a new document starts with, and the frame
// of an HTML5 page that other builders fill.

#include "textview/viewoptions.h"

#include <QString>

// The title a page gets until its author writes one.
inline const QString TitlePlaceholder = QStringLiteral("ここにタイトルを記述してください");

struct Html5PageFields {
    QString charset; // the name of the code page the page is saved in
    QString title;   // the placeholder when empty
    QString head;    // lines for the head after the title, each ending with CR LF
    QString bodyTag = QStringLiteral("<body>");
    QString body; // between the body tags, each line ending with CR LF
};

// "<!DOCTYPE html>", <html lang="ja">, the character set, the viewport and the generator
// line, the title, then the body; CR LF between lines and none after the last.
QString html5Page(const Html5PageFields &fields);

// The name of the code page a new document is saved in, for its charset line.
QString newPageCharset();

// The new page: classic, the HTML 3.2 skeleton without a doctype; HTML5, an html5Page with
// an empty line in the body. `charset` counts only for HTML5.
QString newPageTemplate(MarkupStyle style = MarkupStyle::Classic, const QString &charset = {});
