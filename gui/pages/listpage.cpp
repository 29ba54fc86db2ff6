// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pages/listpage.h"

#include "gui/fileproblemtext.h"
#include "gui/objectlistmodel.h"
#include "gui/objecttexts.h"
#include "gui/sessionmodel.h"
#include "widgets/objectdelegate.h"
#include "widgets/objectlist.h"
#include "widgets/objectroles.h"

#include <QAction>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString sessionFilter() {
    return uiText(QT_TRANSLATE_NOOP("StereonGUI", "Stereon Save")) + QStringLiteral(" (*.zdr);;") +
           uiText(QT_TRANSLATE_NOOP("StereonGUI", "All Files")) + QStringLiteral(" (*)");
}

// The box says what failed; its second line names the file and the reason.
void warnAboutFile(QWidget* parent, const QString& title, const QString& text,
                   const QString& fileName, const FileStatus& status) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setInformativeText(fileProblemText(fileName, status));
    box.exec();
}

// Hidden objects count: they are part of the session and saved with it.
bool holdsObjects(const ObjectStore& store) {
    for (Kind kind : storedKinds) {
        if (store.count(kind) > 0)
            return true;
    }
    return false;
}

} // namespace

ListPage::ListPage(SessionModel* session, ObjectListModel* objects, QWidget* parent)
    : Page(session, QT_TRANSLATE_NOOP("StereonGUI", "List of Objects"), QString(), parent),
      objects_(objects) {
    setObjectName(QStringLiteral("listPage"));
    const auto headerButton = [this](const char* source, const QString& name,
                                     const QKeySequence& shortcut) {
        auto* button = captionButton<QToolButton>(source, name, shortcut);
        button->setProperty("isLabel", true);
        header()->addWidget(button);
        return button;
    };
    // Their keys work on every page: the window holds them (see StereonGUI).
    undoButton = headerButton(QT_TRANSLATE_NOOP("StereonGUI", "Undo"), QStringLiteral("undoButton"),
                              QKeySequence());
    redoButton = headerButton(QT_TRANSLATE_NOOP("StereonGUI", "Redo"), QStringLiteral("redoButton"),
                              QKeySequence());
    loadButton = headerButton(QT_TRANSLATE_NOOP("StereonGUI", "Load"), QStringLiteral("loadButton"),
                              QKeySequence(Qt::CTRL | Qt::Key_L));
    saveButton = headerButton(QT_TRANSLATE_NOOP("StereonGUI", "Save"), QStringLiteral("saveButton"),
                              QKeySequence::Save);
    resetListButton =
        headerButton(QT_TRANSLATE_NOOP("StereonGUI", "Reset"), QStringLiteral("resetListButton"),
                     QKeySequence(Qt::CTRL | Qt::Key_R));

    objectList = new ObjectList(body());
    objectList->setObjectName(QStringLiteral("objectList"));
    objectList->setModel(objects);
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(objectList);

    QUndoStack* history = session->undoStack();
    connect(undoButton, &QToolButton::clicked, history, &QUndoStack::undo);
    connect(redoButton, &QToolButton::clicked, history, &QUndoStack::redo);
    connect(history, &QUndoStack::canUndoChanged, undoButton, &QToolButton::setEnabled);
    connect(history, &QUndoStack::canRedoChanged, redoButton, &QToolButton::setEnabled);
    undoButton->setEnabled(history->canUndo());
    redoButton->setEnabled(history->canRedo());

    // Delete on the chosen entry, or from its context menu.
    auto* remove =
        new QShortcut(QKeySequence::Delete, objectList, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this,
            [this] { deleteObject(objectList->currentIndex().data(ObjectRole::Name).toString()); });
    objectList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(objectList, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const QString name = objectList->indexAt(at).data(ObjectRole::Name).toString();
        if (name.isEmpty())
            return;
        QMenu menu(this);
        connect(menu.addAction(uiText(QT_TRANSLATE_NOOP("StereonGUI", "Delete"))),
                &QAction::triggered, this, [this, name] { deleteObject(name); });
        menu.exec(objectList->viewport()->mapToGlobal(at));
    });

    connect(loadButton, &QToolButton::clicked, this, qOverload<>(&ListPage::loadFile));
    connect(saveButton, &QToolButton::clicked, this, &ListPage::saveFile);
    connect(resetListButton, &QToolButton::clicked, this, &ListPage::clearList);
    connect(objectList->delegate(), &ObjectDelegate::visibilityClicked, session,
            &SessionModel::setVisible);
    // A drop is taken once the drag has ended, not inside the drag's own event.
    connect(objectList, &ObjectList::droppedFile, this,
            qOverload<const QString&>(&ListPage::loadFile), Qt::QueuedConnection);
    connect(session, &SessionModel::changed, this, &ListPage::followSession);
    followSession();
}

