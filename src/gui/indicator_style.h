// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace pelicast {

// Keeps tick boxes and radio buttons visible in a dark palette. Qt's Fusion
// style, which GTK and generic desktops use, outlines them in a shade of the
// window colour and fills them with the base colour; in a dark palette that
// outline hardly differs from either, so an unticked box in a list (on the
// base colour) or on a window is nearly invisible. In a dark palette (text
// lighter than base) they are outlined here midway between base and text,
// colours of the palette itself; light palettes and other styles draw as
// always.
class IndicatorStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    // Puts the style in place of the application's Fusion style; nothing
    // under any other style. Before the first window is made.
    static void install();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace pelicast
