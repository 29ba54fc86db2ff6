#include "dialogscript.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>

DialogScript::DialogScript() {
    connect(&timer, &QTimer::timeout, this, &DialogScript::poll);
    timer.start(10);
}

DialogScript& DialogScript::press(QMessageBox::StandardButton button) {
    steps.append({false, [button](QWidget* dialog) {
                      static_cast<QMessageBox*>(dialog)->button(button)->click();
                  }});
    return *this;
}

DialogScript& DialogScript::choose(const QString& path) {
    steps.append({true, [path](QWidget* dialog) {
                      auto* files = static_cast<QFileDialog*>(dialog);
                      // The full path in the name field, so a folder that does not exist
                      // reaches the caller as it was typed.
                      files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
                      // QFileDialog checks the name in its accept(), reached through QDialog.
                      static_cast<QDialog*>(files)->accept();
                  }});
    return *this;
}

DialogScript& DialogScript::cancel() {
    steps.append({true, [](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); }});
    return *this;
}

void DialogScript::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    auto* box = qobject_cast<QMessageBox*>(modal);
    auto* files = qobject_cast<QFileDialog*>(modal);
    if (steps.isEmpty() || (steps.first().fileDialog ? !files : !box)) {
        unexpectedDialogs << modal->windowTitle();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        return;
    }
    Seen seen;
    seen.title = modal->windowTitle();
    if (box) {
        seen.text = box->text();
        seen.informativeText = box->informativeText();
        if (box->defaultButton())
            seen.defaultButton = box->defaultButton()->text();
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text();
    } else {
        seen.nameFilters = files->nameFilters();
    }
    seenDialogs << seen;
    steps.takeFirst().answer(modal);
}
