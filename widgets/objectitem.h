// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/infoline.h"

#include <QList>
#include <QString>
#include <QWidget>

class QGridLayout;
class QLabel;
class QToolButton;
class QVBoxLayout;

// One entry of the object list: a coloured title line and a fold-out area with the
// object's equations and a check box for each object it was built from.
class ObjectItem : public QWidget {
    Q_OBJECT
public:
    using InfoLine = ::InfoLine;

    // kind: 0 point, 1 vector, 2 line, 3 plane, 4 intersection preview; anything else
    // stands for "no result".
    ObjectItem(const QString& name, const QString& title, int kind, QWidget* parent = nullptr);

    void setItem(const QString& name, int kind);
    void setTitle(const QString& text);
    void addInfo(const QString& text);
    void addParentItem(const QString& text, const QString& itemName, bool checked);
    bool hasInfo() const { return hasInfoArea; }
    void setInfoVisible(bool visible);
    bool isInfoVisible() const;

    QString name() const { return name_; }
    int kind() const { return kind_; }
    QString fullTitle() const { return fullTitle_; }
    const QList<InfoLine>& infoLines() const { return lines; }
    QLabel* titleLabel() const { return titleLabel_; }
    QToolButton* infoButton() const { return infoButton_; }

signals:
    void itemVisibilityChanged(bool visible, const QString& itemName, const QString& parentName);

public slots:
    void changeInfoVisibility();
    void changeItemVisibility(bool visible, const QString& itemName);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void appendLine(const InfoLine& line);
    void createInfoArea();
    // The area's labels and check boxes are made when it is first unfolded: most entries
    // of a long list are never opened.
    void fillInfoArea();
    void addLineWidget(const InfoLine& line);
    void showElidedTitle();

    QGridLayout* grid;
    QWidget* infoArea = nullptr;
    QVBoxLayout* infoLayout = nullptr;
    QToolButton* infoButton_ = nullptr;
    QLabel* titleLabel_;
    QString name_;
    QString fullTitle_;
    int kind_ = -1;
    bool hasInfoArea = false;
    QList<InfoLine> lines;
    // How many of `lines` have their widget in the area.
    int linesShown = 0;
};
