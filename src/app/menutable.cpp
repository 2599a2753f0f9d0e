#include "app/menutable.h"

#include "app/mainwindow.h"

#include <vector>

namespace {

MenuEntry top(const char *name, const QString &caption)
{
    return {MenuEntry::TopMenu, name, "", caption, {}};
}

MenuEntry sub(const char *name, const char *parent, const QString &caption)
{
    return {MenuEntry::SubMenu, name, parent, caption, {}};
}

MenuEntry cmd(const char *name, const char *parent, const QString &caption,
              void (MainWindow::*handler)(), const QKeySequence &shortcut = {})
{
    return {MenuEntry::Command, name, parent, caption, shortcut, handler};
}

MenuEntry check(const char *name, const char *parent, const QString &caption,
                void (MainWindow::*handler)())
{
    return {MenuEntry::Command, name, parent, caption, {}, handler, true};
}

MenuEntry sep(const char *name, const char *parent)
{
    return {MenuEntry::Separator, name, parent, {}, {}};
}

QKeySequence ctrl(char letter)
{
    return QKeySequence(Qt::CTRL | Qt::Key(letter));
}

QString s(const char16_t *text)
{
    return QString::fromUtf16(text);
}

std::vector<MenuEntry> buildTable()
{
    using F = MainWindow;
    return {
        top("mnuFile", s(u"ﾌｧｲﾙ(&F)")),
        cmd("mnuNew", "mnuFile", s(u"新規作成(&N)"), &F::mnuNew_Click, ctrl('N')),
        cmd("mnuOpen", "mnuFile", s(u"ﾌｧｲﾙを開く(&O)"), &F::mnuOpen_Click, ctrl('O')),
        sep("mnuH12", "mnuFile"),
        cmd("mnuClose", "mnuFile", s(u"閉じる(&C)"), &F::mnuClose_Click),
        cmd("mnuAllClose", "mnuFile", s(u"すべて閉じる(&D)"), &F::mnuAllClose_Click),
        sep("mnuH1", "mnuFile"),
        cmd("mnuSave", "mnuFile", s(u"上書き保存(&S)"), &F::mnuSave_Click, ctrl('S')),
        cmd("mnuSaveName", "mnuFile", s(u"名前を付けて保存(&A)"), &F::mnuSaveName_Click),
        cmd("mnuReadAgain", "mnuFile", s(u"文字ｺｰﾄﾞを指定して開き直す(&R)..."),
            &F::mnuReadAgain_Click),
        cmd("mnuConvertSave", "mnuFile", s(u"文字ｺｰﾄﾞ・改行を指定して保存(&K)..."),
            &F::mnuConvertSave_Click),
        sep("mnuH5", "mnuFile"),
        cmd("mnuExit", "mnuFile", s(u"終了(&X)"), &F::mnuExit_Click),

        top("mnuEdit", s(u"編集(&E)")),
        cmd("mnuUndo", "mnuEdit", s(u"元に戻す(&U)"), &F::mnuUndo_Click, ctrl('Z')),
        cmd("mnuRedo", "mnuEdit", s(u"やり直し(&R)"), &F::mnuRedo_Click,
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)),
        sep("mnuH3", "mnuEdit"),
        cmd("mnuCut", "mnuEdit", s(u"切り取り(&T)"), &F::mnuCut_Click, ctrl('X')),
        cmd("mnuCopy", "mnuEdit", s(u"ｺﾋﾟｰ(&C)"), &F::mnuCopy_Click, ctrl('C')),
        cmd("mnuPaste", "mnuEdit", s(u"貼り付け(&P)"), &F::mnuPaste_Click, ctrl('V')),
        sep("mnuH2", "mnuEdit"),
        cmd("mnuDelete", "mnuEdit", s(u"削除(&D)"), &F::mnuDelete_Click),
        cmd("mnuAllSelect", "mnuEdit", s(u"すべて選択(&A)"), &F::mnuAllSelect_Click, ctrl('A')),
        sep("mnuH4", "mnuEdit"),
        cmd("mnuFind", "mnuEdit", s(u"検索(&F)"), &F::mnuFind_Click, ctrl('F')),
        cmd("mnuReplace", "mnuEdit", s(u"置換(&E)"), &F::mnuReplace_Click, ctrl('H')),
        cmd("mnuFindNext", "mnuEdit", s(u"次を検索(&N)"), &F::mnuFindNext_Click, Qt::Key_F3),
        cmd("mnuFindPrevious", "mnuEdit", s(u"前を検索(&P)"), &F::mnuFindPrevious_Click,
            Qt::SHIFT | Qt::Key_F3),
        cmd("mnuFindFiles", "mnuEdit", s(u"複数ﾌｧｲﾙの検索・置換(&M)..."), &F::mnuFindFiles_Click,
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)),
        sep("mnuH16", "mnuEdit"),
        cmd("mnuTagEdit", "mnuEdit", s(u"ﾀｸﾞを編集(&G)..."), &F::mnuTagEdit_Click,
            QKeySequence(Qt::Key_F4)),