QWidget* ListPage::focusTarget() {
    return objectList;
}

void ListPage::showEvent(QShowEvent* event) {
    Page::showEvent(event);
    const int height = titleLabel()->sizeHint().height();
    for (QToolButton* button : {undoButton, redoButton, loadButton, saveButton, resetListButton})
        button->setFixedHeight(height);
}

void ListPage::followSession() {
    // Nothing to save or clear until the list has entries.
    const bool anyVisible = session()->store().visibleCount() > 0;
    saveButton->setEnabled(anyVisible);
    resetListButton->setEnabled(anyVisible);
}

void ListPage::showObject(const QString& name) {
    objectList->reveal(objects_->indexOf(name));
}

void ListPage::deleteObject(const QString& name) {
    if (!session()->store().exists(SessionModel::storeName(name)))
        return;
    const QStringList dependents = session()->dependentsOf(name);
    QMessageBox box(QMessageBox::Question, uiText(QT_TRANSLATE_NOOP("StereonGUI", "Delete")),
                    uiText(QT_TRANSLATE_NOOP("StereonGUI", "Delete %1?")).arg(name),
                    QMessageBox::Yes | QMessageBox::No, this);
    // Markup in a name must not take effect.
    box.setTextFormat(Qt::PlainText);
    if (!dependents.isEmpty())
        box.setInformativeText(
            uiText(QT_TRANSLATE_NOOP("StereonGUI", "These objects go with it: %1"))
                .arg(dependents.join(QStringLiteral(", "))));
    box.button(QMessageBox::Yes)->setText(uiText(QT_TRANSLATE_NOOP("StereonGUI", "Delete")));
    box.button(QMessageBox::No)->setText(uiText(QT_TRANSLATE_NOOP("StereonGUI", "Cancel")));
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() == QMessageBox::Yes)
        session()->remove(name);
}

bool ListPage::saveFile() {
    const QString fileName = QFileDialog::getSaveFileName(
        window(), uiText(QT_TRANSLATE_NOOP("StereonGUI", "Save Stereon Session")), QString(),
        sessionFilter());
    if (fileName.isEmpty())
        return false;
    if (const FileStatus status = session()->save(fileName); !status) {
        warnAboutFile(window(), uiText(QT_TRANSLATE_NOOP("StereonGUI", "Save Error")),
                      uiText(QT_TRANSLATE_NOOP("StereonGUI", "Failed to save the file")), fileName,
                      status);
        return false;
    }
    return true;
}

void ListPage::loadFile(const QString& fileName) {
    if (holdsObjects(session()->store()) &&
        !offerToSave(uiText(QT_TRANSLATE_NOOP("StereonGUI", "Load a Session"))))
        return;
    loadSession(fileName);
}

bool ListPage::offerToSave(const QString& title) {
    QMessageBox box(window());
    box.setWindowTitle(title);
    box.setText(uiText(QT_TRANSLATE_NOOP("StereonGUI", "Any unsaved changes will be lost.")));
    box.setInformativeText(
        uiText(QT_TRANSLATE_NOOP("StereonGUI", "Do you want to save your changes?")));
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.button(QMessageBox::Save)->setText(uiText(QT_TRANSLATE_NOOP("StereonGUI", "Save")));
    box.button(QMessageBox::Discard)
        ->setText(uiText(QT_TRANSLATE_NOOP("StereonGUI", "Don't Save")));
    box.button(QMessageBox::Cancel)->setText(uiText(QT_TRANSLATE_NOOP("StereonGUI", "Cancel")));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return saveFile();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void ListPage::loadFile() {
    loadFile(QString());
}

bool ListPage::loadSession(const QString& fileName) {
    QString path = fileName;
    if (path.isEmpty())
        path = QFileDialog::getOpenFileName(
            window(), uiText(QT_TRANSLATE_NOOP("StereonGUI", "Load Stereon Session")), QString(),
            sessionFilter());
    if (path.isEmpty())
        return false;
    if (const FileStatus status = session()->load(path); !status) {
        warnAboutFile(window(), uiText(QT_TRANSLATE_NOOP("StereonGUI", "Load Error")),
                      uiText(QT_TRANSLATE_NOOP("StereonGUI", "Failed to load the file")), path,
                      status);
        return false;
    }
    return true;
}

void ListPage::clearList() {
    session()->clear();
}
