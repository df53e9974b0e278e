#pragma once

class ListControl;
class Form1Window;

// The key code of the Delete key, as list key events carry it.
inline constexpr int kKeyCodeDelete = 46;

// Removes the selected row of the list unless the window shows the hourglass (a long operation
// is reading the list) or nothing is selected. Shared by both lists' Delete key and double-click.
void RemoveSelectedRowUnlessBusy(ListControl& list, const Form1Window& window);

// The same for a key pressed in the list: only the Delete key, in any shift state, acts.
void RemoveSelectedRowOnKey(ListControl& list, const Form1Window& window, int keyCode);
