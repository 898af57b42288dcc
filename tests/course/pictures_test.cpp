// The drawn pictures as the lesson programs will load them: uncompressed
// 24-bit bitmap files of the right size, on the background of the window
// they are drawn on, and really drawn.
#include <QColor>
#include <QFile>
#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

struct Expected {
    const char* name;
    const char* folder;
    int width, height;
    bool at_most;  // the size is a limit, not exact
};

constexpr char kPictures[] = COURSE_PICTURES_DIR;
constexpr char kNavigation[] = NAVIGATION_BITMAPS_DIR;

const Expected kExpected[] = {
    {"ﾎﾟｺ.BMP", kPictures, 160, 200, false},    {"ﾐﾙ.BMP", kPictures, 160, 200, false},
    {"ﾎﾟｺ2.BMP", kPictures, 160, 200, false},   {"ﾐﾙ2.BMP", kPictures, 160, 200, false},
    {"ｻｲｹ.BMP", kPictures, 600, 90, false},     {"ｽﾄﾗｲﾌﾟ.BMP", kPictures, 200, 60, false},
    {"PF.BMP", kPictures, 20, 50, true},        {"MF.BMP", kPictures, 20, 50, true},
    {"mf.BMP", kPictures, 20, 50, true},        {"pl.BMP", kPictures, 32, 50, true},
    {"pr.BMP", kPictures, 32, 50, true},        {"ml.BMP", kPictures, 32, 50, true},
    {"mr.BMP", kPictures, 32, 50, true},        {"右指.BMP", kPictures, 15, 13, false},
    {"上指.BMP", kPictures, 13, 15, false},     {"左指.BMP", kPictures, 15, 13, false},
    {"下指.BMP", kPictures, 13, 15, false},     {"天秤1.BMP", kPictures, 210, 75, true},
    {"天秤2.BMP", kPictures, 210, 75, true},    {"天秤3.BMP", kPictures, 210, 75, true},
    {"BEFOR.BMP", kNavigation, 170, 33, false}, {"LAST.BMP", kNavigation, 170, 33, false},
    {"NEXT.BMP", kNavigation, 170, 33, false},  {"WHERE.BMP", kNavigation, 170, 33, false},
    {"HEAD.BMP", kNavigation, 170, 33, false},  {"TOP.BMP", kNavigation, 170, 33, false},
    {"EXIT.BMP", kNavigation, 170, 33, false},
};

const char* const kBlackboardPictures[] = {"PF.BMP", "MF.BMP", "pl.BMP", "pr.BMP", "ml.BMP",
                                           "mr.BMP", "右指.BMP", "上指.BMP", "左指.BMP",
                                           "下指.BMP", "天秤1.BMP", "天秤2.BMP", "天秤3.BMP"};
const char* const kPanelPictures[] = {"ﾎﾟｺ.BMP", "ﾐﾙ.BMP", "ﾎﾟｺ2.BMP", "ﾐﾙ2.BMP"};
const char* const kCaptioned[] = {"BEFOR.BMP", "LAST.BMP", "NEXT.BMP",
                                  "WHERE.BMP", "HEAD.BMP", "TOP.BMP"};

QString path_of(const char* folder, const char* name) {
    return QString::fromUtf8(folder) + "/" + QString::fromUtf8(name);
}

QByteArray bytes_of(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::int32_t field(const QByteArray& bytes, int at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return size == 2 ? static_cast<std::int16_t>(value) : static_cast<std::int32_t>(value);
}

QImage load(const char* folder, const char* name) {
    return QImage(path_of(folder, name), "BMP");
}

QImage load(const char* name) {
    for (const Expected& e : kExpected)
        if (std::string(e.name) == name) return load(e.folder, name);
    return {};
}

// Share of the pixels that differ from the picture's top-left corner.
double drawn_share(const QImage& picture) {
    const QRgb background = picture.pixel(0, 0);
    int drawn = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) drawn += picture.pixel(x, y) != background;
    return double(drawn) / (picture.width() * picture.height());
}

int colours_in(const QImage& picture, QRect area) {
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) colours.insert(picture.pixel(x, y));
    return colours.size();
}

bool all_corners_are(const QImage& picture, QRgb colour) {
    const int r = picture.width() - 1, b = picture.height() - 1;
    return picture.pixel(0, 0) == colour && picture.pixel(r, 0) == colour &&
           picture.pixel(0, b) == colour && picture.pixel(r, b) == colour;
}

