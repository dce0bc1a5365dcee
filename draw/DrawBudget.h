#pragma once

#include <QPoint>
#include <QSize>
#include <QtGlobal>

namespace veridi {

// The drawing one command list may do on one page. A real page of commands draws a few times
// the page's pixels at most; a command file of hundreds of thousands of page-long lines, wide
// pens or giant letters would keep every redraw busy for seconds. The work is counted in units
// of about one pixel of a thin line, estimated from each command before it is drawn.
class DrawBudget {
public:
    // The budget of one list on a page of this size, in device pixels.
    explicit DrawBudget(QSize page);

    // The work of a line from a to b with a pen this many pixels wide (0 or 1: the thin pen).
    qint64 lineCost(QPoint a, QPoint b, qint32 penWidth) const;
    // The work of a text of this many characters in letters this many pixels high.
    qint64 textCost(qsizetype characters, qint32 letterHeight) const;
    // The work of a picture stretched over the rectangle of these corners.
    qint64 pictureCost(QPoint a, QPoint b) const;

    // Takes the work from the budget; false, taking nothing, when it would go beyond it.
    bool spend(qint64 units);
    // Whether some work was refused.
    bool exhausted() const { return exhausted_; }

private:
    qint64 width_;
    qint64 height_;
    qint64 area_;
    qint64 left_;
    bool exhausted_ = false;
};

} // namespace veridi
