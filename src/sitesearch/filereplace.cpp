#include "sitesearch/filereplace.h"

#include "codepage/codepage.h"
#include "files/textfile.h"
#include "files/unencodable.h"
#include "platform/filewriter.h"
#include "sitesearch/sitefindings.h"
#include "textmodel/linebreaks.h"

namespace {

const QString ChangedSinceSearch = QStringLiteral("検索の後で他のプログラムで変更されました");

QString unencodableReason(const QString &text, qsizetype offset, const TextEncoding &encoding)
{
    return QStringLiteral("置換後の「%1」は %2 で表せません")
        .arg(Unencodable::characterAt(text, offset),
             QString::fromLatin1(codepage::effectiveCodePage(encoding)));
}

// `text` with each of `matches` replaced as `matcher` replaces `with`.
QString replacedText(const Matcher &matcher, QStringView text,
                     const std::vector<TextMatch> &matches, const QString &with,
                     QStringView lineBreak)
{
    QString replaced;
    replaced.reserve(text.size());
    qsizetype copied = 0;
    for (const TextMatch &match : matches) {
        replaced += text.sliced(copied, match.start - copied);
        replaced += matcher.replacement(text, match, with, lineBreak);
        copied = match.start + match.length;
    }
    replaced += text.sliced(copied);
    return replaced;
}

} // namespace

FileReplaced replaceInFile(const Matcher &matcher, const QString &with, const QString &path,
                           const platform::FileStamp &searched)
{
    FileReplaced result{path, 0, false, {}};
    if (platform::FileStamp::of(path) != searched) {
        result.skipped = ChangedSinceSearch;
        return result;
    }
    const LoadedText loaded = readTextWhole(path);
    if (!loaded.ok()) {
        result.skipped = loaded.failureReason;
        return result;
    }
    const std::vector<TextMatch> matches = selectableMatches(matcher, loaded.text);
    if (matches.empty())
        return result;
    const QString lineBreak = breakText(lineBreaksOf(loaded.text).mostCommon);
    const QString text = replacedText(matcher, loaded.text, matches, with, lineBreak);
    const codepage::Encoded encoded = codepage::encode(text, loaded.encoding);
    if (!encoded.ok()) {
        result.skipped = unencodableReason(text, encoded.unencodableAt, loaded.encoding);
        return result;
    }
    // As the save command does: a link that was at the path when it was read stays a link.
    const platform::Links links = searched.kind == platform::FileKind::Link
                                      ? platform::Links::Follow
                                      : platform::Links::Replace;
    const platform::FileWriteResult written = platform::writeWholeFile(path, encoded.bytes, links);
    if (!written.ok()) {
        result.skipped = written.failure;
        return result;
    }
    result.replaced = qsizetype(matches.size());
    return result;
}
