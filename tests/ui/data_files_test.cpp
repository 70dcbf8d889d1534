// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/float_error.h"
#include "ui/data_files.h"

#include "doubled_picture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

// A data folder made the current directory for the length of a test, as the
// program finds its pictures beside the folder it is started in.
class DataFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("img")));
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
    }
    void TearDown() override { QDir::setCurrent(previous); }

    static void writePicture(const QString& path, const QSize& size, const QColor& colour)
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(colour);
        ASSERT_TRUE(picture.save(path, "PNG"));
    }

    // The error the file raises, or nothing when it loads.
    static QString loadError(const QString& name, qreal ratio = 1)
    {
        try {
            LoadPicture(name, ratio);
        } catch (const AppError& error) {
            return error.text();
        }
        return {};
    }

    QTemporaryDir folder;
    QString previous;
};

TEST_F(DataFiles, PicturesAreFoundByTheirBackslashedNameInTheCurrentFolder)
{
    writePicture(folder.filePath("img/1.png"), QSize(4, 3), Qt::red);
    const QImage picture = LoadPicture(QStringLiteral("img\\1.png"));
    EXPECT_EQ(picture.size(), QSize(4, 3));
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::red));

    // Another current folder, another picture of the same name.
    QTemporaryDir other;
    ASSERT_TRUE(QDir(other.path()).mkdir(QStringLiteral("img")));
    writePicture(other.filePath("img/1.png"), QSize(2, 2), Qt::blue);
    ASSERT_TRUE(QDir::setCurrent(other.path()));
    EXPECT_EQ(LoadPicture(QStringLiteral("img\\1.png")).size(), QSize(2, 2));
}

struct RatioCase {
    const char* name;
    qreal ratio;       // of the screen the picture is shown on
    bool doubledThere; // whether img/1@2x.png is
    bool showsDoubled;
};

void PrintTo(const RatioCase& c, std::ostream* os)
{
    *os << c.name;
}

class PictureAtRatio : public DataFiles, public ::testing::WithParamInterface<RatioCase> {};

// Above ratio 1 the double-resolution file is shown at the picture's logical
// size; at 1, or where there is none, the plain file as it is.
TEST_P(PictureAtRatio, ShowsTheDoubledFileOnlyWhereItHelps)
{
    writePicture(folder.filePath("img/1.png"), QSize(329, 193), Qt::red);
    if (GetParam().doubledThere)
        writePicture(folder.filePath("img/1@2x.png"), QSize(658, 386), Qt::blue);
    const QImage picture = LoadPicture(QStringLiteral("img\\1.png"), GetParam().ratio);
    EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(329, 193));
    EXPECT_EQ(picture.size(), GetParam().showsDoubled ? QSize(658, 386) : QSize(329, 193));
    EXPECT_EQ(picture.pixelColor(0, 0), GetParam().showsDoubled ? QColor(Qt::blue) : QColor(Qt::red));
}

INSTANTIATE_TEST_SUITE_P(Screens, PictureAtRatio,
                         ::testing::Values(RatioCase{"ratio 1", 1, true, false},
                                           RatioCase{"ratio 1.25", 1.25, true, true},
                                           RatioCase{"ratio 2", 2, true, true},
                                           RatioCase{"ratio 2, no doubled file", 2, false, false}));

struct FailureCase {
    const char* name;
    std::function<void(const QString& path)> prepare;
    const char* reason; // empty: whatever the picture reader says
    const char* file = "img/2.png";
    qreal ratio = 1;
};

void PrintTo(const FailureCase& c, std::ostream* os)
{
    *os << c.name;
}

void cutShort(const QString& path)
{
    QImage picture(40, 40, QImage::Format_RGB32);
    picture.fill(Qt::green);
    picture.save(path, "PNG");
    QFile file(path);
    file.resize(60);
}

class PictureFailure : public DataFiles, public ::testing::WithParamInterface<FailureCase> {};

// A picture that cannot be read names its full path and the reason, as the
// error box shows it.
TEST_P(PictureFailure, NamesThePathAndTheReason)
{
    const QString path = folder.filePath(GetParam().file);
    GetParam().prepare(path);
    const QString prefix = "Cannot open file \"" + QDir::toNativeSeparators(path) + "\". ";
    const QString error = loadError(QStringLiteral("img\\2.png"), GetParam().ratio);
    if (*GetParam().reason) {
        EXPECT_EQ(error, prefix + GetParam().reason);
    } else {
        EXPECT_TRUE(error.startsWith(prefix)) << error.toStdString();
        EXPECT_GT(error.size(), prefix.size()) << "no reason given";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, PictureFailure,
    ::testing::Values(FailureCase{"missing", [](const QString&) {}, "No such file or directory"},
                      FailureCase{"a folder", [](const QString& path) { QDir().mkdir(path); }, "Is a directory"},
                      FailureCase{"not a picture",
                                  [](const QString& path) {
                                      QFile file(path);
                                      file.open(QIODevice::WriteOnly);
                                      file.write("not a PNG at all");
                                  },
                                  ""},
                      FailureCase{"cut short", cutShort, ""},
                      FailureCase{"doubled picture cut short", cutShort, "", "img/2@2x.png", 2}));

// The chooser's pictures as `make pictures` leaves them, each beside its
// double-resolution version.
TEST(ChooserPictures, AreDrawnAtTwiceTheResolution)
{
    for (int n = 1; n <= 8; ++n) {
        const QString name = QStringLiteral(OPTIKA_DATA "/img/%1.png").arg(n);
        EXPECT_TRUE(IsDrawnAtTwice(QImage(name), QImage(DoubledPictureName(name)))) << n;
    }
}

} // namespace
