#include "forms/selectmarkup.h"

#include "markup/markupparts.h"
#include "markup/markupstyle.h"
#include "markup/numbers.h"

#include <QRegularExpression>

namespace {

// HTML5 wants text in every option: each gets a numbered placeholder to write over.
QString optionLine(int option, MarkupStyle style)
{
    if (style == MarkupStyle::Classic)
        return QStringLiteral("<OPTION VALUE=''>") + CrLf;
    return QStringLiteral("<option value=\"\">選択肢%1</option>").arg(option + 1) + CrLf;
}

} // namespace

QStringList optionsOf(const QString &content)
{
    static const QRegularExpression optionStart(QStringLiteral("<option[\\s>]"),
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression leadingBlanks(QStringLiteral("^\\s+"));
    QList<qsizetype> starts;
    for (const QRegularExpressionMatch &match : optionStart.globalMatch(content))
        starts << match.capturedStart();
    QStringList options;
    for (qsizetype i = 0; i < starts.size(); ++i) {
        const qsizetype from = i == 0 ? 0 : starts.at(i);
        const qsizetype to = i + 1 < starts.size() ? starts.at(i + 1) : content.size();
        options << content.mid(from, to - from);
    }
    if (!options.isEmpty())
        options.first().remove(leadingBlanks);
    return options;
}

std::optional<QString> selectMarkup(const SelectFields &fields, MarkupStyle style)
{
    const std::optional<qint16> count = numbers::toInt16(fields.optionCount);
    if (!count)
        return std::nullopt;
    const QString multiple = fields.choice == SelectChoice::Multiple
                                 ? QLatin1Char(' ') + markupName(QStringLiteral("MULTIPLE"), style)
                                 : QString();
    QString markup = markupName(QStringLiteral("<SELECT"), style) +
                     attribute(QStringLiteral("NAME"), fields.name, style) +
                     optionalAttribute(QStringLiteral("SIZE"), fields.height, style) + multiple +
                     QLatin1Char('>') + CrLf;
    for (int option = 0; option < *count; ++option)
        markup +=
            option < fields.options.size() ? fields.options.at(option) : optionLine(option, style);
    return markup + markupName(QStringLiteral("</SELECT>"), style) + CrLf;
}
