#include "pagecheck/checkmessages.h"

#include <tidy/tidyenum.h>

#include <QHash>

namespace {

// %1, %2 ... stand for libtidy's arguments in its own order.
const QHash<unsigned, QString> &translations()
{
    static const QHash<unsigned, QString> table{
        {MISSING_ENDTAG_FOR, QStringLiteral("</%1> がありません")},
        {MISSING_ENDTAG_BEFORE, QStringLiteral("%2 の前に </%1> がありません")},
        {UNEXPECTED_ENDTAG, QStringLiteral("</%1> に対応する開始ﾀｸﾞがありません")},
        {UNEXPECTED_ENDTAG_ERR, QStringLiteral("</%1> に対応する開始ﾀｸﾞがありません")},
        {UNEXPECTED_ENDTAG_IN,
         QStringLiteral("<%2> の中に、対応する開始ﾀｸﾞのない </%1> があります")},
        {NON_MATCHING_ENDTAG, QStringLiteral("開始ﾀｸﾞと対応しない終了ﾀｸﾞ </%1> があります")},
        {DISCARDING_UNEXPECTED, QStringLiteral("ここにあってはならない %1 があります")},
        {UNKNOWN_ELEMENT, QStringLiteral("%1 は HTML にない要素です")},
        {UNKNOWN_ELEMENT_LOOKS_CUSTOM, QStringLiteral("%1 は HTML にない要素です")},
        {PROPRIETARY_ELEMENT, QStringLiteral("%1 は標準の HTML にない要素です")},
        {PROPRIETARY_ATTRIBUTE, QStringLiteral("%1 の属性 \"%2\" は標準の HTML にありません")},
        {PROPRIETARY_ATTR_VALUE, QStringLiteral("%1 の属性値 \"%2\" は標準の HTML にありません")},
        {MISMATCHED_ATTRIBUTE_WARN, QStringLiteral("%1 の属性 \"%2\" は %3 では使えません")},
        {MISMATCHED_ATTRIBUTE_ERROR, QStringLiteral("%1 の属性 \"%2\" は %3 では使えません")},
        {REMOVED_HTML5, QStringLiteral("%1 要素は HTML5 で廃止されました")},
        {BAD_SUMMARY_HTML5, QStringLiteral("%1 要素の summary 属性は HTML5 で廃止されました")},
        {ELEMENT_VERS_MISMATCH_WARN, QStringLiteral("%1 要素は %2 では使えません")},
        {ELEMENT_VERS_MISMATCH_ERROR, QStringLiteral("%1 要素は %2 では使えません")},
        {MISSING_DOCTYPE, QStringLiteral("<!DOCTYPE> 宣言がありません")},
        {DOCTYPE_AFTER_TAGS, QStringLiteral("<!DOCTYPE> 宣言が要素の後にあります")},
        {MISSING_TITLE_ELEMENT, QStringLiteral("title 要素がありません")},
        {MISSING_ATTRIBUTE, QStringLiteral("%1 に \"%2\" 属性がありません")},
        {MISSING_ATTR_VALUE, QStringLiteral("%1 の属性 \"%2\" に値がありません")},
        {BAD_ATTRIBUTE_VALUE, QStringLiteral("%1 の属性 \"%2\" の値 \"%3\" は正しくありません")},
        {REPEATED_ATTRIBUTE,
         QStringLiteral("%1 の属性 \"%3\" が重なっています（値 \"%2\" は使われません）")},
        {ANCHOR_NOT_UNIQUE, QStringLiteral("%1 の名前 \"%2\" はこのﾍﾟｰｼﾞですでに使われています")},
        {ILLEGAL_NESTING, QStringLiteral("%1 を入れ子にしてはいけません")},
        {CANT_BE_NESTED, QStringLiteral("%1 は入れ子にできません")},
        {NESTED_EMPHASIS, QStringLiteral("強調の %1 が入れ子になっています")},
        {TAG_NOT_ALLOWED_IN, QStringLiteral("%1 は <%2> の中に書けません")},
        {INSERTING_TAG, QStringLiteral("<%1> がありません")},
        {MISSING_STARTTAG, QStringLiteral("<%1> がありません")},
        {ELEMENT_NOT_EMPTY, QStringLiteral("%1 要素が閉じられていません")},
        {UNEXPECTED_END_OF_FILE, QStringLiteral("%1 の途中でﾍﾟｰｼﾞが終わっています")},
        {UNEXPECTED_GT, QStringLiteral("%1 のﾀｸﾞを閉じる '>' がありません")},
        {MISSING_QUOTEMARK, QStringLiteral("%1 の属性値を閉じる引用符がありません")},
        {UNKNOWN_ENTITY,
         QStringLiteral("& がそのまま書かれているか、\"%1\" は知られていない文字参照です")},
        {UNESCAPED_AMPERSAND, QStringLiteral("& は &amp; と書きます")},
        {MISSING_SEMICOLON, QStringLiteral("文字参照 \"%1\" が ; で終わっていません")},
        {CONTENT_AFTER_BODY, QStringLiteral("body の終わりの後にまだ内容があります")},
        {FOUND_STYLE_IN_BODY, QStringLiteral("<style> が <body> の中にあります")},
        {COERCE_TO_ENDTAG, QStringLiteral("<%1> は </%2> の書き誤りのようです")},
        {TOO_MANY_ELEMENTS, QStringLiteral("%1 要素が多すぎます")},
        {TOO_MANY_ELEMENTS_IN, QStringLiteral("<%2> の中に %1 要素が多すぎます")},
    };
    return table;
}

// `format` with each %n replaced by argument n, in one pass, so that a "%" in a value the
// page holds stays as it is.
QString filledIn(const QString &format, const QStringList &arguments)
{
    QString out;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const int n = i + 1 < format.size() ? format[i + 1].digitValue() : -1;
        if (format[i] == u'%' && n >= 1) {
            out += arguments.value(n - 1);
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

} // namespace

std::optional<QString> translatedMessage(unsigned code, const QStringList &arguments)
{
    const auto found = translations().constFind(code);
    if (found == translations().constEnd())
        return std::nullopt;
    return filledIn(*found, arguments);
}
