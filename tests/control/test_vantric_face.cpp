// The button's layout rectangles and the colours of its borders, read back from its face.
#include "ButtonWindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

using Orvane::FaceRect;
using namespace Qt::StringLiterals;

class TestVantricFace : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutByPicturePosition_data();
    void layoutByPicturePosition();
    void pictureIsDrawnInItsRectangleAndMovesWhenPressed();
    void metafileKeepsItsPlaceButIsNotDrawn();
    void borders_data();
    void borders();
    void raisedShowsAtTheNextRedraw();
    void smallSizeBecomes150Twips();
    void sizeHintShowsTheCaptionOnOneLine_data();
    void sizeHintShowsTheCaptionOnOneLine();

private:
    static QPalette distinctPalette();
};

namespace {

const QColor face(200, 200, 200);
const QColor shadow(128, 0, 0); // S, Dark
const QColor highlight(0, 255, 0); // HL, Light
const QColor darkShadow(0, 0, 128); // DK, Shadow
const QColor light(255, 255, 0); // LT, Midlight
const QColor red(255, 0, 0);

Orvane::Picture solid(const QSize& size, const QColor& color)
{
    QPixmap pixmap(size);
    pixmap.fill(color);
    return Orvane::Picture::bitmap(pixmap);
}

void moveOver(QWidget* target, const QPoint& at)
{
    QMouseEvent move(
        QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

QColor colourOf(QChar code)
{
    switch (code.toLatin1()) {
    case 'S':
        return shadow;
    case 'H':
        return highlight;
    case 'K':
        return darkShadow;
    case 'L':
        return light;
    default:
        return face;
    }
}

} // namespace

QPalette TestVantricFace::distinctPalette()
{
    QPalette p;
    p.setColor(QPalette::Button, face);
    p.setColor(QPalette::Dark, shadow);
    p.setColor(QPalette::Light, highlight);
    p.setColor(QPalette::Shadow, darkShadow);
    p.setColor(QPalette::Midlight, light);
    return p;
}

void TestVantricFace::layoutByPicturePosition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("withCaption");
    QTest::newRow("gbTOP") << 0 << true;
    QTest::newRow("gbLEFT") << 1 << true;
    QTest::newRow("gbRIGHT") << 2 << true;
    QTest::newRow("gbBOTTOM") << 3 << true;
    QTest::newRow("position 5") << 5 << true;
    QTest::newRow("picture alone") << 1 << false;
}

void TestVantricFace::layoutByPicturePosition()
{
    QFETCH(int, position);
    QFETCH(bool, withCaption);
    const int W = 160, H = 90, PW = 20, PH = 14;

    Vantric b;
    b.resize(W, H);
    b.SetCaption(QStringLiteral("Go"));
    // The caption alone gives its measured size, centred in the inner rectangle (4, 4, W-4, H-4).
    const FaceRect alone = b.captionRect();
    const int capW = alone.width(), capH = alone.height();
    QVERIFY(capW > 0 && capH > 0);
    QCOMPARE(alone.left, 4 + (W - 8 - capW) / 2);
    QCOMPARE(alone.top, 4 + (H - 8 - capH) / 2);

    b.SetPictureSize(Orvane::sizeCustom);
    b.SetPictureWidth(PW);
    b.SetPictureHeight(PH);
    b.SetPicturePosition(static_cast<Orvane::GB_PIC_POSITION>(position));
    b.SetCaption(withCaption ? QStringLiteral("Go") : QString());
    const FaceRect captionBefore = b.captionRect();
    b.SetPicture(solid(QSize(8, 8), red));

    const int inW = W - 8, inH = H - 8;
    FaceRect pic, cap = alone;
    if (!withCaption) {
        cap = captionBefore; // a picture alone leaves the caption's rectangle as it was
        pic.left = 4 + (inW - PW) / 2;
        pic.top = 4 + (inH - PH) / 2;
    } else if (position == 0) {
        pic = { 4 + (inW - PW) / 2, 4 + (inH - (capH + 4 + PH)) / 2, 0, 0 };
        cap = { 4 + (inW - capW) / 2, pic.top + PH + 4, 0, 0 };
    } else if (position == 1) {
        pic = { 4 + (inW - (capW + 4 + PW)) / 2, 4 + (inH - PH) / 2, 0, 0 };
        cap = { pic.left + PW + 4, 4 + (inH - capH) / 2, 0, 0 };
    } else if (position == 2) {
        cap = { 4 + (inW - (capW + 4 + PW)) / 2, 4 + (inH - capH) / 2, 0, 0 };
        pic = { cap.left + capW + 4, 4 + (inH - PH) / 2, 0, 0 };
    } else if (position == 3) {
        cap = { 4 + (inW - capW) / 2, 4 + (inH - (capH + 4 + PH)) / 2, 0, 0 };
        pic = { 4 + (inW - PW) / 2, cap.top + capH + 4, 0, 0 };
    }
    if (withCaption) {
        cap.right = cap.left + capW;
        cap.bottom = cap.top + capH;
    }
    if (position >= 0 && position <= 3) {
        pic.right = pic.left + PW;
        pic.bottom = pic.top + PH;
    }
    QCOMPARE(b.pictureRect(), pic); // position 5 in a new control: all zero, nothing drawn
    QCOMPARE(b.captionRect(), cap);
    if (position == 5)
        QVERIFY(b.grab().toImage().allGray()); // only the caption: no red picture anywhere
}

void TestVantricFace::pictureIsDrawnInItsRectangleAndMovesWhenPressed()
{
    ButtonWindow w(QSize(80, 60));
    QVERIFY(w.ready());
    Vantric* b = w.button;
    b->setPalette(distinctPalette());
    b->SetCaption(QString());
    b->SetPicture(solid(QSize(10, 10), red)); // stretched to 32 x 32
    const FaceRect r = b->pictureRect();
    QCOMPARE(r.width(), 32);
    QImage img = b->grab().toImage();
    QCOMPARE(img.pixelColor(r.left, r.top), red);
    QCOMPARE(img.pixelColor(r.right - 1, r.bottom - 1), red);
    QCOMPARE(img.pixelColor(r.right, r.bottom), face);

    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
    img = b->grab().toImage();
    QCOMPARE(img.pixelColor(r.left, r.top), face);
    QCOMPARE(img.pixelColor(r.right, r.bottom), red);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
}

void TestVantricFace::metafileKeepsItsPlaceButIsNotDrawn()
{
    Vantric b;
    b.resize(160, 60);
    b.setPalette(distinctPalette());
    b.SetBackColor(Orvane::buttonFace); // the picture surface takes the face colour from now on
    b.SetCaption(QStringLiteral("Go"));
    const FaceRect alone = b.captionRect();
    b.SetPicture(Orvane::Picture::metafile(QSize(847, 847)));
    QVERIFY(b.captionRect().left > alone.left); // moved right to make room for the picture
    const FaceRect r = b.pictureRect();
    const QImage img = b.grab().toImage();
    QCOMPARE(img.pixelColor((r.left + r.right) / 2, (r.top + r.bottom) / 2), face);
}

void TestVantricFace::borders_data()
{
    // Expected colours: B face, S shadow, H highlight, K dark shadow, L light; columns 0, 1, 2,
    // W-3, W-2, W-1 at mid height, then rows 0 and H-1 at mid width.
    QTest::addColumn<QString>("look");
    QTest::addColumn<QString>("expected");
    QTest::newRow("flat at rest") << ""
                                  << "BBBBBB BB";
    QTest::newRow("flat hovered") << "hover"
                                  << "HBBBBS HS";
    QTest::newRow("flat pressed") << "press"
                                  << "KSBBLH KH";
    QTest::newRow("raised") << "raised"
                            << "HBBBBS HS";
    QTest::newRow("raised and focused") << "raised focus"
                                        << "HBBBSK HK";
    QTest::newRow("flat focused") << "focus"
                                  << "BBBBBB BB";
    QTest::newRow("edged") << "edged"
                           << "SHBBSH SH";
    QTest::newRow("edged and hovered") << "edged hover"
                                       << "KHHKSH KH";
    QTest::newRow("edged and pressed") << "edged press"
                                       << "KSKBKH KH";
    QTest::newRow("marked default") << "default"
                                    << "HBBBSK HK";
    QTest::newRow("marked default and pressed") << "default press"
                                                << "HSBBSK HK";
    QTest::newRow("design mode") << "design"
                                 << "HBBBBS HS";
}

void TestVantricFace::borders()
{
    QFETCH(QString, look);
    QFETCH(QString, expected);
    const int W = 60, H = 30;
    ButtonWindow w(QSize(W, H));
    QVERIFY(w.ready());
    Vantric* b = w.button;
    b->setPalette(distinctPalette());
    b->SetCaption(QString());
    w.other->setFocus();
    const QStringList parts = look.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.contains(QLatin1String("raised")))
        b->SetRaised(true);
    if (parts.contains(QLatin1String("edged")))
        b->SetBorderEdged(true);
    if (parts.contains(QLatin1String("default")))
        b->SetDefault(true);
    if (parts.contains(QLatin1String("design")))
        b->SetDesignMode(true);
    if (parts.contains(QLatin1String("focus")))
        b->setFocus();
    if (parts.contains(QLatin1String("hover"))) {
        b->SetHoverProbe([] { return true; });
        moveOver(b, QPoint(W / 2, H / 2));
        QVERIFY(b->isHovering());
    }
    if (parts.contains(QLatin1String("press")))
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(W / 2, H / 2));
    b->Refresh();

    const QImage img = b->grab().toImage();
    const int xs[] = { 0, 1, 2, W - 3, W - 2, W - 1 };
    for (int i = 0; i < 6; ++i) {
        const QColor got = img.pixelColor(xs[i], H / 2);
        if (got != colourOf(expected.at(i)))
            QFAIL(qPrintable(QStringLiteral("column %1: got %2, expected %3")
                                 .arg(xs[i])
                                 .arg(got.name())
                                 .arg(expected.at(i))));
    }
    QCOMPARE(img.pixelColor(W / 2, 0), colourOf(expected.at(7)));
    QCOMPARE(img.pixelColor(W / 2, H - 1), colourOf(expected.at(8)));
    if (parts.contains(QLatin1String("press")))
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(W / 2, H / 2));
}

