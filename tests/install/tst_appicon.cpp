#include "ui/appicon.h"

#include <QImage>
#include <QPixmap>
#include <QTest>

using namespace Qt::StringLiterals;

/// appIcon() gives, at each size of the icon theme, exactly the picture drawn for that size.
class TestAppIcon final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sizeIsTheShippedPicture_data();
    void sizeIsTheShippedPicture();
};

void TestAppIcon::sizeIsTheShippedPicture_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%d px", size) << size;
}

void TestAppIcon::sizeIsTheShippedPicture()
{
    QFETCH(const int, size);
    const QIcon icon = appIcon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));

    const QString file =
        QStringLiteral(KERANI_ICON_DIR) % u"/hicolor/%1x%1/apps/kerani.png"_s.arg(size);
    const QImage shipped = QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY2(!shipped.isNull(), qPrintable(file));
    QCOMPARE(shipped.size(), QSize(size, size));

    // Not a larger size scaled down: the pixels of the file drawn for this size.
    const QImage shown = icon.pixmap(QSize(size, size))
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(shown, shipped);
}

QTEST_MAIN(TestAppIcon)
#include "tst_appicon.moc"
