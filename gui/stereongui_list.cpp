// The object list rebuilt from the store, and the object pickers of the pages with it.
#include "gui/stereongui.h"

#include "geometry/description.h"
#include "geometry/point.h"
#include "view3d/glwidget.h"
#include "widgets/objectitem.h"
#include "widgets/objectlist.h"

#include <QComboBox>
#include <QHash>
#include <QSet>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Which kinds of object each of the 21 pickers offers, in the order of objectCombos.
enum Offer {
    PointName = 1,
    VectorName = 2,
    PointText = 4,
    VectorText = 8,
    LineText = 16,
    SurfaceText = 32
};
constexpr int operandOffer[] = {
    PointName, PointName, PointName, PointName, PointName, VectorName, PointName, PointName,
    PointName, VectorName, VectorName, PointName, VectorName, VectorName, PointName,
    // intersection: points, lines and planes
    PointText | LineText | SurfaceText, PointText | LineText | SurfaceText,
    // angle: vectors, lines and planes
    VectorText | LineText | SurfaceText, VectorText | LineText | SurfaceText,
    // distance: points, lines and planes
    PointText | LineText | SurfaceText, PointText | LineText | SurfaceText};

const char* const kindWords[] = {
    QT_TRANSLATE_NOOP("StereonGUI", "Point"), QT_TRANSLATE_NOOP("StereonGUI", "Vector"),
    QT_TRANSLATE_NOOP("StereonGUI", "Line"), QT_TRANSLATE_NOOP("StereonGUI", "Surface")};

QString kindWord(int kind) {
    return StereonGUI::tr(kindWords[kind]);
}

// What an entry shows besides its title.
struct EntryInfo {
    QList<ObjectItem::InfoLine> lines;
    QString generalEquation;
};

EntryInfo describeEntry(const ObjectStore& store, const std::vector<ObjectSummary>& description) {
    EntryInfo info;
    for (const ObjectSummary& record : description) {
        const QString name = QString::fromUtf8(record.name);
        if (record.row == Row::ParametricEquation) {
            info.lines.append({QStringLiteral("<b>") + StereonGUI::tr("Parametric equation") +
                                   QStringLiteral(":</b><br />") + name.toHtmlEscaped(),
                               QString(), false});
            continue;
        }
        if (record.row == Row::GeneralEquation) {
            info.generalEquation = name;
            continue;
        }
        switch (record.kind) {
        case Kind::Point:
            info.lines.append({kindWord(0) + QLatin1Char(' ') +
                                   StereonGUI::pointText(name, record.x, record.y, record.z),
                               name, record.visible});
            break;
        case Kind::Vector:
            info.lines.append(
                {(record.row == Row::Object ? kindWord(1) : StereonGUI::tr("Normal Vector")) +
                     QLatin1Char(' ') + StereonGUI::vectorText(name, record.x, record.y, record.z),
                 name, record.visible});
            break;
        case Kind::Line:
        case Kind::Plane: {
            QString text = kindWord(fileCode(record.kind)) + QLatin1Char(' ') + name;
            const QString equation = QString::fromStdString(parentEquation(store, record));
            if (!equation.isEmpty())
                text += QLatin1String(record.kind == Kind::Line ? " " : ": ") + equation;
            info.lines.append({text, name, record.visible});
            break;
        }
        default:
            break;
        }
    }
    return info;
}

// Plain lines as text, lines naming an object as its check box.
void addInfoLines(ObjectItem* entry, const QList<ObjectItem::InfoLine>& lines) {
    for (const ObjectItem::InfoLine& line : lines) {
        if (line.itemName.isEmpty())
            entry->addInfo(line.text);
        else
            entry->addParentItem(line.text, line.itemName, line.checked);
    }
}

} // namespace

QString StereonGUI::number(double value) {
    return QString::number(value, 'g', 6);
}

QString StereonGUI::pointText(const QString& name, double x, double y, double z) {
    return QStringLiteral("%1 [%2; %3; %4]").arg(name, number(x), number(y), number(z));
}

QString StereonGUI::vectorText(const QString& name, double x, double y, double z) {
    return QStringLiteral("%1 (%2; %3; %4)").arg(name, number(x), number(y), number(z));
}

QString StereonGUI::fillObjectInfo(ObjectItem* entry,
                                   const std::vector<ObjectSummary>& description) {
    const EntryInfo info = describeEntry(*objectStore, description);
    addInfoLines(entry, info.lines);
    return info.generalEquation;
}

