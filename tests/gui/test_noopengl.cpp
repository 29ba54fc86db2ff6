#include "gui/stereongui.h"

#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

// Run on the offscreen platform, which has no OpenGL.
class TestNoOpenGL : public QObject {
    Q_OBJECT
private slots:
    // The 3D page shows a notice in place of the view, translated like every other text.
    void threeDPageShowsNotice() {
        QTemporaryDir dir;
        StereonGUI window(dir.path());
        window.findChild<QComboBox*>(QStringLiteral("languageCombo"))->setCurrentIndex(2);
        QCoreApplication::processEvents();
        QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("view3DMenuButton")),
                          Qt::LeftButton);
        QVERIFY(!window.findChild<QWidget*>(QStringLiteral("glWidget")));
        auto* notice = window.findChild<QLabel*>(QStringLiteral("noViewLabel"));
        QVERIFY(notice && notice->isVisible());
        QCOMPARE(notice->text(),
                 QStringLiteral("3D zobrazenie potrebuje OpenGL, ktoré tu nie je k dispozícii."));
        QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("listMenuButton")),
                          Qt::LeftButton);
        QVERIFY(!notice->isVisible());
    }
};

QTEST_MAIN(TestNoOpenGL)
#include "test_noopengl.moc"
