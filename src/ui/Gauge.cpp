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

void Gauge::setTarget(PictureBox* picNewTarget) {
    m_target = picNewTarget;
    if (m_target) {
        m_target->cls();
        // The gauge must survive the box being covered and uncovered.
        m_target->setAutoRedraw(true);
        m_target->setScaleWidth(m_max);
    }
    setValue(0);
}

void Gauge::setValue(std::int32_t lngNewValue) {
    if (lngNewValue < 0) {
        lngNewValue = 0;
    } else if (lngNewValue > m_max) {
        lngNewValue = m_max;
    }
    m_value = lngNewValue;
    if (!m_target) {
        return;
    }
    PictureBox& canvas = *m_target;
    const double w = roundHalfEven(canvas.scaleWidth());
    double h = roundHalfEven(canvas.scaleHeight());

    canvas.cls();
    canvas.fillBox(0, 0, w, h, kWhite, PictureBox::DrawMode::CopyPen);

    // The text goes under the bar: the not-xor boxes below turn the letters they cover white.
    canvas.setForeColor(m_barColor);
    const QString text = m_valueShow ? QString::number(m_value) + m_unit : m_unit;
    const double textWidth = canvas.textWidth(text);
    const double textHeight = canvas.textHeight(text);
    canvas.print(text, m_max / 2.0 - textWidth / 2, (h - textHeight) / 2);

    // An empty gauge still marks its corner (or its top edge) with a box of no size.
    if (m_value == 0) {
        h = 0;
    }
    // A full scale of 0 or less leaves no room for a bar: only the text shows.
    const bool hasBar = m_max > 0;
    constexpr auto notXor = PictureBox::DrawMode::NotXorPen;
    if (hasBar && m_style == kHorizontal) {
        canvas.fillBox(0, 0, m_value, h, m_barColor, notXor);
        canvas.fillBox(m_value, 0, w, canvas.scaleHeight(), m_backColor, notXor);
    } else if (hasBar && m_style == kVertical) {
        canvas.fillBox(0, h, w, h - m_value, m_barColor, notXor);
        canvas.fillBox(0, 0, w, h - m_value, m_backColor, notXor);
    }
    canvas.refresh();
}

void Gauge::setBarColor(QRgb lngNewBarColor) {
    m_barColor = lngNewBarColor;
    Redraw();
}

void Gauge::setMax(std::int32_t lngNewMax) {
    m_max = lngNewMax;
    if (m_target) {
        m_target->setScaleWidth(m_max);
        m_target->setScaleHeight(m_max);
    }
    Redraw();
}

void Gauge::setUnit(const QString& strNewUnit) {
    m_unit = strNewUnit;
    Redraw();
}

void Gauge::setValueShow(bool bolNewValue) {
    m_valueShow = bolNewValue;
    Redraw();
}

void Gauge::setBackColor(QRgb lngNewBackColor) {
    m_backColor = lngNewBackColor;
    Redraw();
}

void Gauge::setStyle(std::int32_t lngNewStyle) {
    m_style = lngNewStyle;
    setMax(m_max);
    Redraw();
}

void Gauge::Redraw() {
    setValue(m_value);
}

}  // namespace kelvad
