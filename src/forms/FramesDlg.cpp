#include "FramesDlg.h"

#include "colourlists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>

CFramesDlg::CFramesDlg(QWidget *parent)
    : CFormDlg(QStringLiteral("Frames"), parent)
{
    auto *group = new QGroupBox(QStringLiteral("Frames Attributes"), this);
    auto *columns = new QHBoxLayout(group);
    auto *left = new QGridLayout;
    auto *right = new QGridLayout;
    columns->addLayout(left);
    columns->addSpacing(12);
    columns->addLayout(right);
    grid()->addWidget(group, 0, 0);

    m_height = addTextRow(QStringLiteral("Height"), left);
    m_width = addTextRow(QStringLiteral("Width"), left);
    m_source = addBrowseRow(QStringLiteral("Source"), tarnel::kFrameSourceFilter, left);
    m_title = addTextRow(QStringLiteral("Title"), left);
    m_marginHeight = addTextRow(QStringLiteral("Margin Height"), left);
    m_marginWidth = addTextRow(QStringLiteral("Margin Width"), left);

    m_borderColour = addListRow(QStringLiteral("Border Color"),
                                listEntries(tarnel::FrameColourList()), false, right);
    m_frameBorder = addListRow(QStringLiteral("Frame Border"), listEntries(tarnel::FrameBorders()),
                               false, right);
    m_scrolling = addListRow(QStringLiteral("Scrolling"), listEntries(tarnel::FrameScrollings()),
                             false, right);
    m_resizing =
        addListRow(QStringLiteral("Resizing"), listEntries(tarnel::FrameResizings()), false, right);
    m_windowName = addListRow(QStringLiteral("WindowName"), listEntries(tarnel::FrameWindowNames()),
                              true, right);
    right->setRowStretch(right->rowCount(), 1);

    m_borderColour->setObjectName(QStringLiteral("borderColour"));
    m_frameBorder->setObjectName(QStringLiteral("frameBorder"));
    m_windowName->setObjectName(QStringLiteral("windowName"));
    m_scrolling->setObjectName(QStringLiteral("scrolling"));
    m_title->setObjectName(QStringLiteral("title"));
    m_source->setObjectName(QStringLiteral("source"));
    m_height->setObjectName(QStringLiteral("height"));
    m_width->setObjectName(QStringLiteral("width"));
    m_marginHeight->setObjectName(QStringLiteral("marginHeight"));
    m_marginWidth->setObjectName(QStringLiteral("marginWidth"));
    m_resizing->setObjectName(QStringLiteral("resizing"));
}

void CFramesDlg::readFields()
{
    m_fields.borderColour = text(m_borderColour);
    m_fields.frameBorder = text(m_frameBorder);
    m_fields.windowName = text(m_windowName);
    m_fields.scrolling = text(m_scrolling);
    m_fields.title = text(m_title);
    m_fields.source = text(m_source);
    m_fields.height = text(m_height);
    m_fields.width = text(m_width);
    m_fields.marginHeight = text(m_marginHeight);
    m_fields.marginWidth = text(m_marginWidth);
    m_fields.resizing = text(m_resizing);
}

std::optional<std::string> CFramesDlg::validate() const
{
    return tarnel::Validate(m_fields);
}
