// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPointer>
#include <QString>

#include <cstdint>

namespace kelvad {

class PictureBox;

// A gauge: a bar from 0 to its maximum drawn into a picture box, optionally with a centred text. The text is
// drawn in the bar colour and the bar laid over it with not-xor, so where the bar covers the text the letters
// read white. The gauge holds no game knowledge; the main window keeps three (the time and two magazines).
//
// Every assignment redraws the whole gauge at once; the target must be set before anything else, because
// every other assignment draws into it.
class Gauge {
public:
    Gauge() = default;

    // The picture box drawn into; the gauge shares it and does not own it. Assigning it empties the gauge.
    void setTarget(PictureBox* target);

    std::int32_t value() const { return m_value; }
    // Kept within 0 .. max.
    void setValue(std::int32_t value);

    QRgb barColor() const { return m_barColor; }
    void setBarColor(QRgb color);

    // The full scale, which is also the logical width and height of the box.
    std::int32_t max() const { return m_max; }
    void setMax(std::int32_t max);

    QString unit() const { return m_unit; }
    void setUnit(const QString& unit);

    bool valueShown() const { return m_valueShown; }
    void setValueShown(bool shown);

    QRgb backColor() const { return m_backColor; }
    void setBackColor(QRgb color);

    // A bar growing from the left edge, or from the bottom edge; any other style draws only the text.
    enum class Style : std::int32_t { Horizontal = 0, Vertical = 1, TextOnly = 2 };
    Style style() const { return m_style; }
    void setStyle(Style style);

    static constexpr QRgb kNavy = 0xFF000080;
    static constexpr QRgb kWhite = 0xFFFFFFFF;

private:
    void redraw();

    QPointer<PictureBox> m_target;
    std::int32_t m_value = 0;
    QRgb m_barColor = kNavy;
    std::int32_t m_max = 100;
    QString m_unit;
    bool m_valueShown = false;
    QRgb m_backColor = kWhite;
    Style m_style = Style::Horizontal;
};

}  // namespace kelvad
