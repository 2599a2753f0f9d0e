#include "sitesearch/replacesummary.h"

#include <QStringList>

namespace {

// A summary longer than this names the first files of each kind and counts the others.
constexpr qsizetype MostNamed = 20;
const QString InWindow = QStringLiteral("（ｳｨﾝﾄﾞｳ内、未保存）");

QString listed(const QStringList &lines)
{
    QStringList shown = lines.mid(0, MostNamed);
    if (lines.size() > MostNamed)
        shown << QStringLiteral("ほか %1 個のﾌｧｲﾙ").arg(lines.size() - MostNamed);
    return shown.join(u'\n');
}

} // namespace

QString replaceQuestion(qsizetype matches, qsizetype files)
{
    return QStringLiteral("%1 個のﾌｧｲﾙの %2 件を置換します。よろしいですか？")
        .arg(files)
        .arg(matches);
}

QString replaceSummary(const std::vector<FileReplaced> &results)
{
    QStringList changed;
    QStringList skipped;
    qsizetype replaced = 0;
    for (const FileReplaced &file : results) {
        if (!file.skipped.isEmpty()) {
            skipped << file.path + QStringLiteral(" : ") + file.skipped;
        } else if (file.replaced > 0) {
            replaced += file.replaced;
            changed << file.path + QStringLiteral(" : %1 件").arg(file.replaced) +
                           (file.inWindow ? InWindow : QString());
        }
    }
    QString summary =
        QStringLiteral("%1 個のﾌｧｲﾙで %2 件置換しました。").arg(changed.size()).arg(replaced);
    if (!changed.isEmpty())
        summary += QLatin1Char('\n') + listed(changed);
    if (!skipped.isEmpty())
        summary += QStringLiteral("\n\n置換しなかったﾌｧｲﾙ：\n") + listed(skipped);
    return summary;
}
