#pragma once

// Markup of the map definition window: the IMG tag with a MAP element around one AREA, or
// the AREA line alone.

#include "imagemap/areavalues.h"

#include <QString>

struct MapFields {
    QString imageUrl;
    QString mapName;
    QString linkUrl;
    // Only the AREA line, for adding an area to a map already written.
    bool areaOnly = false;
};

// A rectangle's coordinates are the press point then the release point, as they were, in
// whatever direction the drag went; a circle's are its centre and radius. Field texts go in
// as typed.
QString mapMarkup(const MapFields &fields, AreaKind kind, const AreaValues &values);
