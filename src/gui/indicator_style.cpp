// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/indicator_style.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOption>

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

const QString kFusion = u"fusion"_s;

bool isDark(const QPalette& palette) {
    return palette.color(QPalette::Text).lightness() > palette.color(QPalette::Base).lightness();
}

// Fusion outlines in the window colour darkened by 140% and lightened by
// 110%: this window colour makes that outline lie midway between base and
// text.
QColor windowForOutline(const QPalette& palette, QPalette::ColorGroup group) {
    const QColor base = palette.color(group, QPalette::Base);
    const QColor text = palette.color(group, QPalette::Text);
    return QColor((base.red() + text.red()) / 2, (base.green() + text.green()) / 2,
                  (base.blue() + text.blue()) / 2)
        .lighter(127);
}

}  // namespace

void IndicatorStyle::install() {
    if (QApplication::style()->name().compare(kFusion, Qt::CaseInsensitive) == 0)
        QApplication::setStyle(new IndicatorStyle(QStyleFactory::create(kFusion)));
}

void IndicatorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    // Fusion draws both from the options of a button only.
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if ((element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton) || !button ||
        !isDark(option->palette)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    QStyleOptionButton outlined(*button);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        outlined.palette.setColor(group, QPalette::Window,
                                  windowForOutline(option->palette, group));
    QProxyStyle::drawPrimitive(element, &outlined, painter, widget);
}

}  // namespace pelicast
