#pragma once

// Markup of the image and link dialog: an anchor around text, an IMG tag, or an IMG tag
// inside an anchor. Nothing here adds line breaks, and every field goes in as typed.

#include "textview/viewoptions.h"

#include <QString>

enum class LinkScheme { Plain, Mail };

struct LinkFields {
    QString url;
    LinkScheme scheme = LinkScheme::Plain;
    QString target; // "", "_top" or "_blank"
};

// The target frame chosen at a position of the target list: nothing, "_top", "_blank".
QString linkTarget(int position);

// The opening anchor: "<A HREF='" URL "'>", with "MAILTO:" before the URL for a mail link
// and "' TARGET='" target before the closing "'>" when a target is set. HTML5 in lower
// case with double quotes, & in the address as &amp;.
QString linkTag(const LinkFields &fields, MarkupStyle style = MarkupStyle::Classic);

// `content` between the opening anchor and "</A>" ("</a>" in HTML5).
QString wrapInLink(const QString &linkTag, const QString &content,
                   MarkupStyle style = MarkupStyle::Classic);

struct ImageFields {
    QString source;
    QString alternative;
    QString width;
    QString height;
    QString border;
    QString align;
};

// Classic: every attribute is written, also when its field is empty. HTML5: src and alt
// always (an empty alt marks a decorative picture), width and height when they are whole
// numbers of pixels, and the other sizes, the border and the alignment as CSS.
QString imageTag(const ImageFields &fields, MarkupStyle style = MarkupStyle::Classic);
