// SPDX-License-Identifier: GPL-3.0-or-later
// The 3D page's keys and windows, and the option that names the objects in the view.
#include "windowfixture.h"

#include "view3d/glwidget.h"

#include <QCheckBox>

class TestView3DPage : public QObject {
    Q_OBJECT

private slots:
    // F11 takes the view in the page to full screen and back, as does Escape; Escape in the
    // page leaves the view where it is. F5 stays the Vector page's key there.
    void fullScreenFromThePage() {
        WindowFixture f;
        StereonGUI& w = *f.window;
        f.show(1);
        auto* view = f.find<GLWidget>("glWidget");
        if (!view)
            QSKIP("no OpenGL here");
        const QStringList keys = {"F11", "F11", "F11", "Esc", "Esc", "F5"};
        const QStringList states = {"full screen", "in the page", "full screen",
                                    "in the page", "in the page", "hidden"};
        for (int i = 0; i < keys.size(); ++i) {
            QWidget* target = view->isWindow() ? static_cast<QWidget*>(view) : &w;
            target->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(target));
            QTest::keyClick(target->focusWidget() ? target->focusWidget() : target,
                            QKeySequence::fromString(keys[i])[0].key());
            const auto state = [view] {
                if (!view->isVisible())
                    return QString("hidden");
                return QString(view->isFullScreen() && view->isWindow() ? "full screen"
                               : view->isWindow()                       ? "a window"
                                                                        : "in the page");
            };
            QTRY_COMPARE(state(), states[i]);
        }
        QVERIFY(f.find("vectorPage")->isVisible());
    }

    // A detached view opens beside the window, over none of it.
    void detachedBesideTheWindow() {
        WindowFixture f;
        f.show(1);
        auto* view = f.find<GLWidget>("glWidget");
        if (!view)
            QSKIP("no OpenGL here");
        f.find<QToolButton>("showInWindowButton")->click();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QVERIFY2(
            !view->geometry().intersects(f.window->frameGeometry()),
            qPrintable(QString("%1 %2").arg(view->x()).arg(f.window->frameGeometry().right())));
    }

    // The names option is the settings file's third line; a file without it shows names.
    void namesOption() {
        for (const QByteArray& file : {QByteArray("en\n1\n"), QByteArray("en\n1\n0\n")}) {
            WindowFixture f(file);
            auto* names = f.find<QCheckBox>("namesCheck");
            QCOMPARE(names->isChecked(), !file.endsWith("0\n"));
            names->click();
            QFile saved(f.path("settings.cfg"));
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QCOMPARE(saved.readAll(), QByteArray("en\n1\n") + (names->isChecked() ? "1\n" : "0\n"));
        }
    }
};

QTEST_MAIN(TestView3DPage)
#include "test_view3dpage.moc"
