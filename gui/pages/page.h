// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QWidget>

#include <vector>

class CheckGroup;
class QAbstractItemModel;
class QComboBox;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class SessionModel;

// One page of the window: a title bar and a body. A page owns its fields, its enable rule
// and its command, and talks to nobody but the session model; its texts follow the language.
class Page : public QWidget {
    Q_OBJECT
public:
    Page(SessionModel* session, const char* title, const QString& titleStyle,
         QWidget* parent = nullptr);

    QLabel* titleLabel() const { return title_; }
    // Takes the focus when the page is shown; null leaves the focus where it is.
    virtual QWidget* focusTarget() { return nullptr; }

public slots:
    // Option group `index` was clicked; the others follow so that one stays checked.
    void disableGroups(bool checked, int index);

signals:
    // A "... was added." link was followed: show the object in the list.
    void showObjectRequested(const QString& name);

protected:
    SessionModel* session() const { return session_; }
    QWidget* body() const { return body_; }
    QHBoxLayout* header() const { return header_; }

    // Widgets whose text is tr(source) + suffix in the current language.
    QLabel* captionLabel(const char* source, const char* suffix = "");
    template <class Button>
    Button* captionButton(const char* source, const QString& objectName,
                          const QKeySequence& shortcut = QKeySequence());
    void addCaption(QWidget* widget, const char* source, const char* suffix = "",
                    const QKeySequence& shortcut = QKeySequence());
    QLabel* alertLabel(const QString& objectName);
    QLineEdit* numberEdit(const QString& objectName);
    QComboBox* objectCombo(QAbstractItemModel* model, const QString& objectName);
    CheckGroup* optionGroup(int index, const char* number, QFormLayout*& form,
                            const QString& objectName);

    // The first problem of the typed name (empty, unstorable, taken), or an empty text.
    QString nameProblem(const QLineEdit* edit, bool breakLine = false) const;
    // A name made of the letter and a number no object has.
    QString freshName(QChar letter) const;
    // Shows the problem on the alert line, or hides the line; true when there is none.
    static bool showAlert(QLabel* alert, const QString& problem);
    // "Point P1 was added." as a link that shows the object.
    void tellAdded(QLabel* alert, const char* sentence, const QString& name);
    void tellFailed(QLabel* alert, const char* message, const char* reason);

    void changeEvent(QEvent* event) override;
    // Texts other than the captions, set again on a language change.
    virtual void retranslate() {}
    // The page's enable rule: whether its command can run, and the alert that says why not.
    virtual void enableAdd() {}

    // The page's name field is filled with a fresh name (the letter and a number) when it is
    // empty as the page shows or after an add; `focus` says when the field takes the focus.
    enum class NameFocus { Never, WhenFilled, Always };
    void setNameField(QLineEdit* edit, QChar letter, NameFocus focus);
    void proposeName();
    void showEvent(QShowEvent* event) override;

    // The option groups, in order; one of them is checked.
    QList<CheckGroup*> options_;

private:
    struct Caption {
        QWidget* widget;
        const char* source;
        const char* suffix;
        QKeySequence shortcut;
    };
    void applyCaption(const Caption& caption);
    void retranslateCaptions();

    SessionModel* session_;
    QLabel* title_;
    QHBoxLayout* header_;
    QWidget* body_;
    std::vector<Caption> captions_;
    QLineEdit* nameField_ = nullptr;
    QChar nameLetter_;
    NameFocus nameFocus_ = NameFocus::Never;
};

template <class Button>
Button* Page::captionButton(const char* source, const QString& objectName,
                            const QKeySequence& shortcut) {
    auto* button = new Button(this);
    button->setObjectName(objectName);
    addCaption(button, source, "", shortcut);
    return button;
}
