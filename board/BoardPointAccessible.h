#pragma once

#include "rules/GTPGoPoint.h"

#include <QAccessibleInterface>
#include <QPointer>

class BoardView;

// One intersection of the board, a cell of its table: named by its point and
// what lies on it ("E5, black stone"), focused where the keyboard's cursor is,
// and described by the words of the last event while it has the focus.
class BoardPointAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardPointAccessible(BoardView* board, const GTPGoPoint& point);

    const GTPGoPoint& point() const { return m_Point; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<BoardView> m_Board;
    GTPGoPoint m_Point;
};
