#include "PagePrinter.h"

#include <Qsci/qsciscintillabase.h>

#include <QCoreApplication>
#include <QFontDatabase>
#include <QPainter>

#include <algorithm>

namespace {

QFont headerFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(9);
    return font;
}

QString sheetNumber(int number, int count)
{
    if (count <= 0)
        return QCoreApplication::translate("CPagePrinter", "Page %1").arg(number);
    return QCoreApplication::translate("CPagePrinter", "Page %1 of %2").arg(number).arg(count);
}

} // namespace

CPagePrinter::CPagePrinter(PrinterMode mode)
    : QsciPrinter(mode)
{}

void CPagePrinter::setPageName(const QString &name)
{
    m_pageName = name;
    setDocName(name);
}

QRect CPagePrinter::fullArea() const
{
    return QRect(0, 0, width(), height());
}

int CPagePrinter::headerHeight(QPainter &painter) const
{
    painter.setFont(headerFont());
    // A line of text, then a rule, then half a line clear of the page's text.
    return painter.fontMetrics().height() * 2;
}

int CPagePrinter::printRange(QsciScintillaBase *editor, int from, int to)
{
    if (!editor)
        return -1;
    QPainter painter(this);
    if (!painter.isActive())
        return -1;
    m_pageCount = countPages(editor, painter, from, to);
    return QsciPrinter::printRange(editor, painter, from, to);
}

int CPagePrinter::countPages(QsciScintillaBase *editor, QPainter &painter, int from, int to)
{
    // The same layout the printing itself runs, measured without drawing.
    editor->SendScintilla(QsciScintillaBase::SCI_SETPRINTMAGNIFICATION, magnification());
    editor->SendScintilla(QsciScintillaBase::SCI_SETPRINTWRAPMODE, wrapMode());
    long end = editor->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    long position =
        from > 0 ? editor->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, from) : 0;
    if (to >= 0)
        end = std::min(end, editor->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, to + 1));
    QRect area = fullArea();
    area.setTop(area.top() + headerHeight(painter));
    int pages = 0;
    while (position < end) {
        const long next = editor->SendScintilla(QsciScintillaBase::SCI_FORMATRANGE, false, &painter,
                                                area, position, end);
        ++pages;
        if (next <= position)
            break;
        position = next;
    }
    return pages;
}

void CPagePrinter::formatPage(QPainter &painter, bool drawing, QRect &area, int pageNumber)
{
    const int height = headerHeight(painter);
    if (drawing) {
        painter.save();
        painter.setPen(Qt::black);
        const QRect line(area.left(), area.top(), area.width(), painter.fontMetrics().height());
        const QString number = sheetNumber(pageNumber, m_pageCount);
        const int numberWidth = painter.fontMetrics().horizontalAdvance(number);
        const QString name = painter.fontMetrics().elidedText(
            m_pageName, Qt::ElideMiddle, line.width() - numberWidth - line.height());
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, name);
        painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, number);
        const int ruleY = line.bottom() + line.height() / 4;
        painter.drawLine(area.left(), ruleY, area.right(), ruleY);
        painter.restore();
    }
    area.setTop(area.top() + height);
}
