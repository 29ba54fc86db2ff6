// Session commands: saving, loading and clearing the session, and closing the window.
#include "gui/stereongui.h"

#include "gui/fileproblemtext.h"
#include "session/sessionlock.h"
#include "session/sessionreader.h"
#include "session/sessionwriter.h"
#include "view3d/glwidget.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

namespace {

std::string localPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

QString sessionFilter() {
    return StereonGUI::tr("Stereon Save") + QStringLiteral(" (*.zdr);;") +
           StereonGUI::tr("All Files") + QStringLiteral(" (*)");
}

// Hidden objects count: they are part of the session and saved with it.
bool holdsObjects(const ObjectStore& store) {
    for (Kind kind : storedKinds) {
        if (store.count(kind) > 0)
            return true;
    }
    return false;
}

QMessageBox::StandardButton askToSave(const QString& title) {
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(StereonGUI::tr("Any unsaved changes will be lost."));
    box.setInformativeText(StereonGUI::tr("Do you want to save your changes?"));
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.button(QMessageBox::Save)->setText(StereonGUI::tr("Save"));
    box.button(QMessageBox::Discard)->setText(StereonGUI::tr("Don't Save"));
    box.button(QMessageBox::Cancel)->setText(StereonGUI::tr("Cancel"));
    box.setDefaultButton(QMessageBox::Save);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// The box says what failed; its second line names the file and the reason.
void warnAboutFile(QWidget* parent, const QString& title, const QString& text,
                   const QString& fileName, const FileStatus& status) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setInformativeText(fileProblemText(fileName, status));
    box.exec();
}

} // namespace

bool StereonGUI::saveFile() {
    const QString fileName =
        QFileDialog::getSaveFileName(this, tr("Save Stereon Session"), QString(), sessionFilter());
    if (fileName.isEmpty())
        return false;
    // stereon-cli may be adding to the same file: neither may lose the other's objects.
    SessionLock lock;
    FileStatus status = lock.acquire(localPath(fileName));
    if (status)
        status = writeSession(*objectStore, localPath(fileName));
    lock.release();
    if (!status) {
        warnAboutFile(this, tr("Save Error"), tr("Failed to save the file"), fileName, status);
        return false;
    }
    settings.lastSession = fileName;
    modified = false;
    return true;
}

void StereonGUI::loadFile(const QString& fileName) {
    if (holdsObjects(*objectStore)) {
        switch (askToSave(tr("Load a Session"))) {
        case QMessageBox::Save:
            if (!saveFile())
                return;
            break;
        case QMessageBox::Discard:
            break;
        default:
            return;
        }
    }
    loadSession(fileName);
}

void StereonGUI::loadFile() {
    loadFile(QString());
}

bool StereonGUI::loadSession(const QString& fileName) {
    QString path = fileName;
    if (path.isEmpty())
        path = QFileDialog::getOpenFileName(this, tr("Load Stereon Session"), QString(),
                                            sessionFilter());
    if (path.isEmpty())
        return false;
    // The current session goes only when the new one has been read in full.
    auto loaded = std::make_unique<ObjectStore>();
    if (const FileStatus status = readSession(*loaded, localPath(path)); !status) {
        warnAboutFile(this, tr("Load Error"), tr("Failed to load the file"), path, status);
        return false;
    }
    clearList(true);
    objectStore = std::move(loaded);
    // The view draws from the store it was given: point it at the new one at once.
    repaintDrawer();
    settings.lastSession = path;
    modified = false;
    rebuildList();
    return true;
}

void StereonGUI::clearList(bool eraseMainList) {
    clearEntries();
    if (!eraseMainList)
        return;
    settings.lastSession.clear();
    objectStore->clear();
    if (glWidget)
        glWidget->update();
    rememberedName.clear();
    resetIntersect();
    angleResult->hide();
    distanceResult->hide();
}

void StereonGUI::clearList() {
    clearList(true);
}

void StereonGUI::closeEvent(QCloseEvent* event) {
    if (modified && holdsObjects(*objectStore)) {
        switch (askToSave(tr("Exit"))) {
        case QMessageBox::Save:
            if (saveFile())
                break;
            event->ignore();
            return;
        case QMessageBox::Discard:
            break;
        default:
            event->ignore();
            return;
        }
    }
    // A detached view is a window of its own and would outlive the main window.
    if (glWidget && !isEmbedded3D())
        glWidget->close();
    QWidget::closeEvent(event);
}
