// The program's eleven windows: created once, in a fixed order, kept until exit.
#pragma once

// Creates the windows and sets the global pointers Form1 ... Form12. Each window's creation
// handler runs in this order, so later windows may rely on earlier ones.
void CreateWindowSet();
// The program's start state without the splash and the main window: every other window made
// anew, the analysis and the journal of entries cleared. The navigation panel shows when the
// main window does.
void RestartWorkWindows();
// Destroys them again in reverse order and clears the pointers.
void DestroyWindowSet();
