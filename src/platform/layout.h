#pragma once

class QWidget;

namespace pelicast::layout {

// Twips (1/1440 inch) in pixels on the screen: 15 twips a pixel at 96 dpi,
// more pixels on a screen of higher logical dpi.
int Twips(int twips);

// Windows of a fixed layout are drawn for a narrow 8-point sans-serif font:
// gives `window` such a font (Arial's metrics where available) so captions
// fit their places whatever the desktop's own font.
void UseDesignFont(QWidget* window);

// Windows are drawn at 96 dpi in their .ui files; on a screen of another
// logical dpi this scales the places of `container`'s children to match.
void ScaleToScreen(QWidget* container);

}  // namespace pelicast::layout
