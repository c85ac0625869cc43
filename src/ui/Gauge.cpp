// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Gauge.h"

#include "ui/PictureBox.h"

#include <cmath>

namespace kelvad {

namespace {

// The box's logical size is read as whole units, halves going to the even neighbour.
double roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5) {
        return below;
    }
    if (fraction > 0.5) {
        return below + 1;
    }
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

}  // namespace

void Gauge::setTarget(PictureBox* target) {
    m_target = target;
    if (m_target) {
        m_target->clear();
        // The gauge must survive the box being covered and uncovered.
        m_target->setRetainsDrawing(true);
        m_target->setScaleWidth(m_max);
    }
    setValue(0);
}

void Gauge::setValue(std::int32_t value) {
    m_value = value < 0 ? 0 : (value > m_max ? m_max : value);
    if (!m_target) {
        return;
    }
    PictureBox& canvas = *m_target;
    const double w = roundHalfEven(canvas.scaleWidth());
    double h = roundHalfEven(canvas.scaleHeight());

    canvas.clear();
    canvas.fillBox(0, 0, w, h, kWhite, PictureBox::DrawMode::CopyPen);

    // The text goes under the bar: the not-xor boxes below turn the letters they cover white.
    canvas.setForeColor(m_barColor);
    const QString text = m_valueShown ? QString::number(m_value) + m_unit : m_unit;
    const double textWidth = canvas.textWidth(text);
    const double textHeight = canvas.textHeight(text);
    canvas.drawText(text, m_max / 2.0 - textWidth / 2, (h - textHeight) / 2);

    // An empty gauge still marks its corner (or its top edge) with a box of no size.
    if (m_value == 0) {
        h = 0;
    }
    // A full scale of 0 or less leaves no room for a bar: only the text shows.
    const bool hasBar = m_max > 0;
    constexpr auto notXor = PictureBox::DrawMode::NotXorPen;
    if (hasBar && m_style == Style::Horizontal) {
        canvas.fillBox(0, 0, m_value, h, m_barColor, notXor);
        canvas.fillBox(m_value, 0, w, canvas.scaleHeight(), m_backColor, notXor);
    } else if (hasBar && m_style == Style::Vertical) {
        canvas.fillBox(0, h, w, h - m_value, m_barColor, notXor);
        canvas.fillBox(0, 0, w, h - m_value, m_backColor, notXor);
    }
    canvas.refresh();
}

void Gauge::setBarColor(QRgb color) {
    m_barColor = color;
    redraw();
}

void Gauge::setMax(std::int32_t max) {
    m_max = max;
    if (m_target) {
        m_target->setScaleWidth(m_max);
        m_target->setScaleHeight(m_max);
    }
    redraw();
}

void Gauge::setUnit(const QString& unit) {
    m_unit = unit;
    redraw();
}

void Gauge::setValueShown(bool shown) {
    m_valueShown = shown;
    redraw();
}

void Gauge::setBackColor(QRgb color) {
    m_backColor = color;
    redraw();
}

void Gauge::setStyle(Style style) {
    m_style = style;
    setMax(m_max);
    redraw();
}

void Gauge::redraw() {
    setValue(m_value);
}

}  // namespace kelvad
