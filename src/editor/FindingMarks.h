#pragma once

#include "TextSurface.h"

#include <QObject>

class CCheckService;
class CTarnelView;

// How a source view shows the check's marks: a squiggle under the range, a dot in the
// symbol margin, and the messages as a tip where the pointer rests on either.
class CFindingMarks : public QObject
{
    Q_OBJECT
public:
    CFindingMarks(CTarnelView *view, CCheckService *checks);

    static constexpr int kMargin = 1;
    static constexpr int kMarginWidth = 14;
    // The tip for a point of the view: the messages of the findings there; empty for none.
    QString tipAt(const QPoint &point) const;

private:
    void showTip(int x, int y);

    CTarnelView *m_view;
    CCheckService *m_checks;
    CTextSurface m_surface;
};