void StereonGUI::rebuildList() {
    QWidget* content = objectList->widget();
    content->setUpdatesEnabled(false);

    // Entries whose object looks the same as before are kept; building entries is what
    // costs, and one command changes few of them.
    QHash<QString, ObjectItem*> previous;
    previous.reserve(items.size());
    for (int i = 0; i < items.size(); ++i)
        previous.insert(itemNames[i], items[i]);
    QList<ObjectItem*> entries;
    QStringList names;
    std::vector<QStringList> comboTexts(objectCombos.size());

    const bool anyVisible = objectStore->visibleCount() > 0;
    for (int kind = 0; anyVisible && kind < 4; ++kind) {
        for (const auto& [key, object] : objectStore->objects(storedKinds[kind])) {
            if (!object->visible)
                continue;
            const QString name = QString::fromUtf8(key);
            const EntryInfo info =
                describeEntry(*objectStore, describeObject(*objectStore, object.get()));
            QString title = kindWord(kind) + QLatin1Char(' ');
            if (kind < 2) {
                const vector4D& c = static_cast<const Point*>(object.get())->coordinates;
                title += kind == 0 ? pointText(name, c.x(), c.y(), c.z())
                                   : vectorText(name, c.x(), c.y(), c.z());
            } else {
                title += name;
                if (kind == 3)
                    title += QStringLiteral(": ") + info.generalEquation;
            }

            ObjectItem* entry = previous.take(name);
            if (entry && (entry->kind() != kind || entry->fullTitle() != title ||
                          entry->infoLines() != info.lines)) {
                discardEntry(entry);
                entry = nullptr;
            }
            if (!entry) {
                entry = new ObjectItem(name, title, kind);
                addInfoLines(entry, info.lines);
                if (kind >= 2 || entry->hasInfo())
                    connect(entry, &ObjectItem::itemVisibilityChanged, this,
                            &StereonGUI::changeItemVisibility);
            }
            // Every rebuild shows the entries folded in, but for the one to keep in view.
            entry->setInfoVisible(name == rememberedName);
            entries.append(entry);
            names.append(name);

            const int offers[] = {PointName | PointText, VectorName | VectorText, LineText,
                                  SurfaceText};
            const QString text = kindWord(kind) + QLatin1Char(' ') + name;
            for (size_t i = 0; i < comboTexts.size(); ++i) {
                const int offer = operandOffer[i] & offers[kind];
                if (offer & (PointName | VectorName))
                    comboTexts[i].append(name);
                else if (offer)
                    comboTexts[i].append(text);
            }
        }
    }
    for (ObjectItem* entry : std::as_const(previous))
        discardEntry(entry);
    placeEntries(entries);
    items = entries;
    itemNames = names;

    for (int i = 0; i < objectCombos.size(); ++i)
        refillCombo(i, comboTexts[size_t(i)]);
    saveButton->setEnabled(anyVisible);
    resetListButton->setEnabled(anyVisible);
    content->setUpdatesEnabled(true);

    // The pickers were refilled quietly; their pages' rules run once now.
    enableAddV();
    enableAddL();
    enableAddS();
    enableAddI();
    enableAddA();
    enableAddD();
}

void StereonGUI::clearEntries() {
    for (ObjectItem* entry : std::as_const(items))
        discardEntry(entry);
    placeEntries({});
    items.clear();
    itemNames.clear();
    for (int i = 0; i < objectCombos.size(); ++i)
        refillCombo(i, QStringList());
    saveButton->setEnabled(false);
    resetListButton->setEnabled(false);
}

void StereonGUI::discardEntry(ObjectItem* entry) {
    // The entry may hold the check box whose click led here: it goes once control is back
    // in the event loop. Until then it is hidden and out of the way.
    entry->hide();
    disconnect(entry, nullptr, this, nullptr);
    entry->deleteLater();
    discarded.insert(entry);
}

void StereonGUI::placeEntries(const QList<ObjectItem*>& entries) {
    // Kept entries are already in the layout in the same order; discarded ones leave it
    // and new ones go in between. Showing a widget lays its parent out at once, so the
    // layout waits until every entry is in.
    listLayout->setEnabled(false);
    int at = 0;
    for (ObjectItem* entry : entries) {
        while (at < listLayout->count() && listLayout->itemAt(at)->widget() != entry &&
               discarded.contains(listLayout->itemAt(at)->widget()))
            delete listLayout->takeAt(at);
        if (at >= listLayout->count() || listLayout->itemAt(at)->widget() != entry) {
            listLayout->insertWidget(at, entry);
            entry->show();
        }
        ++at;
    }
    while (at < listLayout->count())
        delete listLayout->takeAt(at);
    discarded.clear();
    listLayout->setEnabled(true);
    listLayout->activate();
}

void StereonGUI::refillCombo(int index, const QStringList& texts) {
    QComboBox* combo = objectCombos[index];
    QStringList& shown = comboShown[size_t(index)];
    const QSignalBlocker blocker(combo);
    if (combo->count() != shown.size()) {
        // Emptied elsewhere: start afresh.
        combo->clear();
        shown.clear();
    }
    if (shown != texts) {
        // Only the changed middle part is replaced.
        const qsizetype common = std::min(shown.size(), texts.size());
        qsizetype head = 0;
        while (head < common && shown[head] == texts[head])
            ++head;
        qsizetype tail = 0;
        while (tail < common - head &&
               shown[shown.size() - 1 - tail] == texts[texts.size() - 1 - tail])
            ++tail;
        const qsizetype removed = shown.size() - head - tail;
        if (removed > 0)
            combo->model()->removeRows(int(head), int(removed));
        combo->insertItems(int(head), texts.mid(head, texts.size() - head - tail));
        shown = texts;
    }
    // As after a refill from scratch: the first object is chosen.
    combo->setCurrentIndex(texts.isEmpty() ? -1 : 0);
}

void StereonGUI::changeItemVisibility(bool visible, const QString& name,
                                      const QString& parentItem) {
    rememberedName = parentItem;
    modified = true;
    objectStore->setVisible(name.toUtf8().toStdString(), visible);
    rebuildList();
    if (glWidget && !glWidget->parent())
        repaintDrawer();
}
