// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/pages/page.h"

class ObjectList;
class ObjectListModel;
class QToolButton;

// List of Objects: every visible object as a card, and the session's file commands.
class ListPage : public Page {
    Q_OBJECT
public:
    ListPage(SessionModel* session, ObjectListModel* objects, QWidget* parent = nullptr);

    QWidget* focusTarget() override;

    // Asks whether to save unsaved objects first; false when the user cancelled or the save
    // failed, so that nothing is lost. True at once when there is nothing unsaved.
    bool offerToSave(const QString& title);
    // The session's keys work on every page, so the window holds them: a hidden page's do not.
    void addKeysTo(QWidget* window);

    // Unfolds the object's entry and scrolls to it.
    void showObject(const QString& name);

public slots:
    // Saves to the session's file, or asks for one when it has none; true when saved.
    bool saveFile();
    // Asks for a file name, proposing the session's file; true when the session was saved.
    bool saveFileAs();
    // Replaces the session by a file (asked for when the name is empty), after offering to
    // save unsaved objects.
    void loadFile(const QString& fileName);
    void loadFile();
    // Replaces the session by the file without asking; true when it was read.
    bool loadSession(const QString& fileName);
    void clearList();
    // Asks, naming what goes with it, then deletes the object.
    void deleteObject(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void followSession();
    bool saveTo(const QString& fileName);

    ObjectListModel* objects_;
    ObjectList* objectList;
    QToolButton* undoButton;
    QToolButton* redoButton;
    QToolButton* loadButton;
    QToolButton* saveButton;
    QToolButton* saveAsButton;
    QToolButton* resetListButton;
};
