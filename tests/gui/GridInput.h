// What the widget tests do on the channel grid as a user would: type into whatever has the
// focus, press Enter, turn the mouse wheel, and find where a cell stands on the screen.
#pragma once

#include "ProgramFixture.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

namespace tevano::testing {

inline QWidget* Focus() {
    return QApplication::focusWidget();
}

inline void Type(const QString& text) {
    QTest::keyClicks(Focus(), text);
}

inline void Enter() {
    QTest::keyClick(Focus(), Qt::Key_Return);
}

// The table's index of a channel cell (row and column from 1).
inline QModelIndex Index(ProgramFixture& program, int row, int col) {
    return program.Table().model()->index(row - 1, col);
}

// The cell's rectangle inside the table widget, where its editor opens.
inline QRect CellRect(ProgramFixture& program, int row, int col) {
    ChannelTableView& grid = program.Table();
    const QRect inViewport = grid.visualRect(Index(program, row, col));
    return inViewport.translated(grid.viewport()->mapTo(&grid, QPoint(0, 0)));
}

// A turn of the mouse wheel over the grid; a negative turn scrolls down.
inline void Wheel(ProgramFixture& program, int angle) {
    QWidget* viewport = program.Table().viewport();
    const QPointF at = viewport->rect().center();
    QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(viewport, &wheel);
}

} // namespace tevano::testing
