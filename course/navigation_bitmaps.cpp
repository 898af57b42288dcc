// The seven navigation buttons.  Each bitmap holds two frames of 85 x 33:
// on the left the button at rest, raised; on the right the button held down,
// sunken, with its face one pixel down and to the right.  A face shows a
// small figure, the caption in a Japanese Gothic font and a row of ovals
// along the bottom, the yellow ones telling where the button leads.
#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <initializer_list>
#include <stdexcept>

#include "course/pictures.h"

namespace course {
namespace {

constexpr int kFrameWidth = 85;
constexpr int kFrameHeight = 33;
constexpr QRgb kButtonFace = qRgb(192, 192, 192);
constexpr QRgb kShadow = qRgb(128, 128, 128);
constexpr QRgb kDarkShadow = qRgb(0, 0, 0);
constexpr QRgb kHighlight = qRgb(255, 255, 255);
constexpr char kCaptionFont[] = "IPAGothic";

enum class Figure { WalkingBoyLeft, WalkingBoyRight, WalkingGirlLeft, WalkingGirlRight,
                    StandingGirl, BoysFaceOverBar, BoyAtExitDoor };

struct Face {
    NavigationButton button;
    const char* caption;  // UTF-8
    Figure figure;
    std::initializer_list<int> yellow_ovals;  // of five, counted from 0
};

const Face kFaces[] = {
    {NavigationButton::Befor, "前ページ", Figure::WalkingBoyLeft, {1}},
    {NavigationButton::Last, "バック", Figure::WalkingGirlLeft, {0}},
    {NavigationButton::Next, "次ページ", Figure::WalkingBoyRight, {3}},
    {NavigationButton::Where, "何ページ", Figure::StandingGirl, {2}},
    {NavigationButton::Head, "頭出し", Figure::BoysFaceOverBar, {0, 1}},
    {NavigationButton::Top, "目次", Figure::WalkingGirlRight, {0, 1, 2, 3, 4}},
    {NavigationButton::Exit, "", Figure::BoyAtExitDoor, {}},
};

const Face& face_of(NavigationButton button) {
    for (const Face& face : kFaces)
        if (face.button == button) return face;
    throw std::logic_error("a navigation button without a face");
}

void require_caption_font() {
    if (!QFontDatabase::families().contains(kCaptionFont))
        throw std::runtime_error(
            "The Japanese Gothic font IPAGothic is missing; install the Debian package "
            "fonts-ipafont-gothic.");
}

QFont caption_font(int pixels) {
    QFont font(kCaptionFont);
    font.setPixelSize(pixels);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void draw_bevel(QPainter& p, int left, bool sunken) {
    const QRect outer(left, 0, kFrameWidth, kFrameHeight);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    const auto edge = [&p](const QRect& r, QRgb top_left, QRgb bottom_right) {
        p.setPen(QColor(top_left));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor(bottom_right));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    };
    if (sunken) {
        edge(outer, kShadow, kHighlight);
        edge(inner, kDarkShadow, kButtonFace);
    } else {
        edge(outer, kHighlight, kDarkShadow);
        edge(inner, kButtonFace, kShadow);
    }
}

void draw_ovals(QPainter& p, std::initializer_list<int> yellow) {
    p.setPen(QPen(QColor(90, 90, 90), 1));
    for (int i = 0; i < 5; ++i) {
        const bool lit = std::find(yellow.begin(), yellow.end(), i) != yellow.end();
        p.setBrush(lit ? QColor(255, 230, 0) : QColor(150, 150, 150));
        p.drawEllipse(QPointF(30.5 + i * 11, 26.5), 4, 2.5);
    }
}

void draw_exit_door(QPainter& p) {
    const QRectF door(40, 4, 31, 25);
    p.setPen(QPen(QColor(90, 60, 0), 1));
    p.setBrush(QColor(255, 220, 0));
    p.drawRect(door);
    p.setBrush(QColor(90, 60, 0));
    p.drawEllipse(QPointF(door.right() - 4, door.center().y() + 3), 1.3, 1.3);
    QFont font = caption_font(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(200, 0, 0));
    p.drawText(QRectF(door.left(), door.top() + 2, door.width(), 11), Qt::AlignCenter, "EXIT");
}

void draw_figure(QPainter& p, Figure figure) {
    const QRectF box(3, 3, 20, 27);
    switch (figure) {
    case Figure::WalkingBoyLeft:
        return draw_child(p, Child::Boy, Pose::WalkingLeft, Mood::Smiling, box);
    case Figure::WalkingBoyRight:
        return draw_child(p, Child::Boy, Pose::WalkingRight, Mood::Smiling, box);
    case Figure::WalkingGirlLeft:
        return draw_child(p, Child::Girl, Pose::WalkingLeft, Mood::Smiling, box);
    case Figure::WalkingGirlRight:
        return draw_child(p, Child::Girl, Pose::WalkingRight, Mood::Smiling, box);
    case Figure::StandingGirl:
        return draw_child(p, Child::Girl, Pose::Standing, Mood::Smiling, box);
    case Figure::BoysFaceOverBar:
        draw_child_head(p, Child::Boy, Mood::Smiling, {13, 13}, 8.5);
        p.fillRect(QRectF(4, 24, 18, 3), QColor(220, 40, 40));
        return;
    case Figure::BoyAtExitDoor:
        draw_child(p, Child::Boy, Pose::WalkingRight, Mood::Smiling, QRectF(14, 3, 20, 27));
        return draw_exit_door(p);
    }
}

void draw_face(QPainter& p, const Face& face) {
    draw_figure(p, face.figure);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(caption_font(13));
    p.setPen(QColor(0, 0, 0));
    p.drawText(QRect(22, 4, 61, 16), Qt::AlignHCenter | Qt::AlignVCenter, QString::fromUtf8(face.caption));
    p.setRenderHint(QPainter::Antialiasing);
    if (face.yellow_ovals.size() > 0) draw_ovals(p, face.yellow_ovals);
}

void draw_frame(QPainter& p, const Face& face, int left, bool sunken) {
    p.save();
    p.setClipRect(QRect(left + 2, 2, kFrameWidth - 4, kFrameHeight - 4));
    p.translate(left + (sunken ? 1 : 0), sunken ? 1 : 0);
    draw_face(p, face);
    p.restore();
    draw_bevel(p, left, sunken);
}

}  // namespace

QImage navigation_bitmap(NavigationButton button) {
    require_caption_font();
    QImage bitmap = blank_picture(2 * kFrameWidth, kFrameHeight, kButtonFace);
    QPainter p(&bitmap);
    const Face& face = face_of(button);
    draw_frame(p, face, 0, false);
    draw_frame(p, face, kFrameWidth, true);
    return bitmap;
}

}  // namespace course
