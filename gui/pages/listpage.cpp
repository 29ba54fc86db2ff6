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
    const auto headerButton = [this](const char* source, const QString& name) {
        auto* button = captionButton<QToolButton>(source, name);
        button->setProperty("isLabel", true);
        header()->addWidget(button);
        return button;
    };
    // Their keys work on every page: the window holds them (see addKeysTo and StereonGUI).
    undoButton =
        headerButton(QT_TRANSLATE_NOOP("StereonGUI", "Undo"), QStringLiteral("undoButton"));
    redoButton =
        headerButton(QT_TRANSLATE_NOOP("StereonGUI", "Redo"), QStringLiteral("redoButton"));
    loadButton =
        headerButton(QT_TRANSLATE_NOOP("StereonGUI", "Load"), QStringLiteral("loadButton"));
    saveButton =
        headerButton(QT_TRANSLATE_NOOP("StereonGUI", "Save"), QStringLiteral("saveButton"));
    saveAsButton =
        headerButton(QT_TRANSLATE_NOOP("StereonGUI", "Save As"), QStringLiteral("saveAsButton"));
    resetListButton =
        headerButton(QT_TRANSLATE_NOOP("StereonGUI", "Reset"), QStringLiteral("resetListButton"));

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
    connect(saveAsButton, &QToolButton::clicked, this, &ListPage::saveFileAs);
    connect(resetListButton, &QToolButton::clicked, this, &ListPage::clearList);
    connect(objectList->delegate(), &ObjectDelegate::visibilityClicked, session,
            &SessionModel::setVisible);
    // A drop is taken once the drag has ended, not inside the drag's own event.
    connect(objectList, &ObjectList::droppedFile, this,
            qOverload<const QString&>(&ListPage::loadFile), Qt::QueuedConnection);
    connect(session, &SessionModel::changed, this, &ListPage::followSession);
    followSession();
}

void ListPage::addKeysTo(QWidget* window) {
    // A click does nothing while its button is disabled, so the keys follow the buttons.
    const auto key = [window](const QKeySequence& keys, QToolButton* button) {
        connect(new QShortcut(keys, window), &QShortcut::activated, button, &QToolButton::click);
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_L), loadButton);
    key(QKeySequence(Qt::CTRL | Qt::Key_S), saveButton);
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), saveAsButton);
    key(QKeySequence(Qt::CTRL | Qt::Key_R), resetListButton);
}

QWidget* ListPage::focusTarget() {
    return objectList;
}

void ListPage::showEvent(QShowEvent* event) {
    Page::showEvent(event);
    const int height = titleLabel()->sizeHint().height();
    for (QToolButton* button :
         {undoButton, redoButton, loadButton, saveButton, saveAsButton, resetListButton})
        button->setFixedHeight(height);
}

void ListPage::followSession() {
    // Nothing to save or clear until the list has entries.
    const bool anyVisible = session()->store().visibleCount() > 0;
    saveButton->setEnabled(anyVisible);
    saveAsButton->setEnabled(anyVisible);
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
    const QString fileName = session()->fileName();
    return fileName.isEmpty() ? saveFileAs() : saveTo(fileName);
}

bool ListPage::saveFileAs() {
    // The dialog opens on the session's file; a name typed without an extension gets ".zdr",
    // which the Load dialog's filter shows.
    QFileDialog dialog(window(), uiText(QT_TRANSLATE_NOOP("StereonGUI", "Save Stereon Session")),
                       session()->fileName(), sessionFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("zdr"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return saveTo(dialog.selectedFiles().constFirst());
}

bool ListPage::saveTo(const QString& fileName) {
    if (const FileStatus status = session()->save(fileName); !status) {
        warnAboutFile(window(), uiText(QT_TRANSLATE_NOOP("StereonGUI", "Save Error")),
                      uiText(QT_TRANSLATE_NOOP("StereonGUI", "Failed to save the file")), fileName,
                      status);
        return false;
    }
    return true;
}

void ListPage::loadFile(const QString& fileName) {
    if (!offerToSave(uiText(QT_TRANSLATE_NOOP("StereonGUI", "Load a Session"))))
        return;
    loadSession(fileName);
}

bool ListPage::offerToSave(const QString& title) {
    // An emptied session has nothing to lose, though its history is away from the file.
    if (!session()->isModified() || !holdsObjects(session()->store()))
        return true;
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