void TestVantricFace::raisedShowsAtTheNextRedraw()
{
    ButtonWindow w(QSize(60, 30));
    QVERIFY(w.ready());
    w.other->setFocus();
    Vantric* b = w.button;
    b->setPalette(distinctPalette());
    b->SetCaption(QString());
    b->SetRaised(true);
    QCOMPARE(b->grab().toImage().pixelColor(0, 15), face);
    b->Refresh();
    QCOMPARE(b->grab().toImage().pixelColor(0, 15), highlight);
}

void TestVantricFace::smallSizeBecomes150Twips()
{
    QWidget holder;
    holder.resize(300, 200);
    auto* b = new Vantric(&holder);
    holder.show();
    QVERIFY(QTest::qWaitForWindowExposed(&holder));
    b->resize(5, 5);
    const int expected = qRound(150.0 * b->logicalDpiX() / 1440.0);
    QCOMPARE(b->size(), QSize(expected, expected));
    b->resize(5, 40);
    QCOMPARE(b->size(), QSize(expected, 40));
}

void TestVantricFace::sizeHintShowsTheCaptionOnOneLine_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QFont>("font");
    for (const QString& caption : { u"Save && Close"_s, u"Speichern && Schließen"_s, u"&Home Page"_s }) {
        for (const QFont& font :
            { QFont(u"DejaVu Sans"_s, 9), QFont(u"DejaVu Serif"_s, 15), QFont(u"Nimbus Sans"_s, 11) })
            QTest::addRow("%s %d pt", qPrintable(caption + u' ' + font.family()), font.pointSize())
                << caption << font;
    }
}

void TestVantricFace::sizeHintShowsTheCaptionOnOneLine()
{
    // On a face of the hint the caption stays on one line inside the inner rectangle; a pixel
    // less wraps it.
    QFETCH(QString, caption);
    QFETCH(QFont, font);
    Vantric b;
    b.setFont(font);
    b.SetCaption(caption);
    const QSize hint = b.sizeHint();
    b.resize(hint);
    b.Refresh(); // a hidden button lays out again at its next redraw
    const FaceRect cap = b.captionRect();
    QCOMPARE(cap.height(), QFontMetrics(font).height());
    QVERIFY(
        cap.left >= 4 && cap.right <= hint.width() - 4 && cap.top >= 4 && cap.bottom <= hint.height() - 4);
    b.resize(hint - QSize(1, 0));
    b.Refresh();
    QVERIFY(b.captionRect().height() > cap.height());
}

QTEST_MAIN(TestVantricFace)
#include "test_vantric_face.moc"
