#include "markup/colorvalues.h"

namespace ColorValues {

qint16 ColorR = 0;
qint16 ColorG = 0;
qint16 ColorB = 0;
QString HexR;
QString HexG;
QString HexB;

namespace {

qint16 byteOf(qint32 color, int index)
{
    return static_cast<qint16>((color >> (8 * index)) & 0xFF);
}

QString twoHexDigits(qint16 component)
{
    const QString digits = QString::number(component, 16).toUpper();
    return component < 16 ? QLatin1Char('0') + digits : digits;
}

} // namespace

void SplitColor(qint32 color)
{
    ColorR = byteOf(color, 0);
    ColorG = byteOf(color, 1);
    ColorB = byteOf(color, 2);
    HexR = twoHexDigits(ColorR);
    HexG = twoHexDigits(ColorG);
    HexB = twoHexDigits(ColorB);
}

void ResetColors()
{
    ColorR = ColorG = ColorB = 0;
    HexR.clear();
    HexG.clear();
    HexB.clear();
}

QString ColorValue()
{
    return QLatin1Char('#') + HexR + HexG + HexB;
}

QColor SplitQColor()
{
    return QColor(ColorR, ColorG, ColorB);
}

qint32 colorInteger(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

QColor colorFromInteger(qint32 color)
{
    return QColor(byteOf(color, 0), byteOf(color, 1), byteOf(color, 2));
}

} // namespace ColorValues
