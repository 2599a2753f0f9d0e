#include "structure/framesetmarkup.h"

#include "markup/markupparts.h"
#include "markup/numbers.h"

#include <QStringList>

namespace {

QString frameTag(const FrameDefinition &frame, const FrameSetFields &fields)
{
    const QString ending = fields.resize == FrameResize::Allowed ? QStringLiteral("'>")
                                                                 : QStringLiteral("' NORESIZE>");
    return QStringLiteral("<FRAME SRC='") + frame.url + QStringLiteral("' NAME='") + frame.name +
           QStringLiteral("' SCROLLING='") + fields.scrolling + ending;
}

QString frameSetBlock(const FrameSetFields &fields)
{
    const QString opening = fields.split == FrameSplit::Columns
                                ? QStringLiteral("<FRAMESET COLS='")
                                : QStringLiteral("<FRAMESET ROWS='");
    return opening + fields.firstSize + QLatin1Char(',') + fields.secondSize +
           QStringLiteral("'>") + CrLf + frameTag(fields.first, fields) + CrLf +
           frameTag(fields.second, fields) + CrLf + QStringLiteral("</FRAMESET>");
}

// The shortest decimal text of `value` with at most twelve places after the point.
QString shortestDecimal(double value)
{
    QString text = QString::number(value, 'f', 12);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

} // namespace

QString frameSetPage(const FrameSetFields &fields)
{
    const QStringList lines = {
        QStringLiteral("<HTML>"),
        QStringLiteral("<HEAD>"),
        QStringLiteral("<META NAME = 'GENERATOR' CONTENT='VEK Zurne'>"),
        QStringLiteral("<TITLE>"),
        fields.title,
        QStringLiteral("</TITLE>"),
        QStringLiteral("</HEAD>"),
        frameSetBlock(fields),
        QString(),
        QStringLiteral("<NOFRAMES>"),
        QStringLiteral(
            "このページを表示するにはフレームを表示できる日本語対応のブラウザが必要です。"),
        QStringLiteral("</NOFRAMES>"),
        QStringLiteral("</HTML>"),
    };
    return lines.join(CrLf);
}

PartnerRatio partnerRatio(QStringView ratio)
{
    const std::optional<qint16> rounded = numbers::toInt16(ratio);
    if (!rounded)
        return {PartnerRatio::Reset, ResetRatio};
    if (*rounded < 0 || *rounded > 100)
        return {PartnerRatio::Keep, QString()};
    return {PartnerRatio::Set, shortestDecimal(100 - *numbers::strictNumber(ratio))};
}
