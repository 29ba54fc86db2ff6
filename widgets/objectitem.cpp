#include "widgets/objectitem.h"

ObjectItem::ObjectItem(QWidget* parent) : QWidget(parent) {}

void ObjectItem::setItem(const QString&, int) {}

void ObjectItem::setTitle(const QString&) {}
