#pragma once

// Markup of the map definition window: the IMG tag with a MAP element around one AREA, or
// the AREA line alone.

#include "imagemap/areavalues.h"
#include "textview/viewoptions.h"

#include <QString>

struct MapFields {
    QString imageUrl;
    QString mapName;
    QString linkUrl;
    // Only the AREA line, for adding an area to a map already written.
    bool areaOnly = false;
    // What the area's link leads to, for those who cannot see the picture: HTML5 only.
    QString areaAlt = QString();
};

// A rectangle's coordinates are the press point then the release point, as they were, in
// whatever direction the drag went; a circle's are its centre and radius. Field texts go in
// as typed. HTML5: lower case, double quotes, the map referred to by "#name" alone, an alt
// on the area (and an empty one on the picture, which the areas describe).
QString mapMarkup(const MapFields &fields, AreaKind kind, const AreaValues &values,
                  MarkupStyle style = MarkupStyle::Classic);

// A start tag already in the page rewritten in place by the window: the MAP's name, or an
// AREA's link and description (its ALT written when `alt` is not empty or `keepAlt`), in
// the tag's `style`. An AREA's shape and coordinates are its own, kept as written.
QString mapNameTag(const QString &name, MarkupStyle style);
QString areaLinkTag(const QString &linkUrl, const QString &alt, bool keepAlt, MarkupStyle style);
