#pragma once

#include <QObject>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QTimer>

// Answers every modal dialog the window opens, at random: a message box with one of its
// buttons, a file dialog with one of a few paths or a cancel. Session dialogs get session
// paths, other file dialogs (screenshots) paths of their own, so a screenshot never
// overwrites a session. The dialogs must be the toolkit's own widgets
// (Qt::AA_DontUseNativeDialogs).
class RandomAnswerer : public QObject {
    Q_OBJECT
public:
    RandomAnswerer(quint32 seed, const QStringList& sessionPaths, const QStringList& otherPaths);

    // The dialogs answered so far.
    int answered() const { return answered_; }

private:
    void poll();
    void answer(QWidget* modal);

    QTimer timer;
    QRandomGenerator random;
    QStringList sessionPaths;
    QStringList otherPaths;
    int answered_ = 0;
    bool answering = false;
};
