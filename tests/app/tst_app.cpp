#include "app/captionlabel.h"
#include "app/colorvalue.h"
#include "app/consolelayout.h"
#include "app/imagecontrol.h"
#include "app/picturebox.h"
#include "app/twips.h"
#include "settings/settings.h"
#include "support/consolefixture.h"

#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

// Start-up state, layout and stacking of the console window.
class TstApp : public QObject
{
    Q_OBJECT

private:
    static QImage grabConsole(ConsoleFixture &f)
    {
        f.console->repaint();
        return f.console->grab().toImage();
    }
    // The colour at a point given in twips inside Picture1.
    static QColor probe(ConsoleFixture &f, const QImage &image, double x, double y)
    {
        const QPoint inWindow = f.c().Picture1->mapTo(
            f.console.get(), QPoint(int(x / Twips::PerPixel), int(y / Twips::PerPixel)));
        return image.pixelColor(inWindow * image.devicePixelRatio());
    }
    // True when every pixel of the twip rectangle inside Picture1 is black.
    static bool allBlack(ConsoleFixture &f, const QImage &image, const QRectF &twips)
    {
        for (double y = twips.top() + 8; y < twips.bottom() - 8; y += 15)
            for (double x = twips.left() + 8; x < twips.right() - 8; x += 15)
                if (probe(f, image, x, y) != Qt::black)
                    return false;
        return true;
    }

private slots:
    void startUpBlanksAndColoursTheNumberLabels()
    {
        ConsoleFixture f;
        // Every third label draws orange: the draws go panel by panel, row by row.
        for (int n = 0; n < 77; ++n)
            f.random.pushChoice(n % 3 == 0 ? 2 : 1, 2);
        f.load();
        QCOMPARE(f.random.left(), size_t(0));
        int n = 0;
        for (int p = 1; p <= 11; ++p) {
            for (int i = 1; i <= 7; ++i, ++n) {
                CaptionLabel *label = f.c().Panel[p][i];
                QVERIFY2(label->caption().isEmpty(), qPrintable(label->objectName()));
                QCOMPARE(label->foreColor(),
                         n % 3 == 0 ? ColorValue::PanelOrange : ColorValue::PanelBlue);
            }
        }
    }