        top("mnuView", s(u"表示(&V)")),
        cmd("mnuWB", "mnuView", s(u"ﾌﾞﾗｳｻﾞ確認(&W)"), &F::mnuWB_Click, QKeySequence(Qt::Key_F5)),
        sep("mnuH13", "mnuView"),
        check("mnuToolBar", "mnuView", s(u"標準ﾂｰﾙﾊﾞｰ表示(&T)"), &F::mnuToolBar_Click),
        check("mnuHTMLTBar", "mnuView", s(u"HTMLﾂｰﾙﾊﾞｰ表示(&H)"), &F::mnuHTMLTBar_Click),
        check("mnuColorView", "mnuView", s(u"色分け表示(&L)"), &F::mnuViewOption_Click),
        check("mnuBlankMarks", "mnuView", s(u"全角空白・ﾀﾌﾞを表示(&B)"), &F::mnuViewOption_Click),
        check("mnuHTML5", "mnuView", s(u"HTML5 で書く(&5)"), &F::mnuViewOption_Click),
        check("mnuCloseEndTags", "mnuView", s(u"終了ﾀｸﾞを自動で閉じる(&E)"),
              &F::mnuViewOption_Click),

        top("mnuTagu", s(u"ﾀｸﾞ(&T)")),
        cmd("mnuHLink", "mnuTagu", s(u"ﾊｲﾊﾟｰﾘﾝｸ(&A)"), &F::mnuHLink_Click),
        cmd("mnuImage", "mnuTagu", s(u"画像(&I)"), &F::mnuImage_Click),
        sep("mnuH8", "mnuTagu"),
        cmd("mnuList", "mnuTagu", s(u"ﾘｽﾄ(&L)"), &F::mnuList_Click),
        sub("mnuTable", "mnuTagu", s(u"表(&T)")),
        cmd("mnuTableMake", "mnuTable", s(u"作成(&M)"), &F::mnuTableMake_Click, ctrl('T')),
        cmd("mnuAddSel", "mnuTable", s(u"ｾﾙの追加"), &F::mnuAddSel_Click, ctrl('J')),
        sep("mnuH7", "mnuTagu"),
        cmd("mnuForm", "mnuTagu", s(u"ﾌｫｰﾑの設定(&F)"), &F::mnuForm_Click),
        sub("mnuControl", "mnuTagu", s(u"ﾌｫｰﾑｺﾝﾄﾛｰﾙ(&C)")),
        cmd("mnuTextarea", "mnuControl", s(u"ﾃｷｽﾄｴﾘｱ(&T)"), &F::mnuTextarea_Click),
        cmd("mnuCheckbox", "mnuControl", s(u"選択ﾎﾞﾀﾝ(&C)"), &F::mnuCheckbox_Click),
        cmd("mnuSubmit", "mnuControl", s(u"ﾎﾞﾀﾝ(&S)"), &F::mnuSubmit_Click),
        cmd("mnuSelectBox", "mnuControl", s(u"ｾﾚｸﾄﾎﾞｯｸｽ(&B)"), &F::mnuSelectBox_Click),
        sep("mnuH15", "mnuTagu"),
        cmd("mnuHR", "mnuTagu", s(u"罫線(&H)"), &F::mnuHR_Click, ctrl('M')),
        cmd("mnuBR", "mnuTagu", s(u"改行(&B)   Shift+Enter"), &F::mnuBR_Click, ctrl('G')),
        cmd("mnuNOBR", "mnuTagu", s(u"改行禁止(&N)"), &F::mnuNOBR_Click),
        sep("mnuHR20", "mnuTagu"),
        cmd("mnuComment", "mnuTagu", s(u"ｺﾒﾝﾄ(&O)"), &F::mnuComment_Click),

