#pragma once

namespace fw {

class Window;

// Gives each text field and area the text of the label that stands to its left
// on the same line as its accessible name, so that a screen reader says what
// the field is rather than the title of the box around it.
void NameTextControlsByTheirLabels(Window& window);

}  // namespace fw
