// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <optional>

namespace kelvad {

// A picture box: a box that holds a picture and can be drawn on. It keeps a lasting image (its picture plus
// whatever was drawn while it retains its drawing) and can also draw to the screen only: such drawing is
// wiped by the next refresh. Drawing uses the bitwise raster operations of 24-bit colours, so a mask drawn
// with AND and a sprite drawn with XOR show in their own colours on any background. Positions are in twips,
// or in the logical units of a scale the owner sets.
class PictureBox : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(PictureBox)

public:
    enum class RasterOp { SrcCopy, SrcAnd, SrcInvert };
    enum class DrawMode { CopyPen, NotXorPen };

    explicit PictureBox(QWidget* parent = nullptr);

    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& color);

    // Replaces the picture: the lasting image becomes the picture on the back colour, wiping all drawing.
    void setPicture(const QImage& picture);
    // A file that cannot be read leaves the picture as it was.
    bool loadPicture(const QString& path);
    const QImage& picture() const { return m_picture; }

    // Whether drawing goes into the lasting image (true) or reaches the screen only (false).
    bool retainsDrawing() const { return m_retainsDrawing; }
    void setRetainsDrawing(bool retain) { m_retainsDrawing = retain; }

    // Draws a picture at its natural size, its top-left corner at (x, y) twips.
    void paintPicture(const QImage& source, float x, float y, RasterOp op);
    // Repaints at once: the screen shows the lasting image again.
    void refresh();
    // Clears the lasting image to the picture on the back colour and wipes the screen-only drawing.
    void clear();

    // The logical coordinate system used by fillBox and the text operations; until a scale is set (or after
    // it is set to 0), the box's size in twips.
    double scaleWidth() const;
    double scaleHeight() const;
    void setScaleWidth(double width) { m_scaleWidth = width; }
    void setScaleHeight(double height) { m_scaleHeight = height; }
    // Fills the box with corners (x1, y1) and (x2, y2) in logical units. A box whose corners share a row or a
    // column still covers that one line of pixels.
    void fillBox(double x1, double y1, double x2, double y2, QRgb color, DrawMode mode);
    void setForeColor(QRgb color) { m_foreColor = color; }
    QRgb foreColor() const { return m_foreColor; }
    double textWidth(const QString& text) const;
    double textHeight(const QString& text) const;
    // Draws text in the fore colour with its top-left corner at (x, y) logical units, plainly: every pixel of
    // the letters is exactly the fore colour, so a raster operation over it later gives exact colours.
    void drawText(const QString& text, double x, double y);

    // What the lasting image holds, and what the screen shows now.
    const QImage& lastingImage() const { return m_lasting; }
    QImage screenImage() const { return m_screen ? *m_screen : m_lasting; }

signals:
    // A mouse button went down over the box; places are in twips relative to the box.
    void pressed(Qt::MouseButton button, QPointF place);
    void pointerMoved(QPointF place);
    // A press and a release of the left button over the box.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage& canvas();
    void afterDrawing();
    void rebuildLasting();
    int toPixelX(double x) const;
    int toPixelY(double y) const;
    QFont textFont() const;

    QColor m_backColor = Qt::white;
    QImage m_picture;
    QImage m_lasting;
    std::optional<QImage> m_screen;
    bool m_retainsDrawing = false;
    double m_scaleWidth = 0;
    double m_scaleHeight = 0;
    QRgb m_foreColor = qRgb(0, 0, 0);
    bool m_pressed = false;
};

}  // namespace kelvad
