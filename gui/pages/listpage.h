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

    // Asks whether to save the session first; false when the user cancelled or the save
    // failed, so that nothing is lost.
    bool offerToSave(const QString& title);

    // Unfolds the object's entry and scrolls to it.
    void showObject(const QString& name);

public slots:
    // Asks for a file name; true when the session was saved.
    bool saveFile();
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

    ObjectListModel* objects_;
    ObjectList* objectList;
    QToolButton* undoButton;
    QToolButton* redoButton;
    QToolButton* loadButton;
    QToolButton* saveButton;
    QToolButton* resetListButton;
};
