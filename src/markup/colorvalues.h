#pragma once

// Colours. A colour integer, as the colour chooser hands it over, has red in its lowest
// byte, green in the second and blue in the third; a colour value is the text "#RRGGBB".
// The last split is kept program-wide: the page colours dialog paints its preview from it.

#include <QColor>
#include <QString>

namespace ColorValues {

extern qint16 ColorR;
extern qint16 ColorG;
extern qint16 ColorB;
extern QString HexR;
extern QString HexG;
extern QString HexB;

// Sets the three components and their two-digit upper-case hexadecimal texts.
void SplitColor(qint32 color);

// Components back to 0 and texts to empty, as at program start.
void ResetColors();

// "#" + HexR + HexG + HexB: the colour value of the last split.
QString ColorValue();

// The colour of the last split.
QColor SplitQColor();

// Conversions between Qt's colours and colour integers.
qint32 colorInteger(const QColor &color);
QColor colorFromInteger(qint32 color);

} // namespace ColorValues
