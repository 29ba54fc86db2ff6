// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowfixture.h"

// Run on the offscreen platform, which has no OpenGL.
class TestNoOpenGL : public QObject {
    Q_OBJECT
private slots:
    // The 3D page shows a notice in place of the view, translated like every other text.
    void threeDPageShowsNotice() {
        WindowFixture f;
        f.find<QComboBox>("languageCombo")->setCurrentIndex(2);
        QCoreApplication::processEvents();
        f.show(1);
        QVERIFY(!f.find("glWidget"));
        auto* notice = f.find<QLabel>("noViewLabel");
        QVERIFY(notice && notice->isVisible());
        QCOMPARE(notice->text(),
                 QStringLiteral("3D zobrazenie potrebuje OpenGL, ktoré tu nie je k dispozícii."));
        f.show(0);
        QVERIFY(!notice->isVisible());
    }
};

QTEST_MAIN(TestNoOpenGL)
#include "test_noopengl.moc"