        top("mnuTag2", s(u"ﾀｸﾞ2(&G)")),
        cmd("mnuFrame", "mnuTag2", s(u"ﾌﾚｰﾑ作成(&F)"), &F::mnuFrame_Click),
        cmd("mnuMapArea", "mnuTag2", s(u"ﾏｯﾌﾟ(&M)"), &F::mnuMapArea_Click),

        top("mnuWord", s(u"文書表現(&D)")),
        cmd("mnuColor", "mnuWord", s(u"ｶﾗｰ設定(&O)"), &F::mnuColor_Click),
        cmd("mnuFontH", "mnuWord", s(u"文字の大きさ"), &F::mnuFontH_Click),
        cmd("mnuBaseFont", "mnuWord", s(u"基本フォント"), &F::mnuBaseFont_Click),
        sub("mnuKigou", "mnuWord", s(u"特殊記号(&K)")),
        cmd("mnuK1", "mnuKigou", s(u"<  "), &F::mnuK1_Click, ctrl('K')),
        cmd("mnuK2", "mnuKigou", s(u">  "), &F::mnuK2_Click, ctrl('L')),
        cmd("mnuK3", "mnuKigou", s(u"\"  "), &F::mnuK3_Click, ctrl('W')),
        cmd("mnuK4", "mnuKigou", s(u"&&  "), &F::mnuK4_Click, ctrl('Y')),
        sep("mnuH11", "mnuWord"),
        cmd("mnuMarquee", "mnuWord", s(u"ﾏｰｷｰ（文字移動）(&M)"), &F::mnuMarquee_Click),
        sep("mnuH10", "mnuWord"),
        cmd("mnuLeft", "mnuWord", s(u"左寄せ(&L)"), &F::mnuLeft_Click, ctrl('Q')),
        cmd("mnuRight", "mnuWord", s(u"右寄せ(&R)"), &F::mnuRight_Click, ctrl('R')),
        cmd("mnuCenter", "mnuWord", s(u"中央寄せ(&C)"), &F::mnuCenter_Click, ctrl('E')),
        sep("mnuH6", "mnuWord"),
        cmd("mnuBold", "mnuWord", s(u"太字(&B)"), &F::mnuBold_Click, ctrl('B')),
        cmd("mnuItalic", "mnuWord", s(u"斜体(&I)"), &F::mnuItalic_Click, ctrl('I')),
        cmd("mnuUnderLine", "mnuWord", s(u"下線(&U)"), &F::mnuUnderLine_Click, ctrl('U')),
        cmd("mnuTorikesi", "mnuWord", s(u"取消線(&S)"), &F::mnuTorikesi_Click),

        top("mnuTool", s(u"ﾂｰﾙ(&O)")),
        cmd("mnuCheckPage", "mnuTool", s(u"ﾍﾟｰｼﾞを検査(&V)"), &F::mnuCheckPage_Click,
            QKeySequence(Qt::Key_F7)),

        top("mnuWindow", s(u"ｳｨﾝﾄﾞｳ(&W)")),
        cmd("mnuCascade", "mnuWindow", s(u"重ねて表示(&C)"), &F::mnuCascade_Click),
        cmd("mnuTile", "mnuWindow", s(u"並べて表示(&H)"), &F::mnuTile_Click),
        cmd("mnuIcon", "mnuWindow", s(u"ｱｲｺﾝの整列(&A)"), &F::mnuIcon_Click),

        top("mnuHelp", s(u"ﾍﾙﾌﾟ(&H)")),
        cmd("mnuHTML", "mnuHelp", s(u"HTML講座(&H)"), &F::mnuHTML_Click),
        sep("mnuH20", "mnuHelp"),
        cmd("mnuAbout", "mnuHelp", s(u"ﾊﾞｰｼﾞｮﾝ情報(&A)"), &F::mnuAbout_Click),
    };
}

} // namespace

std::span<const MenuEntry> menuTable()
{
    static const std::vector<MenuEntry> table = buildTable();
    return table;
}
