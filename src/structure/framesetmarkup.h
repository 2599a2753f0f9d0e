#pragma once

// The frame set dialog's page: a whole HTML page dividing the window into two frames, and
// the rule that keeps its two ratio fields adding up to 100.

#include "textview/viewoptions.h"

#include <QString>
#include <QStringView>

enum class FrameSplit {
    Columns, // side by side
    Rows,    // one above the other
};

enum class FrameResize { Allowed, Fixed };

struct FrameDefinition {
    QString url;
    QString name;
};

struct FrameSetFields {
    QString title;
    FrameSplit split = FrameSplit::Columns;
    QString firstSize = QStringLiteral("50");
    QString secondSize = QStringLiteral("50");
    QString scrolling = QStringLiteral("AUTO");
    FrameResize resize = FrameResize::Allowed;
    FrameDefinition first; // the upper or left frame
    FrameDefinition second;
};

// Classic: sixteen lines with CR LF between them and none after the last; every value as
// typed. HTML5: a page in `charset` whose two named inline frames share the window in the
// ratio of the two sizes (scrolling and resizing are left to the browser).
QString frameSetPage(const FrameSetFields &fields, MarkupStyle style = MarkupStyle::Classic,
                     const QString &charset = {});

// The frame set alone, from its start tag to its end tag, its attributes in `style`: what an
// edit of a frame set already in the page writes over it.
QString frameSetBlock(const FrameSetFields &fields, MarkupStyle style);

// What a change of one ratio field does to its partner.
struct PartnerRatio {
    enum Outcome {
        Set,   // the partner becomes `text`
        Keep,  // the value is outside 0..100: nothing changes
        Reset, // the value is no number: both fields go back to ResetRatio
    };
    Outcome outcome;
    QString text;
};

inline const QString ResetRatio = QStringLiteral("50");

// A ratio is read whole (blanks around it allowed) and rounded half to even into 16 bits
// to decide; the partner gets 100 less the full value in its shortest decimal form, at
// most twelve places after the point, so that "33.5" gives "66.5" and binary fractions of
// the subtraction never show.
PartnerRatio partnerRatio(QStringView ratio);
