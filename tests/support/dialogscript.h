// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>

// Answers modal dialogs (Qt::AA_DontUseNativeDialogs) from the event loop: an answer may open
// a dialog of its own, and a timer does not fire again while its slot runs.
class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(int interval = 10) {
        connect(&timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        timer.start(interval);
    }

protected:
    virtual void answer(QWidget* modal) = 0;

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || answering)
            return;
        answering = true;
        QTimer::singleShot(0, this, [this, modal = QPointer<QWidget>(modal)] {
            answering = false;
            if (modal && modal == QApplication::activeModalWidget())
                answer(modal);
        });
    }

    QTimer timer;
    bool answering = false;
};

// Answers dialogs step by step, noting each as "title" or "title: text" (and apart, a box's
// details or the file a file dialog proposes); one no step expects is noted "unexpected title"
// and closed. One script at a time.
class DialogScript : public ModalAnswerer {
public:
    DialogScript& press(QMessageBox::StandardButton button) {
        return step<QMessageBox>([button](QMessageBox* box) { box->button(button)->click(); });
    }
    // A path, or a cancel when it is empty. QFileDialog's own accept() checks the name.
    DialogScript& choose(const QString& path) {
        return step<QFileDialog>([path](QFileDialog* files) {
            if (path.isEmpty())
                return files->reject();
            files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog*>(files)->accept();
        });
    }
    const QStringList& seen() const { return seenDialogs; }
    const QStringList& details() const { return informativeTexts; }

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
    void answer(QWidget* modal) override {
        QString note = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            note += QStringLiteral(": ") + box->text();
            informativeTexts << box->informativeText();
        } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            informativeTexts << files->directory().filePath(
                files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text());
        }
        // Noted first: the answer may open the next dialog.
        const int at = int(seenDialogs.size());
        seenDialogs << note;
        if (steps.isEmpty() || !steps.takeFirst()(modal)) {
            seenDialogs[at] = QStringLiteral("unexpected ") + note;
            modal->close();
        }
    }

    QList<std::function<bool(QWidget*)>> steps;
    QStringList seenDialogs, informativeTexts;
};
