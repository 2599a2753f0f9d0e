#pragma once

// Markup of the image and link dialog: an anchor around text, an IMG tag, or an IMG tag
// inside an anchor. Nothing here adds line breaks, and every field goes in as typed.

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
// and "' TARGET='" target before the closing "'>" when a target is set.
QString linkTag(const LinkFields &fields);

// `content` between the opening anchor and "</A>".
QString wrapInLink(const QString &linkTag, const QString &content);

struct ImageFields {
    QString source;
    QString alternative;
    QString width;
    QString height;
    QString border;
    QString align;
};

// Every attribute is written, also when its field is empty.
QString imageTag(const ImageFields &fields);
