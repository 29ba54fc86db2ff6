#pragma once

#include <QList>
#include <QString>

// One message of a Qt Linguist source file (.ts).
struct TsMessage {
    QString context;
    QString source;
    QString translation;
    QString type;           // the translation's "type" attribute: empty when finished
    bool hasExtras = false; // a disambiguation comment or plural forms
};

// Reads every message of a .ts file; on a read or XML error returns false and sets *error.
bool readTsMessages(const QString& path, QList<TsMessage>* messages, QString* error);
