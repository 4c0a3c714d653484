#pragma once

#include <Qsci/qsciprinter.h>

#include <QString>

class QsciScintillaBase;

// Prints a page's text with a header on every sheet: the page's name at the left and
// "Page N of M" at the right, so that loose sheets can be told apart and put in order. The
// name is also the document's name (a PDF's title).
class CPagePrinter : public QsciPrinter
{
public:
    explicit CPagePrinter(PrinterMode mode = ScreenResolution);

    void setPageName(const QString &name);

    // Counts the sheets first (the header names their number), then prints them.
    int printRange(QsciScintillaBase *editor, int from = -1, int to = -1) override;

protected:
    void formatPage(QPainter &painter, bool drawing, QRect &area, int pageNumber) override;

private:
    int countPages(QsciScintillaBase *editor, QPainter &painter, int from, int to);
    QRect fullArea() const;
    // The header's height on this printer and the area left for the text below it.
    int headerHeight(QPainter &painter) const;

    QString m_pageName;
    int m_pageCount = 0;
};