TEST(Pictures, EveryPictureIsAnUncompressed24BitBitmapOfItsSize) {
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(e.name);
        const QByteArray bytes = bytes_of(path_of(e.folder, e.name));
        ASSERT_GE(bytes.size(), 54);
        EXPECT_EQ(bytes.left(2), "BM");
        EXPECT_EQ(field(bytes, 2, 4), bytes.size());
        EXPECT_EQ(field(bytes, 14, 4), 40);  // plain information header
        const int width = field(bytes, 18, 4), height = field(bytes, 22, 4);
        EXPECT_EQ(field(bytes, 28, 2), 24);
        EXPECT_EQ(field(bytes, 30, 4), 0);   // no compression
        const int row = (width * 3 + 3) / 4 * 4;
        EXPECT_EQ(field(bytes, 10, 4) + row * std::abs(height), bytes.size());
        if (e.at_most) {
            EXPECT_GT(width, 0);
            EXPECT_LE(width, e.width);
            EXPECT_GT(height, 0);
            EXPECT_LE(height, e.height);
        } else {
            EXPECT_EQ(width, e.width);
            EXPECT_EQ(height, e.height);
        }
        const QImage picture = load(e.folder, e.name);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), QSize(width, std::abs(height)));
    }
}

TEST(Pictures, BothSpellingsOfTheSecondFaceHoldTheSamePicture) {
    const QByteArray upper = bytes_of(path_of(kPictures, "MF.BMP"));
    EXPECT_FALSE(upper.isEmpty());
    EXPECT_EQ(bytes_of(path_of(kPictures, "mf.BMP")), upper);
    EXPECT_NE(bytes_of(path_of(kPictures, "PF.BMP")), upper);
}

TEST(Pictures, PicturesAreDrawnOnTheBackgroundTheyWillSitOn) {
    for (const char* name : kBlackboardPictures) {
        SCOPED_TRACE(name);
        const QImage picture = load(name);
        EXPECT_TRUE(all_corners_are(picture, qRgb(0, 128, 0)));
        EXPECT_GT(drawn_share(picture), 0.08);
        EXPECT_GE(colours_in(picture, picture.rect()), 4);
    }
    for (const char* name : kPanelPictures) {
        SCOPED_TRACE(name);
        const QImage picture = load(name);
        EXPECT_TRUE(all_corners_are(picture, qRgb(192, 192, 192)));
        EXPECT_GT(drawn_share(picture), 0.2);
        EXPECT_GE(colours_in(picture, picture.rect()), 12);
    }
    for (const char* name : {"ｻｲｹ.BMP", "ｽﾄﾗｲﾌﾟ.BMP"}) {
        SCOPED_TRACE(name);
        EXPECT_GE(colours_in(load(name), load(name).rect()), 12);
    }
}

// Mean position of the pixels of one colour, as a share of width and height.
QPointF centre_of(const QImage& picture, QRgb colour) {
    double x = 0, y = 0;
    int count = 0;
    for (int row = 0; row < picture.height(); ++row)
        for (int column = 0; column < picture.width(); ++column)
            if (picture.pixel(column, row) == colour) {
                x += column + 0.5;
                y += row + 0.5;
                ++count;
            }
    return count == 0 ? QPointF(-1, -1)
                      : QPointF(x / count / picture.width(), y / count / picture.height());
}

