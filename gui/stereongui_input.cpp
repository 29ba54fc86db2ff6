// Naming and input enabling on the input pages.
#include "gui/stereongui.h"

#include "widgets/checkgroup.h"
#include "widgets/gridpicker.h"
#include "widgets/objectitem.h"
#include "widgets/objectlist.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

#include <cmath>
#include <cstdlib>

namespace {

// Names end up in session files, whose fields are separated by "$$" and whose records
// are lines: such a name could not be read back as it was.
bool storableName(const QString& name) {
    for (const QChar c : name) {
        if (c == QLatin1Char('$') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

// A field the commands can read: a finite number in the C locale.
bool validNumber(const QLineEdit* edit) {
    bool ok = false;
    const double value = edit->text().toDouble(&ok);
    return ok && std::isfinite(value);
}

bool selected(const QComboBox* combo) {
    return combo->currentIndex() != -1;
}

bool sameText(const QComboBox* a, const QComboBox* b) {
    return a->currentText() == b->currentText();
}

// An alert shows names as typed; markup in a name must not take effect.
QString plainAlert(const QString& text) {
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<span>%1</span>")
        .arg(text.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br />")));
}

} // namespace

QString StereonGUI::freshName(QChar letter) const {
    const auto taken = [this, letter](int n) {
        return objectStore->exists(
            QStringLiteral("%1%2").arg(letter).arg(n).toUtf8().toStdString());
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

void StereonGUI::setRandName(QChar c) {
    // The point page focuses its name when it fills it, the vector page always; the line
    // and surface pages leave the focus where it is.
    struct NamedPage {
        QWidget* page;
        QLineEdit* name;
        QChar letter;
        void (StereonGUI::*rule)();
        bool focusWhenFilled;
        bool focusAlways;
    };
    const NamedPage namedPages[] = {
        {pointPage, pointName, QLatin1Char('P'), &StereonGUI::enableAddP, true, false},
        {vectorPage, vectorName, QLatin1Char('V'), &StereonGUI::enableAddV, true, true},
        {linePage, lineName, QLatin1Char('L'), &StereonGUI::enableAddL, false, false},
        {surfacePage, surfaceName, QLatin1Char('S'), &StereonGUI::enableAddS, false, false},
    };
    for (const NamedPage& p : namedPages) {
        if (!p.page->isVisible())
            continue;
        // A name the user typed is kept.
        const bool fill = p.name->text().isEmpty();
        if (fill) {
            p.name->setText(freshName(p.letter));
            (this->*p.rule)();
        }
        if (p.focusAlways || (fill && p.focusWhenFilled))
            p.name->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The intersection result's edit is shown while a result is on show.
    if (!c.isNull() && !intersectName->isHidden() && intersectName->text().isEmpty()) {
        intersectName->setText(freshName(c));
        intersectName->setFocus(Qt::OtherFocusReason);
        enableAddI();
    }
}

void StereonGUI::setRandName() {
    setRandName(QChar(0));
}

void StereonGUI::nameExists(const QString&) {
    // The page's rule looks the name up (and keeps its nameTaken flag) itself.
    const std::pair<QWidget*, void (StereonGUI::*)()> rules[] = {
        {pointPage, &StereonGUI::enableAddP},     {vectorPage, &StereonGUI::enableAddV},
        {linePage, &StereonGUI::enableAddL},      {surfacePage, &StereonGUI::enableAddS},
        {intersectPage, &StereonGUI::enableAddI},
    };
    for (const auto& [page, rule] : rules) {
        if (page->isVisible()) {
            (this->*rule)();
            return;
        }
    }
}

QString StereonGUI::nameProblem(int page, const QLineEdit* edit) {
    const QString name = edit->text();
    if (name.isEmpty())
        return tr("Enter the object name.");
    if (!storableName(name))
        return tr("Wrong object name. A name must not contain \"$\" or control characters.");
    // Looked up again here: the store may have changed since the name was typed.
    nameTaken[size_t(page)] = objectStore->exists(name.toUtf8().toStdString());
    if (!nameTaken[size_t(page)])
        return QString();
    return plainAlert(page == 0 ? tr("Wrong object name.\nObject \"%1\" already exists.").arg(name)
                                : tr("Wrong object name. Object \"%1\" already exists.").arg(name));
}

bool StereonGUI::showAlert(QLabel* alert, const QString& problem) {
    if (!problem.isEmpty())
        alert->setText(problem);
    alert->setVisible(!problem.isEmpty());
    return problem.isEmpty();
}

void StereonGUI::enableAddP() {
    const bool numbers = validNumber(pointX) && validNumber(pointY) && validNumber(pointZ);
    const bool clear = showAlert(pointAlert, nameProblem(0, pointName));
    addPointButton->setEnabled(numbers && clear);
}

void StereonGUI::enableAddV() {
    const bool byPoints = vectorOptions[1]->isChecked();
    QString problem = nameProblem(1, vectorName);
    if (problem.isEmpty() && byPoints && sameText(vectorPoint1, vectorPoint2))
        problem = tr("Choose 2 different points.");
    const bool clear = showAlert(vectorAlert, problem);
    const bool input = byPoints
                           ? selected(vectorPoint1) && selected(vectorPoint2)
                           : validNumber(vectorX) && validNumber(vectorY) && validNumber(vectorZ);
    addVectorButton->setEnabled(clear && input);
}

void StereonGUI::enableAddL() {
    const bool byPoints = lineOptions[0]->isChecked();
    QString problem = nameProblem(2, lineName);
    if (problem.isEmpty() && byPoints && sameText(linePoint1, linePoint2))
        problem = tr("Choose 2 different points.");
    const bool clear = showAlert(lineAlert, problem);
    const bool input = byPoints ? selected(linePoint1) && selected(linePoint2)
                                : selected(linePoint) && selected(lineVector);
    addLineButton->setEnabled(clear && input);
}

void StereonGUI::enableAddS() {
    QString problem = nameProblem(3, surfaceName);
    if (problem.isEmpty() && surfaceOptions[0]->isChecked() &&
        (sameText(surfacePoint1, surfacePoint2) || sameText(surfacePoint1, surfacePoint3) ||
         sameText(surfacePoint2, surfacePoint3)))
        problem = tr("Choose 3 different points.");
    else if (problem.isEmpty() && surfaceOptions[1]->isChecked() &&
             sameText(surfaceVector1, surfaceVector2))
        problem = tr("Choose 2 different vectors.");
    const bool clear = showAlert(surfaceAlert, problem);
    bool input = false;
    if (surfaceOptions[0]->isChecked())
        input = selected(surfacePoint1) && selected(surfacePoint2) && selected(surfacePoint3);
    else if (surfaceOptions[1]->isChecked())
        input =
            selected(surfaceVector1) && selected(surfaceVector2) && selected(surfaceVectorsPoint);
    else if (surfaceOptions[2]->isChecked())
        input = selected(surfaceNormal) && validNumber(surfaceD);
    else if (surfaceOptions[3]->isChecked())
        input = selected(surfaceNormalOfPoint) && selected(surfaceNormalPoint);
    addSurfaceButton->setEnabled(clear && input);
}

void StereonGUI::enableAddI() {
    const bool different = !sameText(intersectObject1, intersectObject2);
    showAlert(intersectAlert, different ? QString() : tr("Choose 2 different objects."));
    computeIntersectButton->setEnabled(different);
    if (intersectName->isHidden())
        return;
    addIntersectButton->setEnabled(showAlert(intersectAlert, nameProblem(4, intersectName)));
}

void StereonGUI::enableAddA() {
    const bool different = !sameText(angleObject1, angleObject2);
    showAlert(angleAlert, different ? QString() : tr("Choose 2 different objects."));
    computeAngleButton->setEnabled(different);
}

void StereonGUI::enableAddD() {
    const bool different = !sameText(distanceObject1, distanceObject2);
    showAlert(distanceAlert, different ? QString() : tr("Choose 2 different objects."));
    computeDistanceButton->setEnabled(different);
}

void StereonGUI::disableGroups(bool checked, int index) {
    CheckGroup* const* groups = nullptr;
    int count = 0;
    void (StereonGUI::*enableRule)() = nullptr;
    if (vectorPage->isVisible()) {
        groups = vectorOptions.data();
        count = int(vectorOptions.size());
        enableRule = &StereonGUI::enableAddV;
    } else if (linePage->isVisible()) {
        groups = lineOptions.data();
        count = int(lineOptions.size());
        enableRule = &StereonGUI::enableAddL;
    } else if (surfacePage->isVisible()) {
        groups = surfaceOptions.data();
        count = int(surfaceOptions.size());
        enableRule = &StereonGUI::enableAddS;
    } else {
        return;
    }
    // The groups of a page behave as radio buttons: exactly one stays checked.
    if (checked) {
        for (int i = 0; i < count; ++i) {
            if (i != index)
                groups[i]->setChecked(false);
        }
    } else {
        groups[(index + 1) % count]->setChecked(true);
    }
    (this->*enableRule)();
}

void StereonGUI::setIntersectTitle(const QString& name) {
    if (intersectName->isHidden())
        return;
    const ObjectSummary& r = intersectResult;
    QString title;
    if (r.kind == Kind::Point)
        title = tr("Point") + QLatin1Char(' ') + pointText(name, r.x, r.y, r.z);
    else if (r.kind == Kind::Line)
        title = tr("Line") + QLatin1Char(' ') + name;
    else if (r.kind == Kind::Plane)
        title = tr("Surface") + QLatin1Char(' ') + name;
    intersectItem->setTitle(title);
}

void StereonGUI::resetIntersect() {
    for (QWidget* widget :
         {static_cast<QWidget*>(intersectObject1Label), static_cast<QWidget*>(intersectObject1),
          static_cast<QWidget*>(intersectObject2Label), static_cast<QWidget*>(intersectObject2),
          static_cast<QWidget*>(computeIntersectButton)})
        widget->show();
    for (QWidget* widget :
         {static_cast<QWidget*>(intersectNameLabel), static_cast<QWidget*>(intersectName),
          static_cast<QWidget*>(intersectItem), static_cast<QWidget*>(addIntersectButton),
          static_cast<QWidget*>(resetIntersectButton)})
        widget->hide();
    intersectName->clear();
}

QString StereonGUI::objectLink(const QString& name, const QString& text) {
    // The rich-text parser takes a link target as written, entities and all: percent-encoded,
    // any name survives, quotes included.
    return QStringLiteral("<a href=\"%1\">%2</a>")
        .arg(QString::fromLatin1(QUrl::toPercentEncoding(name)), text.toHtmlEscaped());
}

void StereonGUI::showLinkedObject(const QString& link) {
    showObject(QUrl::fromPercentEncoding(link.toLatin1()));
}

void StereonGUI::showObject(const QString& name) {
    displayListMenu();
    const int index = itemNames.indexOf(name);
    if (index < 0)
        return;
    ObjectItem* entry = items[index];
    entry->setInfoVisible(true);
    // The list lays the unfolded entry out before it can be scrolled to.
    QCoreApplication::processEvents();
    objectList->ensureWidgetVisible(entry, 0, entry->height());
    rememberedName = name;
}

void StereonGUI::clickPointSet(bool set) {
    gridPicker->clickPointSet(set);
}

void StereonGUI::clickPointQ(qreal Q, bool r) {
    gridPicker->clickPointQ(Q, r);
}
