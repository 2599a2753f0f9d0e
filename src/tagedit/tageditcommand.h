#pragma once

// Editing markup that is already in the page: the start tag at the caret opens in the dialog
// that writes it, filled from its attributes, and that dialog's confirm writes over it.

class QWidget;

namespace TagEditCommand {

// The message for a tag no dialog writes, or a caret outside any start tag.
inline constexpr char16_t NotEditable[] = u"この位置のﾀｸﾞは編集できません";

// Opens the dialog of the start tag at the active document's caret; with no document open,
// does nothing.
void editTagAtCaret(QWidget *parent);

} // namespace TagEditCommand
