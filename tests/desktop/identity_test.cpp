// The program's identity as the desktop sees it, on the offscreen platform: the window's
// icon, the desktop file name, and the installed files that must agree with them.
#include "frontend/qt/desktop/identity.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTest>
#include <QWindow>
#include <QXmlStreamReader>
#include <algorithm>
#include <cstdlib>
#include <map>

#include "frontend/qt/main_window.h"
#include "resources/menus.h"

namespace {

// "Key=value" lines of the desktop entry's main group.
std::map<QString, QString> DesktopEntry() {
    QFile file(QStringLiteral(SKALOR_DESKTOP_FILE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    std::map<QString, QString> keys;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (!line.startsWith('#') && equals > 0) keys[line.left(equals)] = line.mid(equals + 1);
    }
    return keys;
}

// The text of the metainfo's first element of that name, or of its attribute.
QString Metainfo(const QString& element, const QString& attribute = {}) {
    QFile file(QStringLiteral(SKALOR_METAINFO_FILE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == element)
            return attribute.isEmpty() ? xml.readElementText()
                                       : xml.attributes().value(attribute).toString();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    ADD_FAILURE() << "no " << element.toStdString() << " in the metainfo";
    return {};
}

bool IsRed(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80; }

}  // namespace

TEST(Identity, DesktopFileAppStreamIdAndIconNameAreOneId) {
    const QString id = QGuiApplication::desktopFileName();
    ASSERT_FALSE(id.isEmpty());
    EXPECT_EQ(QFileInfo(QStringLiteral(SKALOR_DESKTOP_FILE)).fileName(), id + ".desktop");
    const std::map<QString, QString> entry = DesktopEntry();
    EXPECT_EQ(entry.at("Icon"), id);
    EXPECT_EQ(entry.at("Exec"), "skalor");
    // On X11 the window's class is the application's name; the menu entry finds it by that.
    EXPECT_EQ(entry.at("StartupWMClass"), QGuiApplication::applicationName());
    EXPECT_EQ(QGuiApplication::applicationName(), "Skalor");
    EXPECT_EQ(Metainfo("id"), id);
    EXPECT_EQ(Metainfo("launchable"), id + ".desktop");
}

TEST(Identity, TheAboutBoxTheMetainfoAndTheApplicationShowOneVersion) {
    const QString version = QGuiApplication::applicationVersion();
    EXPECT_EQ(version, "1.2.1");
    EXPECT_EQ(Metainfo("release", "version"), version);
    EXPECT_TRUE(QString::fromUtf8(kAboutText).contains("\nВерсия " + version + "\n"));
}

TEST(Identity, TheWindowCarriesTheIconAtEverySizeWithItsHairline) {
    CQtMainWindow window(2);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QIcon icon = window.windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(window.windowHandle()->icon().cacheKey(), icon.cacheKey());
    QList<QSize> sizes = icon.availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    const QList<QSize> expected = {{16, 16}, {22, 22}, {24, 24},   {32, 32},
                                   {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    EXPECT_EQ(sizes, expected);
    // Even at 16 pixels the red hairline crosses the rule from top to bottom near the middle.
    const QImage small = icon.pixmap(QSize(16, 16)).toImage();
    ASSERT_EQ(small.size(), QSize(16, 16));
    int hairline = -1;
    for (int x = 0; x < 16 && hairline < 0; ++x) {
        int red = 0;
        for (int y = 0; y < 16; ++y) red += IsRed(small.pixel(x, y));
        if (red >= 12) hairline = x;
    }
    EXPECT_GE(hairline, 7);
    EXPECT_LE(hairline, 9);
}

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    SetDesktopIdentity();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
