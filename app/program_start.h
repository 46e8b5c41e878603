#pragma once

namespace lexorin {

class DictionaryWindow;

enum class StartMode { Shown, Hidden };

// What the program does with its window after creating it and before
// running the event loop: shows and paints it, hides it again when the
// program was started with arguments, and activates the group that was
// active at the last exit.
void StartDictionaryWindow(DictionaryWindow& window, StartMode mode);

}  // namespace lexorin
