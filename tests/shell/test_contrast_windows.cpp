// The system's high contrast: what the portal's settings say of it, and the windows while it
// is on: a high-contrast palette, the marks with their shapes whatever the setting, and all
// as it was once it is off again.
#include "lesson/display_settings.h"
#include "lesson/value_box.h"
#include "shell/system_contrast.h"
#include "support/window_checks.h"

#include <QDBusVariant>

using namespace window_checks;

namespace
{

QColor textColour(const QWidget& window, const QString& key, QPalette::ColorRole role)
{
    return control(window, key)->palette().color(role);
}

} // namespace

class ContrastTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUp(); }
    void cleanup() { SystemContrast::apply(false, false); }

    void thePortalsSettingsAreRead_data()
    {
        QTest::addColumn<QString>("space");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("high"); // 1 high, 0 not, -1 not a word about it
        const QString appearance = "org.freedesktop.appearance";
        const QString gnome = "org.gnome.desktop.a11y.interface";
        QTest::newRow("portal high") << appearance << "contrast" << QVariant(1u) << 1;
        QTest::newRow("portal normal") << appearance << "contrast" << QVariant(0u) << 0;
        QTest::newRow("portal, wrapped twice")
            << appearance << "contrast"
            << QVariant::fromValue(QDBusVariant(QVariant::fromValue(QDBusVariant(1u)))) << 1;
        QTest::newRow("portal, not a number") << appearance << "contrast" << QVariant("high") << -1;
        QTest::newRow("GNOME high") << gnome << "high-contrast" << QVariant(true) << 1;
        QTest::newRow("GNOME normal")
            << gnome << "high-contrast" << QVariant::fromValue(QDBusVariant(false)) << 0;
        QTest::newRow("GNOME, not a truth value") << gnome << "high-contrast" << QVariant(1) << -1;
        QTest::newRow("another key") << appearance << "color-scheme" << QVariant(1u) << -1;
        QTest::newRow("another space") << "org.kde.kdeglobals"
                                       << "contrast" << QVariant(1u) << -1;
    }

    void thePortalsSettingsAreRead()
    {
        QFETCH(QString, space);
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(int, high);
        const std::optional<bool> said = SystemContrast::highContrastFrom(space, key, value);
        QCOMPARE(said.has_value() ? int(*said) : -1, high);
    }

    void theDarkPreferenceIsRead()
    {
        const QString appearance = "org.freedesktop.appearance";
        QCOMPARE(SystemContrast::darkFrom(appearance, "color-scheme", 1u), std::optional(true));
        QCOMPARE(SystemContrast::darkFrom(appearance, "color-scheme", 2u), std::optional(false));
        QCOMPARE(SystemContrast::darkFrom(appearance, "contrast", 1u), std::nullopt);
    }

    void whileOnTheMarksCarryTheirShapesAndThePaletteIsClear()
    {
        const QPalette before = QApplication::palette();
        auto window = open("frmSortBuble");
        pressStep(*window, 6); // i red, j blue, j-1 cyan
        const auto shapes = [&] {
            QStringList shown;
            for (int k = 0; k < 9; ++k) {
                const auto* box = control<ValueBox>(*window, QStringLiteral("Text1(%1)").arg(k));
                if (box->mark() != mark_shapes::Shape::None)
                    shown << QString::fromUtf8(mark_shapes::name(box->mark()).data());
            }
            return shown;
        };
        QVERIFY(shapes().isEmpty());
        for (const bool dark : {false, true}) {
            SystemContrast::apply(true, dark);
            QVERIFY(DisplaySettings::instance().highContrast());
            QVERIFY(!DisplaySettings::instance().marksBeyondColour()); // the setting stays off
            QCOMPARE(shapes(), (QStringList{"left", "under", "right"}));
            const QPalette p = QApplication::palette();
            QCOMPARE(p.color(QPalette::Base), dark ? QColor(Qt::black) : QColor(Qt::white));
            QCOMPARE(p.color(QPalette::Text), dark ? QColor(Qt::white) : QColor(Qt::black));
            // The marks keep their colours, with text that reads on them; the rest follows the
            // palette, the boxes and the listing of a window that was open already included.
            for (int k = 0; k < 9; ++k) {
                const QColor ground = boxColour(*window, k);
                const QColor ink =
                    textColour(*window, QStringLiteral("Text1(%1)").arg(k), QPalette::Text);
                if (ground == QColor(0, 0, 255))
                    QCOMPARE(ink, QColor(Qt::white));
                else if (ground == QColor(255, 0, 0) || ground == QColor(0, 255, 255))
                    QCOMPARE(ink, QColor(Qt::black));
                else
                    QVERIFY2(ground == p.color(QPalette::Base) && ink == p.color(QPalette::Text), qPrintable(QStringLiteral("%1 %2 %3 %4").arg(k).arg(dark).arg(ground.name(), ink.name())));
            }
            const int current = window->model().panel().highlight;
            QCOMPARE(lineColour(*window, current), QColor(255, 255, 0));
            QCOMPARE(textColour(*window, QStringLiteral("Label1(%1)").arg(current),
                                QPalette::WindowText),
                     QColor(Qt::black));
            QCOMPARE(lineColour(*window, 0), p.color(QPalette::Button));
            QCOMPARE(textColour(*window, "Label1(0)", QPalette::WindowText),
                     p.color(QPalette::WindowText));
        }
        SystemContrast::apply(false, false);
        QVERIFY(shapes().isEmpty());
        QCOMPARE(QApplication::palette(), before);
        QCOMPARE(boxColour(*window, 3), before.color(QPalette::Base));
        QCOMPARE(boxColour(*window, 0), QColor(255, 0, 0));
        QCOMPARE(lineColour(*window, 0), before.color(QPalette::Button));
    }
};

QTEST_MAIN(ContrastTest)
#include "test_contrast_windows.moc"
