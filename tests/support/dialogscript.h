#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

// Answers the modal dialogs that the code under test opens, one planned step after the
// other, and notes each as "title" or "title: text". A dialog that no step expects is noted
// as "unexpected title" and closed, so a test never hangs on it. The dialogs must be the
// toolkit's own (Qt::AA_DontUseNativeDialogs). Keep one script alive at a time.
class DialogScript {
public:
    DialogScript() {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] { poll(); });
        timer.start(10);
    }
    // A message box answered with one of its buttons.
    DialogScript& press(QMessageBox::StandardButton button) {
        return step<QMessageBox>([button](QMessageBox* box) { box->button(button)->click(); });
    }
    // A file dialog answered with a path, or cancelled when the path is empty. The full path
    // goes in the name field, so a folder that does not exist reaches the caller as typed;
    // QFileDialog's own accept() checks the name, reached through QDialog.
    DialogScript& choose(const QString& path) {
        return step<QFileDialog>([path](QFileDialog* files) {
            if (path.isEmpty())
                return files->reject();
            files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog*>(files)->accept();
        });
    }
    const QStringList& seen() const { return seenDialogs; }

private:
    template <class Dialog, class Answer> DialogScript& step(Answer answer) {
        steps.append([answer](QWidget* modal) {
            auto* dialog = qobject_cast<Dialog*>(modal);
            if (dialog)
                answer(dialog);
            return dialog != nullptr;
        });
        return *this;
    }
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        QString note = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            note += QStringLiteral(": ") + box->text();
        const bool answered = !steps.isEmpty() && steps.takeFirst()(modal);
        seenDialogs << (answered ? note : QStringLiteral("unexpected ") + note);
        if (!answered)
            modal->close();
    }

    QTimer timer;
    QList<std::function<bool(QWidget*)>> steps;
    QStringList seenDialogs;
};
