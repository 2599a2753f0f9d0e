#include "app/toolbartable.h"

#include <vector>

namespace {

QString s(const char16_t *text)
{
    return QString::fromUtf16(text);
}

const std::vector<ToolbarButton> &normalButtons()
{
    static const std::vector<ToolbarButton> buttons{
        {2, s(u"新規作成"), s(u"[ﾌｧｲﾙ]-[新規作成]"), "document-new", "mnuNew"},
        {3, s(u"開く"), s(u"[ﾌｧｲﾙ]-[開く]"), "document-open", "mnuOpen"},
        {4, s(u"上書き保存"), s(u"[ﾌｧｲﾙ]-[上書き保存]"), "document-save", "mnuSave"},
        {6, s(u"切り取り"), s(u"[編集]-[切り取り]"), "edit-cut", "mnuCut"},
        {7, s(u"ｺﾋﾟｰ"), s(u"[編集]-[ｺﾋﾟｰ]"), "edit-copy", "mnuCopy"},
        {8, s(u"貼り付け"), s(u"[編集]-[貼り付け]"), "edit-paste", "mnuPaste"},
        {9, s(u"検索"), s(u"[編集]-[検索]"), "edit-find", "mnuFind"},
        {11, s(u"ブラウザ確認"), s(u"[表示]-[ブラウザ確認]"), "document-preview", "mnuWB"},
        {13, s(u"左寄せ"), s(u"[文書表現]-[左寄せ]"), "format-justify-left", "mnuLeft"},
        {14, s(u"中央寄せ"), s(u"[文書表現]-[中央寄せ]"), "format-justify-center", "mnuCenter"},
        {15, s(u"右寄せ"), s(u"[文書表現]-[右寄せ]"), "format-justify-right", "mnuRight"},
        {17, s(u"太字"), s(u"[文書表現]-[太字]"), "format-text-bold", "mnuBold"},
        {18, s(u"斜体"), s(u"[文書表示]-[斜体]"), "format-text-italic", "mnuItalic"},
        {19, s(u"下線"), s(u"[文書表現]-[下線]"), "format-text-underline", "mnuUnderLine"},
        {20, s(u"取消線"), s(u"[文書表現]-[取消線]"), "format-text-strikethrough", "mnuTorikesi"},
        {22, s(u"文字の大きさ"), s(u"[文書表現]-[文字の大きさ]"), "format-font-size-more",
         "mnuFontH"},
        {23, s(u"ﾏｰｷｰ（文字移動）"), s(u"[文書表現]-[ﾏｰｷｰ（文字移動）]"), "zurne-marquee",
         "mnuMarquee"},
    };
    return buttons;
}

const std::vector<ToolbarButton> &htmlButtons()
{
    static const std::vector<ToolbarButton> buttons{
        {2, s(u"ﾊｲﾊﾟｰﾘﾝｸ"), s(u"[ﾀｸﾞ]-[ﾊｲﾊﾟｰﾘﾝｸ]"), "insert-link", "mnuHLink"},
        {3, s(u"画像"), s(u"[ﾀｸﾞ]-[画像]"), "insert-image", "mnuImage"},
        {5, s(u"ﾘｽﾄ"), s(u"[ﾀｸﾞ]-[ﾘｽﾄ]"), "format-list-unordered", "mnuList"},
        {6, s(u"表"), s(u"[ﾀｸﾞ]-[表]"), "insert-table", "mnuTableMake"},
        {8, s(u"罫線"), s(u"[ﾀｸﾞ]-[罫線]"), "insert-horizontal-rule", "mnuHR"},
        {9, s(u"改行"), s(u"[ﾀｸﾞ]-[改行]"), "zurne-br", "mnuBR"},
        {10, s(u"改行禁止"), s(u"[ﾀｸﾞ]-[改行禁止]"), "zurne-nobr", "mnuNOBR"},
        {12, s(u"ﾌｫｰﾑの設定"), s(u"[ﾀｸﾞ]-[ﾌｫｰﾑの設定]"), "zurne-form", "mnuForm"},
        {13, s(u"ﾃｷｽﾄｴﾘｱ"), s(u"[ﾀｸﾞ]-[ﾃｷｽﾄｴﾘｱ]"), "zurne-textarea", "mnuTextarea"},
        {14, s(u"選択ﾎﾞﾀﾝ"), s(u"[ﾀｸﾞ]-[選択ﾎﾞﾀﾝ]"), "checkbox", "mnuCheckbox"},
        {15, s(u"ﾎﾞﾀﾝ"), s(u"[ﾀｸﾞ]-[ﾎﾞﾀﾝ]"), "zurne-button", "mnuSubmit"},
        {16, s(u"ｾﾚｸﾄﾎﾞｯｸｽ"), s(u"[ﾀｸﾞ]-[ｾﾚｸﾄﾎﾞｯｸｽ]"), "zurne-select", "mnuSelectBox"},
        {18, s(u"ｶﾗｰ設定"), s(u"[文書表現]-[ｶﾗｰ設定]"), "color-management", "mnuColor"},
        {20, s(u"ｺﾒﾝﾄ"), s(u"[ﾀｸﾞ]-[ｺﾒﾝﾄ]"), "edit-comment", "mnuComment"},
    };
    return buttons;
}

} // namespace

const ToolbarLayout &standardToolbar()
{
    static const ToolbarLayout layout{"tbrNormal", "IL1", 24, normalButtons()};
    return layout;
}

const ToolbarLayout &htmlToolbar()
{
    static const ToolbarLayout layout{"tbrHTML", "IL2", 21, htmlButtons()};
    return layout;
}
