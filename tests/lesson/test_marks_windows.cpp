// The marks beyond colour, measured on the windows: with the setting on, each pair of marks
// a lesson shows at once still differs when the picture is turned to greyscale, and when it
// is seen as with protanopia or deuteranopia; with it off, the lessons look as they always
// did and the same measure finds no difference but the colour. The current line keeps its
// frame in every eye.
#include "lesson/display_settings.h"
#include "lesson/mark_shapes.h"
#include "support/colour_vision.h"
#include "support/window_checks.h"

#include <QLineEdit>
#include <QPushButton>

#include <map>
#include <set>

using namespace window_checks;
using colour_vision::Eye;

namespace
{

constexpr Eye eyes[] = {Eye::Typical, Eye::Protanopia, Eye::Deuteranopia};
const char* eyeName(Eye eye)
{
    return eye == Eye::Typical      ? "greyscale"
           : eye == Eye::Protanopia ? "protanopia"
                                    : "deuteranopia";
}

// The inside of a box (its frame left out), in the window's picture.
QRect inside(const QWidget& window, int index)
{
    const QWidget* box = control(window, QStringLiteral("Text1(%1)").arg(index));
    return QRect(box->mapTo(&window, QPoint(0, 0)), box->size()).adjusted(2, 2, -3, -3);
}

// The array boxes that carry a mark now, by their colour.
std::map<QRgb, int> marked(const QWidget& window, int length)
{
    std::map<QRgb, int> boxes;
    for (int k = 0; k < length; ++k) {
        const QColor colour = boxColour(window, k);
        if (mark_shapes::of(Colour::rgb(colour.red(), colour.green(), colour.blue())) !=
            mark_shapes::Shape::None)
            boxes[colour.rgb()] = k;
    }
    return boxes;
}

// How much two boxes' drawings differ for `eye`, at least (over the three eyes).
double leastDifference(const QImage& picture, const QRect& a, const QRect& b)
{
    double least = 1;
    for (const Eye eye : eyes)
        least = std::min(least, colour_vision::differing(colour_vision::ink(picture, a, eye),
                                                         colour_vision::ink(picture, b, eye)));
    return least;
}

} // namespace

class MarksTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUp(); }
    void cleanup() { DisplaySettings::instance().setMarksBeyondColour(false); }

    void everyPairOfMarksDiffersWithoutColour_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("pairs");     // of colours shown together, at least
        QTest::addColumn<QString>("first"); // the first element; the others are "5"
        QTest::newRow("bubble") << "frmSortBuble" << 9 << 3 << "5";
        // One larger element ahead, shifted onto the next: then i and j show the same value.
        QTest::newRow("insertion") << "frmSortSimpleInsert" << 9 << 1 << "6";
        QTest::newRow("selection") << "frmSortSimpleExchange" << 9 << 1 << "5";
        QTest::newRow("shell") << "frmSortShell" << 9 << 1 << "5";
        QTest::newRow("improved shell") << "frmSortShellExt" << 20 << 1 << "5";
        QTest::newRow("quick") << "frmSortQuick" << 20 << 10 << "5";
        QTest::newRow("binary search") << "frmBinarySearch" << 10 << 3 << "5";
        QTest::newRow("reversal") << "frmReverseArray" << 10 << 1 << "5";
    }

    void everyPairOfMarksDiffersWithoutColour()
    {
        QFETCH(QString, form);
        QFETCH(int, length);
        QFETCH(int, pairs);
        QFETCH(QString, first);
        DisplaySettings& settings = DisplaySettings::instance();
        auto window = open(form.toLatin1().constData());
        // Every element the same: the boxes then differ only by their marks.
        for (int k = 0; k < length; ++k)
            typeInto(*window, k, k == 0 ? first : QStringLiteral("5"));
        std::set<std::pair<QRgb, QRgb>> measured;
        for (int step = 0; step < 400 && static_cast<int>(measured.size()) < pairs; ++step) {
            pressStep(*window);
            const std::map<QRgb, int> boxes = marked(*window, length);
            for (auto a = boxes.begin(); a != boxes.end(); ++a) {
                for (auto b = std::next(a); b != boxes.end(); ++b) {
                    if (!measured.insert({a->first, b->first}).second)
                        continue;
                    const QRect ra = inside(*window, a->second), rb = inside(*window, b->second);
                    settings.setMarksBeyondColour(true);
                    const double shaped = leastDifference(window->grab().toImage(), ra, rb);
                    settings.setMarksBeyondColour(false);
                    const double plain = leastDifference(window->grab().toImage(), ra, rb);
                    const QString what =
                        QStringLiteral("%1: %2 and %3 differ in %4 % of their pixels")
                            .arg(form, QColor(a->first).name(), QColor(b->first).name())
                            .arg(shaped * 100, 0, 'f', 1);
                    QVERIFY2(shaped >= 0.05, qPrintable(what));
                    // Colour alone leaves the two boxes alike: the shapes made the difference.
                    QVERIFY2(plain < 0.01, qPrintable(what + " without the shapes"));
                }
            }
        }
        QVERIFY2(static_cast<int>(measured.size()) >= pairs, qPrintable(form));
    }

    void theCurrentLineKeepsItsFrameInEveryEye()
    {
        DisplaySettings::instance().setMarksBeyondColour(true);
        auto window = open("frmTotal");
        pressStep(*window, 2);
        const QImage picture = window->grab().toImage();
        const auto topEdge = [&](int line) {
            const QWidget* label = control(*window, QStringLiteral("Label1(%1)").arg(line));
            return QRect(label->mapTo(window.get(), QPoint(0, 0)), QSize(label->width(), 2));
        };
        const QRect frame = QRect(topEdge(3).topLeft(), topEdge(3).size() + QSize(0, 13));
        for (const Eye eye : eyes) {
            // The current line's top edge is drawn; an ordinary line's is not.
            const std::vector<bool> current = colour_vision::ink(picture, frame, eye);
            const auto drawn =
                std::count(current.begin(), current.begin() + 2 * frame.width(), true);
            QVERIFY2(drawn > frame.width(), eyeName(eye));
            const std::vector<bool> ordinary = colour_vision::ink(picture, topEdge(5), eye);
            QVERIFY2(std::count(ordinary.begin(), ordinary.end(), true) < frame.width() / 10,
                     eyeName(eye));
        }
    }

    void everyColourThatMarksHasAShapeOfItsOwn()
    {
        std::set<mark_shapes::Shape> shapes;
        for (const Colour colour : {colours::yellow, colours::red, colours::blue, colours::cyan,
                                    colours::orange, colours::skyBlue}) {
            const mark_shapes::Shape shape = mark_shapes::of(colour);
            QVERIFY(shape != mark_shapes::Shape::None);
            QVERIFY(!mark_shapes::name(shape).empty());
            shapes.insert(shape);
        }
        QCOMPARE(shapes.size(), mark_shapes::table().size());
        QCOMPARE(mark_shapes::of(Colour::window()), mark_shapes::Shape::None);
        QCOMPARE(mark_shapes::of(Colour::buttonFace()), mark_shapes::Shape::None);
    }
};

QTEST_MAIN(MarksTest)
#include "test_marks_windows.moc"
