// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pages/page.h"

#include "gui/objecttexts.h"
#include "gui/sessionmodel.h"
#include "widgets/checkgroup.h"
#include "widgets/doublevalidator.h"
#include "widgets/pagescrollarea.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QUrl>
#include <QVBoxLayout>

#include <cstdlib>

namespace {

// Names end up in session files, whose fields are separated by "$$" and whose records are
// lines: such a name could not be read back as it was.
bool storableName(const QString& name) {
    for (const QChar c : name) {
        if (c == QLatin1Char('$') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

// An alert shows names as typed; markup in a name must not take effect.
QString plainAlert(const QString& text) {
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<span>%1</span>")
        .arg(text.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br />")));
}

// The rich-text parser takes a link target as written: percent-encoded, any name survives.
QString objectLink(const QString& name, const QString& text) {
    return QStringLiteral("<a href=\"%1\">%2</a>")
        .arg(QString::fromLatin1(QUrl::toPercentEncoding(name)), text.toHtmlEscaped());
}

} // namespace

Page::Page(SessionModel* session, const char* title, const QString& titleStyle, QWidget* parent)
    : QWidget(parent), session_(session), title_(new QLabel(this)), header_(new QHBoxLayout),
      body_(new QWidget(this)) {
    title_->setProperty("menuLabel", true);
    title_->setStyleSheet(titleStyle);
    addCaption(title_, title);
    header_->setSpacing(0);
    header_->addWidget(title_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(header_);
    layout->addWidget(new PageScrollArea(body_, this), 1);
    // A change of the session can take a typed name or free a choice: the rule looks again.
    connect(session, &SessionModel::changed, this, [this] { enableAdd(); });
}

void Page::addCaption(QWidget* widget, const char* source, const char* suffix,
                      const QKeySequence& shortcut) {
    captions_.push_back({widget, source, suffix, shortcut});
    applyCaption(captions_.back());
}

QLabel* Page::captionLabel(const char* source, const char* suffix) {
    auto* label = new QLabel(this);
    addCaption(label, source, suffix);
    return label;
}

QLabel* Page::alertLabel(const QString& objectName) {
    auto* alert = new QLabel(this);
    alert->setObjectName(objectName);
    alert->setProperty("alert", true);
    alert->setWordWrap(true);
    // The line's width comes from the page, never from a message.
    alert->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    alertLine_ = alert;
    connect(alert, &QLabel::linkActivated, this, [this](const QString& link) {
        emit showObjectRequested(QUrl::fromPercentEncoding(link.toLatin1()));
    });
    return alert;
}

QLineEdit* Page::numberEdit(const QString& objectName) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    auto* validator = new DoubleValidator(-999999999.999, 999999999.999, 3, edit);
    validator->setNotation(QDoubleValidator::StandardNotation);
    // The fields are read back with the C locale, so they are typed in it too.
    validator->setLocale(QLocale::c());
    edit->setValidator(validator);
    // A refused keystroke says what the field takes, or the user would not see it was lost.
    connect(edit, &QLineEdit::inputRejected, this, [this] {
        if (alertLine_)
            showAlert(alertLine_,
                      uiText(QT_TRANSLATE_NOOP(
                          "StereonGUI", "Digits, one decimal point or comma, at most 3 decimals.")));
    });
    return edit;
}

QComboBox* Page::objectCombo(QAbstractItemModel* model, const QString& objectName) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(objectName);
    // Measuring thousands of entries for the width would cost more than the list itself.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(16);
    combo->setModel(model);
    // The closed picker elides its entry too.
    connect(combo, &QComboBox::currentTextChanged, combo, &QComboBox::setToolTip);
    return combo;
}

CheckGroup* Page::optionGroup(int index, const char* number, QFormLayout*& form,
                              const QString& objectName) {
    auto* group = new CheckGroup(index, this);
    group->setObjectName(objectName);
    addCaption(group, QT_TRANSLATE_NOOP("StereonGUI", "Option"), number);
    group->setChecked(index == 0);
    options_.append(group);
    connect(group, qOverload<bool, int>(&CheckGroup::clicked), this, &Page::disableGroups);
    form = new QFormLayout(group);
    form->setContentsMargins(5, 5, 5, 5);
    return group;
}

QString Page::typedName(const QLineEdit* edit) {
    return edit->text().trimmed();
}

QString Page::nameProblem(const QLineEdit* edit, bool breakLine) const {
    const QString name = typedName(edit);
    if (name.isEmpty())
        return uiText(QT_TRANSLATE_NOOP("StereonGUI", "Enter the object name."));
    if (!storableName(name))
        return uiText(QT_TRANSLATE_NOOP(
            "StereonGUI",
            "Wrong object name. A name must not contain \"$\" or control characters."));
    if (!session_->store().exists(SessionModel::storeName(name)))
        return QString();
    // The field beside shows the whole name.
    const QString shown = shownName(name, 6);
    return plainAlert(
        breakLine ? uiText(QT_TRANSLATE_NOOP("StereonGUI",
                                             "Wrong object name.\nObject \"%1\" already exists."))
                        .arg(shown)
                  : uiText(QT_TRANSLATE_NOOP("StereonGUI",
                                             "Wrong object name. Object \"%1\" already exists."))
                        .arg(shown));
}

QString Page::shownName(const QString& name, int characters) const {
    // The messages must fit the two lines of the narrowest alert line.
    const QFontMetrics metrics = alertLine_ ? alertLine_->fontMetrics() : fontMetrics();
    return metrics.elidedText(name, Qt::ElideRight, characters * metrics.averageCharWidth());
}

QString Page::freshName(QChar letter) const {
    const auto taken = [this, letter](int n) {
        return session_->store().exists(
            SessionModel::storeName(QStringLiteral("%1%2").arg(letter).arg(n)));
    };
    // As many draws as there are candidates; a crowded range then falls back to longer
    // numbers counted from 1000, so the search always ends.
    for (int draw = 0; draw < 1000; ++draw) {
        const int n = std::rand() % 1000;
        if (!taken(n))
            return QStringLiteral("%1%2").arg(letter).arg(n);
    }
    int n = 1000;
    while (taken(n))
        ++n;
    return QStringLiteral("%1%2").arg(letter).arg(n);
}

bool Page::showAlert(QLabel* alert, const QString& problem) {
    alert->setText(problem);
    return problem.isEmpty();
}

void Page::tellAdded(QLabel* alert, const char* sentence, const QString& name) {
    alert->setText(objectLink(name, uiText(sentence).arg(shownName(name, 16))));
    alert->setToolTip(shownName(name, 16) == name ? QString() : name);
}

void Page::tellFailed(QLabel* alert, const char* message, const char* reason) {
    QString text = uiText(message);
    if (reason)
        text += QLatin1Char('\n') + uiText(reason);
    alert->setText(text);
}

void Page::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslateCaptions();
        retranslate();
    }
    QWidget::changeEvent(event);
}

void Page::applyCaption(const Caption& caption) {
    const QString text = uiText(caption.source) + QLatin1String(caption.suffix);
    if (auto* label = qobject_cast<QLabel*>(caption.widget)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(caption.widget)) {
        // setText() replaces the shortcut with the text's mnemonic, so it comes after.
        button->setText(text);
        button->setShortcut(caption.shortcut);
    } else if (auto* group = qobject_cast<QGroupBox*>(caption.widget)) {
        group->setTitle(text);
    }
}

void Page::retranslateCaptions() {
    for (const Caption& caption : captions_)
        applyCaption(caption);
}

void Page::inputChanged() {
    commandHeld_ = false;
    enableAdd();
}

void Page::holdCommand() {
    commandHeld_ = true;
    enableAdd();
}

void Page::disableGroups(bool checked, int index) {
    // The groups of a page behave as radio buttons: exactly one stays checked.
    if (checked) {
        for (int i = 0; i < options_.size(); ++i) {
            if (i != index)
                options_[i]->setChecked(false);
        }
    } else {
        options_[(index + 1) % options_.size()]->setChecked(true);
    }
    inputChanged();
}

void Page::setNameField(QLineEdit* edit, QChar letter, NameFocus focus) {
    nameField_ = edit;
    nameLetter_ = letter;
    nameFocus_ = focus;
}

void Page::proposeName() {
    // A name the user typed is kept.
    const bool fill = nameField_->text().isEmpty();
    if (fill) {
        nameField_->setText(freshName(nameLetter_));
        enableAdd();
    }
    if (nameFocus_ == NameFocus::Always || (fill && nameFocus_ == NameFocus::WhenFilled)) {
        nameField_->setFocus(Qt::OtherFocusReason);
        // A proposed name is chosen, so that a name the user types replaces it.
        if (fill)
            nameField_->selectAll();
    }
}

void Page::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The room of a two-line message in the alert's own font, known once the window's style
    // sheet reached it.
    if (alertLine_) {
        QLabel twoLines(QStringLiteral("X\nX"));
        twoLines.setFont(alertLine_->font());
        twoLines.setWordWrap(true);
        alertLine_->setMinimumHeight(twoLines.sizeHint().height());
    }
    if (nameField_)
        proposeName();
}