    void startUpState()
    {
        ConsoleFixture f;
        f.load();
        for (int i = 1; i <= 9; ++i) {
            QCOMPARE(f.c().PicBar[i]->twipWidth(), 0.0);
            QVERIFY(!f.c().PicBar[i]->isVisibleTo(f.console.get()));
        }
        QCOMPARE(f.c().Label13->foreColor(), ColorValue::PanelBlue);
        QCOMPARE(f.c().Label14->foreColor(), ColorValue::PanelBlue);
        QCOMPARE(f.c().Label13->caption(), QString("United Federation of Planets"));
        QCOMPARE(f.c().Label14->caption(), QString("Stardate"));
        QVERIFY(!f.state().BarsRunning);
        QVERIFY(!f.state().BarsStarted);
        QVERIFY(!f.state().ScreenOff);
        QVERIFY(f.sound.events.isEmpty());
        QCOMPARE(f.console->windowTitle(), QString("KORVA-Interface"));
        QVERIFY(f.console->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(f.console->windowState() & Qt::WindowMaximized);
        QVERIFY(f.console->isVisible());
    }

    void visibilityAtStart_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("visible");
        for (const char *hidden : {"Picture3", "Label12", "Label16", "Image1", "Image6", "Picture4",
                                   "logo", "PicOff(1)", "PicOff(2)", "PicOff(3)", "PicOff(4)",
                                   "PicOff(5)", "PicOff(6)", "PicOff(7)", "PicOff(8)"})
            QTest::newRow(hidden) << QString(hidden) << false;
        for (const char *shown : {"Picture1", "PicNum", "Picture2(1)", "Picture2(4)", "Label15",
                                  "Label17", "Bezeichnung6", "Image2", "Image3", "Image4", "Image7",
                                  "Image8", "Image9", "Anzeige1", "Label11(7)"})
            QTest::newRow(shown) << QString(shown) << true;
    }
    void visibilityAtStart()
    {
        QFETCH(QString, name);
        QFETCH(bool, visible);
        ConsoleFixture f;
        f.load();
        auto *control = f.console->findChild<TwipControl *>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->isVisibleTo(f.console.get()), visible);
    }

    void controlsSitInTheirContainersInPixels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("left column power caption") << "Label15"
                                                   << "Picture1" << QRect(41, 345, 0, 16);
        QTest::newRow("power block") << "Image7"
                                     << "Picture1" << QRect(6, 322, 100, 41);
        QTest::newRow("speed segment") << "Image8"
                                       << "Picture1" << QRect(758, 170, 39, 17);
        QTest::newRow("thin alert segment") << "Image3"
                                            << "Picture1" << QRect(416, 192, 109, 9);
        QTest::newRow("number area") << "PicNum"
                                     << "Picture1" << QRect(128, 56, 409, 112);
        QTest::newRow("bar graph") << "Picture3"
                                   << "Picture1" << QRect(120, 216, 681, 305);
        QTest::newRow("first pill") << "Picture2(1)"
                                    << "Picture1" << QRect(547, 65, 118, 43);
        QTest::newRow("bottom row of Label1, cut by PicNum") << "Label1(7)"
                                                             << "PicNum" << QRect(8, 96, 33, 17);
        QTest::newRow("bar 5 is taller") << "PicBar(5)"
                                         << "Picture3" << QRect(0, 140, 0, 29);
        QTest::newRow("stardate line") << "Label14"
                                       << "Picture4" << QRect(0, 400, 803, 48);
    }
    void controlsSitInTheirContainersInPixels()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, pixels);
        ConsoleFixture f;
        f.load();
        auto *control = f.console->findChild<TwipControl *>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), container);
        QCOMPARE(control->geometry().topLeft(), pixels.topLeft());
        if (pixels.width() > 0) // auto-sized and empty bars have no fixed width
            QCOMPARE(control->geometry().width(), pixels.width());
        QCOMPARE(control->geometry().height(), pixels.height());
    }

    void picture1IsCentredOnTheScreen()
    {
        ConsoleFixture f;
        f.load();
        const QSize screen = f.console->screen()->geometry().size();
        QCOMPARE(f.c().Picture1->twipLeft(), screen.width() * 15 / 2.0 - 6000);
        QCOMPARE(f.c().Picture1->twipTop(), screen.height() * 15 / 2.0 - 4155);
        QCOMPARE(f.c().Picture1->geometry().topLeft(),
                 QPoint(qRound(screen.width() / 2.0 - 400), qRound(screen.height() / 2.0 - 277)));
    }

    void captionsUnderlineTheirAccessKey()
    {
        ConsoleFixture f;
        f.load();
        CaptionLabel *end = f.c().Bezeichnung6;
        const auto shot = [&] { return f.c().Picture1->grab(end->geometry()).toImage(); };
        const QImage withKey = shot();
        end->setCaption(QStringLiteral("Ende"));
        const QImage plain = shot();
        QVERIFY2(withKey != plain, "the access-key letter is underlined");
        end->setCaption(QStringLiteral("&Ende"));
        QCOMPARE(shot(), withKey);
    }

    void blackSectionsCoverWhatLiesBelow()
    {
        ConsoleFixture f;
        f.load();
        const QRectF powerCaption(615, 5175, 915, 240);
        const QRectF firstPill(8200, 970, 1770, 645);
        QImage image = grabConsole(f);
        QVERIFY(!allBlack(f, image, powerCaption));
        QVERIFY(!allBlack(f, image, firstPill));

        f.c().PicOff[2]->show();
        f.c().PicOff[7]->show();
        image = grabConsole(f);
        QVERIFY2(allBlack(f, image, powerCaption), "PicOff 2 lies above the caption labels");
        QVERIFY2(allBlack(f, image, firstPill), "PicOff 7 lies above the pills");
    }

    void barGraphLiesAboveTheArtworkAndBelowTheBlackSections()
    {
        ConsoleFixture f;
        f.load();
        f.c().Picture3->show();
        f.c().PicBar[1]->setTwipWidth(5000);
        QImage image = grabConsole(f);
        // Bar 1 (default ramp is set later; its design colour until then) and the
        // cyan grid line at Y 210 of the bar graph.
        const QColor bar = probe(f, image, 1800 + 2000, 3240 + 450);
        QCOMPARE(bar, ColorValue::toQColor(f.c().PicBar[1]->backColor()));
        QCOMPARE(probe(f, image, 1800 + 7000, 3240 + 210), QColor(0, 255, 255));
        QCOMPARE(probe(f, image, 1870, 3240 + 450), bar);
        f.c().PicOff[4]->show();
        image = grabConsole(f);
        QCOMPARE(probe(f, image, 1870, 3240 + 450), QColor(Qt::black));
    }

    void markerStaysInsideItsBar()
    {
        ConsoleFixture f;
        f.load();
        f.c().Picture3->show();
        f.c().PicBar[3]->setTwipWidth(3000);
        f.c().Marker[2]->setTwipLeft(3000 - 105);
        const QImage image = grabConsole(f);
        QCOMPARE(probe(f, image, 1800 + 2950, 3240 + 1170 + 200), QColor(Qt::white));
        // The marker is taller than its bar but clipped by it.
        QCOMPARE(probe(f, image, 1800 + 2950, 3240 + 1595), QColor(Qt::black));
    }

    void closingTheWindowEndsTheProgram()
    {
        ConsoleFixture f(true);
        f.load();
        f.console->close();
        QVERIFY(f.realDelay.ending());
        QVERIFY(!f.realDelay.wait(0.05));
        // Let the next test run with a fresh event loop state.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }
};

QTEST_MAIN(TstApp)
#include "tst_app.moc"
