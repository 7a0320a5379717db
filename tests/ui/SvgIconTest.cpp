// The icons drawn from SVG resources: each size is drawn afresh (never a small picture
// blown up), screens of any ratio get crisp pictures, disabled pictures are greyed, the
// drawing keeps its proportions, and a missing resource gives a null icon.

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "ui/Pictures.h"

namespace ql::test {
namespace {

const QString kToolbarIcon = QStringLiteral(":/icons/open.svg");

QImage Drawn(const QString& resource, QSize size, qreal ratio = 1) {
    return ui::Picture(resource.toLatin1().constData(), size, ratio)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage Image(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TEST(SvgIcon, EachSizeIsDrawnFromTheSvgAtThatSize) {
    const QIcon icon = ui::SvgIcon(kToolbarIcon);
    ASSERT_FALSE(icon.isNull());
    // The small size first: a larger one must not be made from it.
    for (const int side : {16, 24, 64, 16}) {
        const QSize size(side, side);
        EXPECT_EQ(icon.actualSize(size), size);
        const QPixmap pixmap = icon.pixmap(size);
        EXPECT_EQ(pixmap.size(), size);
        EXPECT_EQ(Image(pixmap), Drawn(kToolbarIcon, size)) << side;
    }
}

TEST(SvgIcon, HighRatioScreensGetPicturesAtTheirOwnPixels) {
    const QIcon icon = ui::SvgIcon(kToolbarIcon);
    const QPixmap pixmap = icon.pixmap(QSize(16, 16), 2.0);
    EXPECT_EQ(pixmap.size(), QSize(32, 32));
    EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), 2.0);
    EXPECT_EQ(Image(pixmap), Drawn(kToolbarIcon, QSize(32, 32)));
}

TEST(SvgIcon, DisabledPicturesAreGreyedAndNormalOnesKeepTheirColours) {
    const QIcon icon = ui::SvgIcon(kToolbarIcon);
    const QImage normal = Image(icon.pixmap(QSize(16, 16), QIcon::Normal));
    const QImage disabled = Image(icon.pixmap(QSize(16, 16), QIcon::Disabled));
    ASSERT_EQ(disabled.size(), normal.size());
    EXPECT_NE(disabled, normal);
    bool coloured = false;
    for (int y = 0; y < normal.height(); ++y) {
        for (int x = 0; x < normal.width(); ++x) {
            const QColor before = normal.pixelColor(x, y);
            const QColor after = disabled.pixelColor(x, y);
            coloured = coloured || before.hsvSaturation() > 64;
            if (before.alpha() > 0) {
                EXPECT_LE(after.hsvSaturation(), before.hsvSaturation());
            }
        }
    }
    EXPECT_TRUE(coloured);
    // The normal picture is still there, untouched, after the disabled one was made.
    EXPECT_EQ(Image(icon.pixmap(QSize(16, 16))), normal);
}

TEST(SvgIcon, AnOblongDrawingIsCentredWithItsProportionsKept) {
    // 64 x 48: in a 32 x 32 square it fills 32 x 24, with 4 clear rows above and below.
    const QImage image =
        Image(ui::SvgIcon(QString::fromLatin1(ui::picture::kTransceiver)).pixmap(QSize(32, 32)));
    ASSERT_EQ(image.size(), QSize(32, 32));
    const auto rowIsClear = [&](int y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).alpha() != 0) return false;
        }
        return true;
    };
    for (const int y : {0, 1, 2, 3, 28, 29, 30, 31}) EXPECT_TRUE(rowIsClear(y)) << y;
    EXPECT_FALSE(rowIsClear(16));
}

TEST(SvgIcon, AMissingResourceGivesANullIcon) {
    const QIcon icon = ui::SvgIcon(QStringLiteral(":/icons/no-such-picture.svg"));
    EXPECT_TRUE(icon.isNull());
    EXPECT_TRUE(icon.pixmap(QSize(16, 16)).isNull());
}

}  // namespace
}  // namespace ql::test
