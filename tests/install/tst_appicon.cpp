#include "ui/appicon.h"

#include <QImage>
#include <QTest>

using namespace Qt::StringLiterals;

/// appIcon() gives, at each size of the icon theme, exactly the picture drawn for that size.
class TestAppIcon final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sizeIsTheShippedPicture()
    {
        const QIcon icon = appIcon();
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QVERIFY(icon.availableSizes().contains(QSize(size, size)));
            const QString file =
                QStringLiteral(KERANI_ICON_DIR) % u"/hicolor/%1x%1/apps/kerani.png"_s.arg(size);
            const QImage shipped =
                QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(shipped.size(), QSize(size, size));
            // Not a larger size scaled down: the pixels of the file drawn for this size.
            QCOMPARE(icon.pixmap(QSize(size, size))
                         .toImage()
                         .convertToFormat(QImage::Format_ARGB32_Premultiplied),
                     shipped);
        }
    }
};

QTEST_MAIN(TestAppIcon)
#include "tst_appicon.moc"
