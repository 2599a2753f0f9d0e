#pragma once

// Every command works on the active document: the main window's active document window
// at the moment of use. It is looked up afresh each time and never kept.

class frmChild;

// Null when no document window is open (a modeless window can outlive the last one).
frmChild *activeDocument();
