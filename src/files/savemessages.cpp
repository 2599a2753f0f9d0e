#include "files/savemessages.h"

#include "codepage/codepage.h"
#include "document/documentformat.h"
#include "files/unencodable.h"
#include "textmodel/linebreaks.h"

#include <algorithm>

namespace {

QString notSaved(const QString &path)
{
    return path + QStringLiteral(" を保存できませんでした。\n");
}

// "3 行 5 桁目": where `offset` stands, both counted from 1.
QString placeOf(const QString &text, qsizetype offset)
{
    const QStringView before = QStringView(text).first(offset);
    const qsizetype lineStart =
        std::max(before.lastIndexOf(QLatin1Char('\n')), before.lastIndexOf(QLatin1Char('\r'))) + 1;
    return QStringLiteral("%1 行 %2 桁目")
        .arg(countLineBreaks(before) + 1)
        .arg(offset - lineStart + 1);
}

QString codePointName(const QString &character)
{
    return QStringLiteral("U+%1")
        .arg(uint(Unencodable::codePointOf(character)), 4, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace

QString readFailedMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("ﾃｷｽﾄﾌｧｲﾙの読み込みに失敗しました\n") + path + QLatin1Char('\n') + reason;
}

QString writeFailedMessage(const QString &path, const QString &reason)
{
    return notSaved(path) + reason;
}

QString unencodableMessage(const QString &path, const QString &text,
                           const std::vector<qsizetype> &offsets, const TextEncoding &encoding)
{
    const QString character = Unencodable::characterAt(text, offsets.front());
    return notSaved(path) +
           QStringLiteral(
               "%1の文字「%2」(%3) は文字コード %4 で表せません（表せない文字は全部で %5 個）。")
               .arg(placeOf(text, offsets.front()), character, codePointName(character),
                    codePageName(codepage::effectiveCodePage(encoding)))
               .arg(offsets.size());
}

QString keptBytesMessage(const QString &path, const QString &text, qsizetype offset)
{
    return notSaved(path) +
           QStringLiteral(
               "%1ほかに元の文字ｺｰﾄﾞで読めなかったﾊﾞｲﾄがあり、別の文字ｺｰﾄﾞには変換できません。")
               .arg(placeOf(text, offset));
}

QString overwriteQuestion(const QString &path)
{
    return path + QStringLiteral(" は既に存在します。\n上書きしますか？");
}

QString changedBeforeSaveQuestion(const QString &path)
{
    return path + QStringLiteral(" は、読み込みまたは保存の後に他のプログラムで変更されています。\n"
                                 "上書きしますか？");
}

QString changedElsewhereQuestion(const platform::FileStamp &now, bool unsavedChanges)
{
    const QString replaced = replacedSentence(now);
    QString question =
        (replaced.isNull() ? now.path + QStringLiteral(" は他のプログラムで変更されました。")
                           : replaced) +
        QLatin1Char('\n');
    if (unsavedChanges)
        question +=
            QStringLiteral("読み込み直すと、このｳｨﾝﾄﾞｳの保存していない変更は失われます。\n");
    return question + QStringLiteral("読み込み直しますか？");
}

QString leftCopyQuestion(const QString &path, const QString &copy)
{
    return path +
           QStringLiteral(
               " の上書き保存が途中で終わっています。保存前の内容の控えが残っています。\n"
               "控え: ") +
           copy +
           QStringLiteral(
               "\n控えの内容に戻しますか？（いいえ: ファイルを今のまま開き、控えは残します）");
}

QString finishedSaveQuestion(const QString &path, const QString &copy)
{
    return path +
           QStringLiteral(" の上書き保存は、新しい内容を書き終えたところで途中で終わっています。"
                          "ファイルは保存した新しい内容のままです。\n控え: ") +
           copy +
           QStringLiteral("\n保存前の内容に戻しますか？（いいえ: 新しい内容のまま開き、"
                          "控えは削除します）");
}

QString damagedCopyMessage(const QString &path, const QString &copy)
{
    return path +
           QStringLiteral(" の上書き保存が途中で終わった後の控えが壊れているため、"
                          "元の内容に戻せません。ファイルは今のまま開きます。\n"
                          "控えはそのまま残してあります: ") +
           copy;
}

QString restoreFailedMessage(const QString &path, const QString &copy, const QString &reason)
{
    return path + QStringLiteral(" を控えの内容に戻せませんでした。\n") + reason +
           QStringLiteral("\n控えはそのまま残してあります: ") + copy;
}

QString replacedSentence(const platform::FileStamp &now)
{
    switch (now.kind) {
    case platform::FileKind::Link:
        return now.path +
               QStringLiteral(" はリンクに置き換えられています（→ %1）。").arg(now.linkTarget);
    case platform::FileKind::Folder:
        return now.path + QStringLiteral(" はフォルダに置き換えられています。");
    case platform::FileKind::Other:
        return now.path + QStringLiteral(" はファイル以外のもの（デバイス、FIFO、ソケットなど）に"
                                         "置き換えられています。");
    default:
        return {};
    }
}

QString linkBeforeSaveQuestion(const platform::FileStamp &now)
{
    return replacedSentence(now) +
           QStringLiteral("\n上書きすると、リンクを保存する内容のファイルに置き換えます"
                          "（リンク先には書き込みません）。\n上書きしますか？");
}

QString replacedNotSavedMessage(const platform::FileStamp &now)
{
    return notSaved(now.path) + replacedSentence(now);
}
