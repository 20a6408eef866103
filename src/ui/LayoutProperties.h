// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

class QWidget;

// Applies the layout data that Qt's own properties cannot carry, given in the .ui files
// as dynamic properties:
//   fontPixelSize     font height in pixels (the layout is pixel-exact)
//   systemFont        the system's font for this kind of control, not the window's
//   autoSize          a label that sizes itself to its text, keeping its top-left corner
//   fitsText          a control that grows as wide as its caption needs, keeping its top-left
//                     corner: fonts are drawn wider on some systems than on others
//   captionSpacing    a field's caption label, placed this many pixels above its buddy
//   glyph             a button's picture, with transparentColor drawn transparent
namespace LayoutProperties {

void apply(QWidget* form);

} // namespace LayoutProperties