// The leftmost and the rightmost columns drawn in rows top..bottom.
std::pair<int, int> drawn_columns(const QImage& picture, int top, int bottom) {
    const QRgb background = picture.pixel(0, 0);
    int left = picture.width(), right = -1;
    for (int y = top; y <= bottom; ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != background) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

// How far a small child reaches out to the left and to the right of the
// middle of the head (its upper rows), at the height of a pointing arm.
std::pair<double, double> reach_beside_head(const QImage& picture) {
    const auto [head_left, head_right] = drawn_columns(picture, 5, 17);
    const auto [arm_left, arm_right] = drawn_columns(picture, 21, 25);
    const double middle = (head_left + head_right) / 2.0;
    return {middle - arm_left, arm_right - middle};
}

TEST(Pictures, EachVariantShowsWhatItsNameSays) {
    EXPECT_NE(load("ﾎﾟｺ.BMP"), load("ﾎﾟｺ2.BMP"));
    EXPECT_NE(load("ﾐﾙ.BMP"), load("ﾐﾙ2.BMP"));
    EXPECT_NE(load("ﾎﾟｺ.BMP"), load("ﾐﾙ.BMP"));
    EXPECT_NE(load("天秤1.BMP"), load("天秤2.BMP"));
    EXPECT_NE(load("天秤2.BMP"), load("天秤3.BMP"));

    // the hand's white cuff lies opposite the way it points
    const QRgb cuff = qRgb(255, 255, 255);
    EXPECT_LT(centre_of(load("右指.BMP"), cuff).x(), 0.4);
    EXPECT_GT(centre_of(load("左指.BMP"), cuff).x(), 0.6);
    EXPECT_GT(centre_of(load("上指.BMP"), cuff).y(), 0.6);
    EXPECT_LT(centre_of(load("下指.BMP"), cuff).y(), 0.4);

    // a child pointing left reaches out further to the left, and the other
    // way round
    for (const char* name : {"pl.BMP", "ml.BMP"}) {
        const auto [left, right] = reach_beside_head(load(name));
        EXPECT_GT(left, right + 4) << name;
    }
    for (const char* name : {"pr.BMP", "mr.BMP"}) {
        const auto [left, right] = reach_beside_head(load(name));
        EXPECT_GT(right, left + 4) << name;
    }
}

// A page draws a tipped scale some 14 pixels higher over a level one without
// clearing it first: the tipped one must cover it.
TEST(Pictures, ATippedScaleCoversALevelOneDrawnBelowIt) {
    const QImage level = load("天秤1.BMP");
    for (const char* name : {"天秤2.BMP", "天秤3.BMP"}) {
        const QImage tipped = load(name);
        EXPECT_EQ(tipped.width(), level.width()) << name;
        EXPECT_GE(tipped.height(), level.height() + 14) << name;
    }
}

TEST(NavigationBitmaps, LeftFrameIsRaisedAndRightFrameTheSameFaceSunken) {
    for (const char* name : kCaptioned) {
        SCOPED_TRACE(name);
        const QImage bitmap = load(name);
        ASSERT_EQ(bitmap.size(), QSize(170, 33));
        EXPECT_EQ(bitmap.pixel(0, 0), qRgb(255, 255, 255));     // light from the top left
        EXPECT_EQ(bitmap.pixel(84, 32), qRgb(0, 0, 0));
        EXPECT_EQ(bitmap.pixel(85, 0), qRgb(128, 128, 128));    // pressed in
        EXPECT_EQ(bitmap.pixel(169, 32), qRgb(255, 255, 255));
        int differing = 0;
        for (int y = 2; y <= 29; ++y)
            for (int x = 2; x <= 81; ++x) differing += bitmap.pixel(x, y) != bitmap.pixel(86 + x, y + 1);
        EXPECT_EQ(differing, 0) << "the held-down face is the resting face one pixel down and right";
    }
    const QImage exit = load("EXIT.BMP");
    EXPECT_EQ(exit.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(exit.pixel(85, 0), qRgb(128, 128, 128));
}

TEST(NavigationBitmaps, EachButtonShowsItsOwnCaptionFigureAndOvals) {
    for (const char* name : kCaptioned) {
        SCOPED_TRACE(name);
        const QImage bitmap = load(name);
        int ink = 0, yellow = 0;
        for (int y = 3; y <= 20; ++y)
            for (int x = 22; x <= 82; ++x) ink += qGray(bitmap.pixel(x, y)) < 60;
        for (int y = 22; y <= 30; ++y)
            for (int x = 22; x <= 82; ++x) yellow += bitmap.pixel(x, y) == qRgb(255, 230, 0);
        EXPECT_GT(ink, 25) << "a caption in dark ink";
        EXPECT_GT(yellow, 8) << "at least one yellow oval";
        EXPECT_GE(colours_in(bitmap, QRect(3, 3, 19, 27)), 6) << "a coloured figure";
    }
    int door = 0;
    const QImage exit = load("EXIT.BMP");
    for (int y = 0; y < 33; ++y)
        for (int x = 0; x < 85; ++x) door += exit.pixel(x, y) == qRgb(255, 220, 0);
    EXPECT_GT(door, 300) << "a yellow door";
    for (std::size_t i = 0; i < std::size(kCaptioned); ++i)
        for (std::size_t j = i + 1; j < std::size(kCaptioned); ++j)
            EXPECT_NE(load(kCaptioned[i]), load(kCaptioned[j])) << kCaptioned[i] << " " << kCaptioned[j];
}

}  // namespace
