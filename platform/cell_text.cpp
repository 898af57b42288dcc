#include "platform/cell_text.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/text.h"

namespace platform {
namespace {

// A lead byte of a well-formed sequence: the sequence's length, the code
// bits the lead byte carries and the lowest code the sequence may hold.
struct Lead {
    std::size_t length;
    char32_t bits;
    char32_t lowest;
};

std::optional<Lead> lead_of(unsigned char byte) {
    if (byte < 0x80) return Lead{1, byte, 0};
    if (byte < 0xC2) return std::nullopt;
    if (byte < 0xE0) return Lead{2, byte & 0x1Fu, 0x80};
    if (byte < 0xF0) return Lead{3, byte & 0x0Fu, 0x800};
    if (byte < 0xF5) return Lead{4, byte & 0x07u, 0x10000};
    return std::nullopt;
}

bool is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Characters a text converter may treat apart: the byte order mark and the
// noncharacters.
bool is_special(char32_t code) {
    return code == 0xFEFF || (code >= 0xFDD0 && code <= 0xFDEF) || (code & 0xFFFE) == 0xFFFE;
}

// Any text, through Qt's reading of UTF-8.
std::vector<Glyph> split_through_qt(std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    std::vector<Glyph> glyphs;
    for (const char32_t code : text.toUcs4()) {
        const QByteArray bytes = QString::fromUcs4(&code, 1).toUtf8();
        const int width = cell_width(std::string_view(bytes.constData(),
                                                      static_cast<std::size_t>(bytes.size())));
        glyphs.push_back({code, std::clamp(width, 1, 2)});
    }
    return glyphs;
}

}  // namespace

std::optional<std::vector<Glyph>> split_well_formed(std::string_view utf8) {
    std::vector<Glyph> glyphs;
    glyphs.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::optional<Lead> lead = lead_of(static_cast<unsigned char>(utf8[i]));
        if (!lead) return std::nullopt;
        const std::size_t length = lead->length;
        char32_t code = lead->bits;
        if (utf8.size() - i < length) return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(utf8[i + k]);
            if (!is_continuation(byte)) return std::nullopt;
            code = code << 6 | (byte & 0x3Fu);
        }
        if (code < lead->lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) ||
            is_special(code))
            return std::nullopt;
        glyphs.push_back({code, std::clamp(cell_width(utf8.substr(i, length)), 1, 2)});
        i += length;
    }
    return glyphs;
}

std::vector<Glyph> split_glyphs(std::string_view utf8) {
    if (auto glyphs = split_well_formed(utf8)) return std::move(*glyphs);
    return split_through_qt(utf8);
}

int total_cells(const std::vector<Glyph>& glyphs) {
    int cells = 0;
    for (const auto& glyph : glyphs) cells += glyph.cells;
    return cells;
}

QSize cell_size(int font_size) { return {font_size / 2, font_size}; }

void draw_glyph(QPainter& painter, const Glyph& glyph, const QRect& box, const QFont& font,
                qreal x_stretch) {
    const QString text = QString::fromUcs4(&glyph.code, 1);
    const QFontMetricsF metrics(font);
    const qreal advance = metrics.horizontalAdvance(text);
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
    painter.drawText(QPointF(0, 0), text);
    painter.restore();
}

}  // namespace platform
