#include "gui/stereongui.h"

#include "gui/openglavailable.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

// Run on the offscreen platform, which has no OpenGL.
class TestNoOpenGL : public QObject {
    Q_OBJECT
private slots:
    void threeDPageShowsNotice();
};

void TestNoOpenGL::threeDPageShowsNotice() {
    QVERIFY(!openGLAvailable());
    QTemporaryDir dir;
    StereonGUI window(dir.path());
    QVERIFY(!window.glWidget);
    QTest::mouseClick(window.menuButtons[1], Qt::LeftButton);
    QVERIFY(window.noViewLabel->isVisible());
    QVERIFY(!window.noViewLabel->text().isEmpty());
    QTest::mouseClick(window.menuButtons[0], Qt::LeftButton);
    QVERIFY(!window.noViewLabel->isVisible());
    // Translated like every other text.
    window.languageCombo->setCurrentIndex(2);
    QCoreApplication::processEvents();
    QCOMPARE(window.noViewLabel->text(),
             QStringLiteral("3D zobrazenie potrebuje OpenGL, ktoré tu nie je k dispozícii."));
}

QTEST_MAIN(TestNoOpenGL)
#include "test_noopengl.moc"
