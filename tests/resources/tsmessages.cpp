#include "tsmessages.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {

TsMessage readMessage(QXmlStreamReader& xml, const QString& context) {
    TsMessage message;
    message.context = context;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.hasExtras =
                message.hasExtras || xml.attributes().hasAttribute(QLatin1String("numerus"));
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else {
            message.hasExtras = message.hasExtras || xml.name() == u"comment";
            xml.skipCurrentElement();
        }
    }
    return message;
}

} // namespace

bool readTsMessages(const QString& path, QList<TsMessage>* messages, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    QXmlStreamReader xml(&file);
    if (xml.readNextStartElement() && xml.name() == u"TS") {
        while (xml.readNextStartElement()) {
            if (xml.name() != u"context") {
                xml.skipCurrentElement();
                continue;
            }
            QString context;
            while (xml.readNextStartElement()) {
                if (xml.name() == u"name")
                    context = xml.readElementText();
                else if (xml.name() == u"message")
                    messages->append(readMessage(xml, context));
                else
                    xml.skipCurrentElement();
            }
        }
    } else if (!xml.hasError()) {
        xml.raiseError(QStringLiteral("not a TS file"));
    }
    if (xml.hasError()) {
        *error = QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    return true;
}
