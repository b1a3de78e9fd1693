// SPDX-License-Identifier: GPL-3.0-or-later
// The window's stored geometry on a real screen (Xvfb, 1920 x 1080): used
// only when it fits a screen, else the designed size, centred. A stored
// window two million pixels wide must not even slow the start down.

#include <QDataStream>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include "mainwindow/frmprogpannel.h"
#include "support/testsupport.h"

namespace {

// A stored geometry as the window saves it (format 3.0).
QByteArray storedGeometry(const QRect &rect, bool maximized = false)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_4_0);
    s << quint32(0x1D9D0CB) << quint16(3) << quint16(0) << rect << rect << qint32(0) << quint8(maximized)
      << quint8(0) << qint32(1920) << rect;
    return bytes;
}

QRect screenArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

class TestGeometry : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            QSKIP("needs a real screen (run under Xvfb)");
    }
    void init() { settings.clear(); }

    void fittingGeometryComesBack();
    void impossibleGeometriesGiveTheDesignedWindow_data();
    void impossibleGeometriesGiveTheDesignedWindow();

private:
    ScopedTestSettings settings;
};

void TestGeometry::fittingGeometryComesBack()
{
    QRect placed;
    {
        frmProgPannel w(EcuSession::Config{});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.setGeometry(QRect(60, 80, 1200, 700));
        QTest::qWait(50);
        placed = w.geometry();
    }
    frmProgPannel again(EcuSession::Config{});
    QCOMPARE(again.geometry().size(), placed.size());
}

void TestGeometry::impossibleGeometriesGiveTheDesignedWindow_data()
{
    QTest::addColumn<QRect>("stored");
    QTest::addColumn<bool>("designed");
    QTest::newRow("two million pixels") << QRect(0, 0, 2000000, 2000000) << true;
    QTest::newRow("an 8K window") << QRect(0, 0, 7680, 4320) << true;
    QTest::newRow("a 4K window") << QRect(100, 100, 3840, 2160) << true;
    QTest::newRow("mostly off the screen") << QRect(1700, 900, 1100, 600) << true;
    // A window of a fitting size on a screen that is gone: brought onto this one.
    QTest::newRow("on a screen that is gone") << QRect(-3000, 200, 1100, 600) << false;
}

void TestGeometry::impossibleGeometriesGiveTheDesignedWindow()
{
    QFETCH(QRect, stored);
    QFETCH(bool, designed);
    QSettings().setValue(QStringLiteral("Geometry"), storedGeometry(stored));
    frmProgPannel w(EcuSession::Config{});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(screenArea().contains(w.geometry()));
    if (!designed)
        return;
    QCOMPARE(w.size(), QSize(1075, 640));
    QVERIFY(qAbs(w.geometry().center().x() - screenArea().center().x()) <= 2);
    w.close();
    // What is saved now is the designed window, not the impossible one.
    frmProgPannel again(EcuSession::Config{});
    QCOMPARE(again.size(), QSize(1075, 640));
}

QTEST_MAIN(TestGeometry)
#include "test_geometry.moc"
