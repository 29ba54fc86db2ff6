#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers the modal dialogs that the code under test opens, one planned step after the
// other, and notes what each dialog showed. A dialog that no step expects is rejected and
// reported, so a test never hangs on it. The dialogs must be the toolkit's own widgets:
// the test sets Qt::AA_DontUseNativeDialogs before it opens them. Keep one script alive at
// a time: each answers every modal dialog it sees.
class DialogScript : public QObject {
    Q_OBJECT
public:
    // What a dialog showed when it was answered.
    struct Seen {
        QString title;
        QString text;
        QString informativeText;
        QString defaultButton;
        QStringList buttons;     // message box button texts, in the box's order
        QStringList nameFilters; // file dialog filters
    };

    DialogScript();

    // A message box (prompt or warning) answered with one of its buttons.
    DialogScript& press(QMessageBox::StandardButton button);
    // A file dialog answered with a path.
    DialogScript& choose(const QString& path);
    // A file dialog cancelled.
    DialogScript& cancel();

    bool finished() const { return steps.isEmpty(); }
    const QList<Seen>& seen() const { return seenDialogs; }
    const QStringList& unexpected() const { return unexpectedDialogs; }

private:
    struct Step {
        bool fileDialog;
        std::function<void(QWidget*)> answer;
    };

    void poll();

    QTimer timer;
    QList<Step> steps;
    QList<Seen> seenDialogs;
    QStringList unexpectedDialogs;
};
