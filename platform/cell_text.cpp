#include "platform/cell_text.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "platform/text.h"

namespace platform {

std::vector<Glyph> split_glyphs(std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    std::vector<Glyph> glyphs;
    for (const char32_t code : text.toUcs4()) {
        Glyph glyph;
        glyph.text = QString::fromUcs4(&code, 1);
        glyph.code = code;
        const QByteArray bytes = glyph.text.toUtf8();
        const int width = cell_width(std::string_view(bytes.constData(),
                                                      static_cast<std::size_t>(bytes.size())));
        glyph.cells = std::clamp(width, 1, 2);
        glyphs.push_back(std::move(glyph));
    }
    return glyphs;
}

int total_cells(const std::vector<Glyph>& glyphs) {
    int cells = 0;
    for (const auto& glyph : glyphs) cells += glyph.cells;
    return cells;
}

QSize cell_size(int font_size) { return {font_size / 2, font_size}; }

void draw_glyph(QPainter& painter, const Glyph& glyph, const QRect& box, const QFont& font,
                qreal x_stretch) {
    const QFontMetricsF metrics(font);
    const qreal advance = metrics.horizontalAdvance(glyph.text);
    if (advance <= 0 || box.isEmpty()) return;
    qreal stretch = x_stretch;
    if (advance * stretch > box.width()) stretch = box.width() / advance;
    const qreal left = box.left() + std::floor((box.width() - advance * stretch) / 2);
    const qreal baseline = box.top() + std::min<qreal>(std::round(metrics.ascent()), box.height());

    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setFont(font);
    painter.translate(left, baseline);
    if (stretch != 1) painter.scale(stretch, 1);
    painter.drawText(QPointF(0, 0), glyph.text);
    painter.restore();
}

}  // namespace platform
