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
        QVERIFY(!window.glWidget);
        window.languageCombo->setCurrentIndex(2);
        QCoreApplication::processEvents();
        QTest::mouseClick(window.menuButtons[1], Qt::LeftButton);
        QVERIFY(window.noViewLabel->isVisible());
        QCOMPARE(window.noViewLabel->text(),
                 QStringLiteral("3D zobrazenie potrebuje OpenGL, ktoré tu nie je k dispozícii."));
        QTest::mouseClick(window.menuButtons[0], Qt::LeftButton);
        QVERIFY(!window.noViewLabel->isVisible());
    }
};

QTEST_MAIN(TestNoOpenGL)
#include "test_noopengl.moc"
