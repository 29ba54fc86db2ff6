#include "randomanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>

RandomAnswerer::RandomAnswerer(quint32 seed, const QStringList& sessionPaths,
                               const QStringList& otherPaths)
    : random(seed), sessionPaths(sessionPaths), otherPaths(otherPaths) {
    connect(&timer, &QTimer::timeout, this, &RandomAnswerer::poll);
    timer.start(5);
}

void RandomAnswerer::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || answering)
        return;
    // An answer may open a dialog of its own (a file dialog warns about a missing file); the
    // timer does not fire again while its slot runs, so the answer comes from the event loop.
    answering = true;
    QTimer::singleShot(0, this, [this, modal = QPointer<QWidget>(modal)] {
        answering = false;
        if (modal && modal == QApplication::activeModalWidget())
            answer(modal);
    });
}

void RandomAnswerer::answer(QWidget* modal) {
    ++answered_;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        const QList<QAbstractButton*> buttons = box->buttons();
        if (buttons.isEmpty())
            box->reject();
        else
            buttons[random.bounded(int(buttons.size()))]->click();
        return;
    }
    auto* files = qobject_cast<QFileDialog*>(modal);
    auto* name = files ? files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
    // One answer in four is a cancel, so a dialog that refuses a path is left in the end.
    if (!name || random.bounded(4) == 0) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        return;
    }
    const bool session =
        files->nameFilters().join(QLatin1Char(' ')).contains(QLatin1String("*.zdr"));
    const QStringList& paths = session ? sessionPaths : otherPaths;
    name->setText(paths[random.bounded(int(paths.size()))]);
    // QFileDialog checks the name in its accept(), reached through QDialog.
    static_cast<QDialog*>(files)->accept();
}
