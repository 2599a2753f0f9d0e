#include "app/toolbartable.h"

#include "app/frmmdi.h"

#include <vector>

namespace {

QString s(const char16_t *text) { return QString::fromUtf16(text); }

using F = frmMDI;

// Positions 2, 3, 4, 6, 7 and 8 run the same procedures as the menu entries new, open,
// save, cut, copy and paste: their handlers call nothing else.
const std::vector<ToolbarButton> &normalButtons()
{
    static const std::vector<ToolbarButton> buttons{
        {2, s(u"新規作成"), s(u"[ﾌｧｲﾙ]-[新規作成]"), "document-new", &F::mnuNew_Click},
        {3, s(u"開く"), s(u"[ﾌｧｲﾙ]-[開く]"), "document-open", &F::mnuOpen_Click},
        {4, s(u"上書き保存"), s(u"[ﾌｧｲﾙ]-[上書き保存]"), "document-save", &F::mnuSave_Click},
        {6, s(u"切り取り"), s(u"[編集]-[切り取り]"), "edit-cut", &F::mnuCut_Click},
        {7, s(u"ｺﾋﾟｰ"), s(u"[編集]-[ｺﾋﾟｰ]"), "edit-copy", &F::mnuCopy_Click},
        {8, s(u"貼り付け"), s(u"[編集]-[貼り付け]"), "edit-paste", &F::mnuPaste_Click},
        {9, s(u"検索"), s(u"[編集]-[検索]"), "edit-find", &F::mnuFind_Click},
        {11, s(u"ブラウザ確認"), s(u"[表示]-[ブラウザ確認]"), "document-preview", &F::mnuWB_Click},
        {13, s(u"左寄せ"), s(u"[文書表現]-[左寄せ]"), "format-justify-left", &F::mnuLeft_Click},
        {14, s(u"中央寄せ"), s(u"[文書表現]-[中央寄せ]"), "format-justify-center",
         &F::mnuCenter_Click},
        {15, s(u"右寄せ"), s(u"[文書表現]-[右寄せ]"), "format-justify-right", &F::mnuRight_Click},
        {17, s(u"太字"), s(u"[文書表現]-[太字]"), "format-text-bold", &F::mnuBold_Click},
        {18, s(u"斜体"), s(u"[文書表示]-[斜体]"), "format-text-italic", &F::mnuItalic_Click},
        {19, s(u"下線"), s(u"[文書表現]-[下線]"), "format-text-underline", &F::mnuUnderLine_Click},
        {20, s(u"取消線"), s(u"[文書表現]-[取消線]"), "format-text-strikethrough",
         &F::mnuTorikesi_Click},
        {22, s(u"文字の大きさ"), s(u"[文書表現]-[文字の大きさ]"), "format-font-size-more",
         &F::mnuFontH_Click},
        {23, s(u"ﾏｰｷｰ（文字移動）"), s(u"[文書表現]-[ﾏｰｷｰ（文字移動）]"), "zurne-marquee",
         &F::mnuMarquee_Click},
    };
    return buttons;
}

const std::vector<ToolbarButton> &htmlButtons()
{
    static const std::vector<ToolbarButton> buttons{
        {2, s(u"ﾊｲﾊﾟｰﾘﾝｸ"), s(u"[ﾀｸﾞ]-[ﾊｲﾊﾟｰﾘﾝｸ]"), "insert-link", &F::mnuHLink_Click},
        {3, s(u"画像"), s(u"[ﾀｸﾞ]-[画像]"), "insert-image", &F::mnuImage_Click},
        {5, s(u"ﾘｽﾄ"), s(u"[ﾀｸﾞ]-[ﾘｽﾄ]"), "format-list-unordered", &F::mnuList_Click},
        {6, s(u"表"), s(u"[ﾀｸﾞ]-[表]"), "insert-table", &F::mnuTableMake_Click},
        {8, s(u"罫線"), s(u"[ﾀｸﾞ]-[罫線]"), "insert-horizontal-rule", &F::mnuHR_Click},
        {9, s(u"改行"), s(u"[ﾀｸﾞ]-[改行]"), "zurne-br", &F::mnuBR_Click},
        {10, s(u"改行禁止"), s(u"[ﾀｸﾞ]-[改行禁止]"), "zurne-nobr", &F::mnuNOBR_Click},
        {12, s(u"ﾌｫｰﾑの設定"), s(u"[ﾀｸﾞ]-[ﾌｫｰﾑの設定]"), "zurne-form", &F::mnuForm_Click},
        {13, s(u"ﾃｷｽﾄｴﾘｱ"), s(u"[ﾀｸﾞ]-[ﾃｷｽﾄｴﾘｱ]"), "zurne-textarea", &F::mnuTextarea_Click},
        {14, s(u"選択ﾎﾞﾀﾝ"), s(u"[ﾀｸﾞ]-[選択ﾎﾞﾀﾝ]"), "checkbox", &F::mnuCheckbox_Click},
        {15, s(u"ﾎﾞﾀﾝ"), s(u"[ﾀｸﾞ]-[ﾎﾞﾀﾝ]"), "zurne-button", &F::mnuSubmit_Click},
        {16, s(u"ｾﾚｸﾄﾎﾞｯｸｽ"), s(u"[ﾀｸﾞ]-[ｾﾚｸﾄﾎﾞｯｸｽ]"), "zurne-select", &F::mnuSelectBox_Click},
        {18, s(u"ｶﾗｰ設定"), s(u"[文書表現]-[ｶﾗｰ設定]"), "color-management", &F::mnuColor_Click},
        {20, s(u"ｺﾒﾝﾄ"), s(u"[ﾀｸﾞ]-[ｺﾒﾝﾄ]"), "edit-comment", &F::mnuComment_Click},
    };
    return buttons;
}

} // namespace

const ToolbarLayout &standardToolbar()
{
    static const ToolbarLayout layout{"tbrNormal", 24, normalButtons()};
    return layout;
}

const ToolbarLayout &htmlToolbar()
{
    static const ToolbarLayout layout{"tbrHTML", 21, htmlButtons()};
    return layout;
}
