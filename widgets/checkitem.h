// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>

// A check box that shows or hides the object it names.
class CheckItem : public QCheckBox {
    Q_OBJECT
public:
    CheckItem(const QString& text, const QString& itemName, QWidget* parent = nullptr);

    QString itemName() const { return itemName_; }

signals:
    void visibilityChanged(bool checked, const QString& itemName);

public slots:
    void changeVisibility(bool checked);

private:
    QString itemName_;
};
