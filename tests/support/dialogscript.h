#pragma once

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

// Answers the modal dialogs that the code under test opens, one planned step after the
// other, and notes each as "title" or "title: text". A dialog that no step expects is noted
// as "unexpected title" and rejected, so a test never hangs on it. The dialogs must be the
// toolkit's own (Qt::AA_DontUseNativeDialogs). Keep one script alive at a time.
class DialogScript {
public:
    DialogScript() {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] { poll(); });
        timer.start(10);
    }

    // A message box answered with one of its buttons.
    DialogScript& press(QMessageBox::StandardButton button) {
        steps.append([button](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            if (box)
                box->button(button)->click();
            return box != nullptr;
        });
        return *this;
    }
    // A file dialog answered with a path, or cancelled when the path is empty.
    DialogScript& choose(const QString& path) {
        steps.append([path](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            if (files && path.isEmpty())
                files->reject();
            else if (files) {
                // The full path in the name field, so a folder that does not exist reaches
                // the caller as it was typed.
                files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
                // QFileDialog's own accept() checks the name; it is reached through QDialog.
                static_cast<QDialog*>(files)->accept();
            }
            return files != nullptr;
        });
        return *this;
    }

    const QStringList& seen() const { return seenDialogs; }

private:
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
