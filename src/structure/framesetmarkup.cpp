#include "structure/framesetmarkup.h"

#include "document/pagetemplate.h"
#include "markup/markupparts.h"
#include "markup/markupstyle.h"
#include "markup/numbers.h"

#include <QStringList>

namespace {

QString frameTag(const FrameDefinition &frame, const FrameSetFields &fields, MarkupStyle style)
{
    const QString fixed = fields.resize == FrameResize::Fixed
                              ? u' ' + markupName(QStringLiteral("NORESIZE"), style)
                              : QString();
    return u'<' + markupName(QStringLiteral("FRAME"), style) +
           attribute(QStringLiteral("SRC"), addressValue(frame.url, style), style) +
           attribute(QStringLiteral("NAME"), frame.name, style) +
           attribute(QStringLiteral("SCROLLING"), fields.scrolling, style) + fixed + u'>';
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

// A frame's share of the window as a flexible box's growth: the ratio as typed when it is
// a number, an even share otherwise.
QString frameShare(const QString &size)
{
    const std::optional<double> share = numbers::strictNumber(size);
    return share && *share >= 0 ? shortestDecimal(*share) : QStringLiteral("1");
}

QString inlineFrame(const FrameDefinition &frame, const QString &size)
{
    return QStringLiteral("<iframe") +
           attribute(QStringLiteral("SRC"), addressValue(frame.url, MarkupStyle::Html5),
                     MarkupStyle::Html5) +
           attribute(QStringLiteral("NAME"), frame.name, MarkupStyle::Html5) +
           attribute(QStringLiteral("TITLE"), frame.name, MarkupStyle::Html5) +
           styleAttribute(
               {QStringLiteral("flex: ") + frameShare(size), QStringLiteral("border: none")}) +
           QStringLiteral("></iframe>") + CrLf;
}

// The two pages fill the window side by side or one above the other, in named inline
// frames, so that links aimed at the frames' names still open in them.
QString inlineFramePage(const FrameSetFields &fields, const QString &charset)
{
    const QString direction =
        fields.split == FrameSplit::Columns ? QStringLiteral("row") : QStringLiteral("column");
    const QString body = QStringLiteral("<div") +
                         styleAttribute({QStringLiteral("display: flex"),
                                         QStringLiteral("flex-direction: ") + direction,
                                         QStringLiteral("height: 100vh")}) +
                         QLatin1Char('>') + CrLf + inlineFrame(fields.first, fields.firstSize) +
                         inlineFrame(fields.second, fields.secondSize) + QStringLiteral("</div>") +
                         CrLf;
    return html5Page(
        {charset, fields.title, QString(),
         QStringLiteral("<body") + styleAttribute({QStringLiteral("margin: 0")}) + QLatin1Char('>'),
         body});
}

} // namespace

QString frameSetBlock(const FrameSetFields &fields, MarkupStyle style)
{
    const QString name = markupName(QStringLiteral("FRAMESET"), style);
    const QString sizes = fields.firstSize + u',' + fields.secondSize;
    const QString split =
        fields.split == FrameSplit::Columns ? QStringLiteral("COLS") : QStringLiteral("ROWS");
    return u'<' + name + attribute(split, sizes, style) + u'>' + CrLf +
           frameTag(fields.first, fields, style) + CrLf + frameTag(fields.second, fields, style) +
           CrLf + QStringLiteral("</") + name + u'>';
}

QString frameSetPage(const FrameSetFields &fields, MarkupStyle style, const QString &charset)
{
    if (style == MarkupStyle::Html5)
        return inlineFramePage(fields, charset);
    const QStringList lines = {
        QStringLiteral("<HTML>"),
        QStringLiteral("<HEAD>"),
        QStringLiteral("<META NAME = 'GENERATOR' CONTENT='VEK Zurne'>"),
        QStringLiteral("<TITLE>"),
        fields.title,
        QStringLiteral("</TITLE>"),
        QStringLiteral("</HEAD>"),
        frameSetBlock(fields, MarkupStyle::Classic),
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
