#pragma once

// The wrap and insert commands: fixed markup around the active document's selection, or in
// its place. The main window's menu entries and toolbar buttons run them.

namespace WrapCommands {

// Wrap the selection; with nothing selected the pair goes in at the caret.
void Bold();
void Italic();
void UnderLine();
void Torikesi();
void Left();
void Right();
void Center();
void Comment();
void AddSel();

// Replace the selection.
void BR();
void NOBR();
void K1();
void K2();
void K3();
void K4();

} // namespace WrapCommands
